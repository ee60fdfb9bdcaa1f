#pragma once
// A container with an optional picture; controls placed in it move with it.
#include "forms/Control.h"

namespace forms {

class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name, Control* container = nullptr);
    bool setPicture(const std::string& path);
    void setBorder(bool on);
};

}  // namespace forms
