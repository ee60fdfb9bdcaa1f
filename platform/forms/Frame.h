#pragma once
// A captioned frame that holds other controls (they name it as container).
// Option buttons in one frame form one group.
#include "forms/Control.h"

namespace forms {

class Frame : public Control {
public:
    Frame(Form& form, std::string name, Control* container = nullptr);
    void setCaption(const std::string& caption);
    std::string caption() const;

private:
    std::string caption_;
};

}  // namespace forms
