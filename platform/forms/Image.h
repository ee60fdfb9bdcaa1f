#pragma once
// A picture from a file, drawn at its own size or stretched to the control.
#include "forms/Control.h"

namespace forms {

class Image : public Control {
public:
    Image(Form& form, std::string name, Control* container = nullptr);
    // False when the file cannot be read as a picture (the control is emptied).
    bool setPicture(const std::string& path);
    bool hasPicture() const;
    void clearPicture();
    void setStretch(bool on);
    // A single-line border around the picture.
    void setBorder(bool on);
    bool border() const { return border_; }

private:
    bool border_ = false;
};

}  // namespace forms
