#pragma once
// A strip of tool buttons, usually docked at the top of a form.
#include "forms/Control.h"

namespace forms {

class ImageList;

class ToolBar : public Control {
public:
    ToolBar(Form& form, std::string name, Control* container = nullptr);
    // Pictures of the buttons (by their image index).
    void setImages(const ImageList& list);
    const ImageList* images() const { return images_; }
    // Captions beside the pictures (off: pictures only).
    void setShowCaptions(bool on);

private:
    const ImageList* images_ = nullptr;
};

}  // namespace forms
