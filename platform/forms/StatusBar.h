#pragma once
// The status line at the foot of a form: one simple panel of text. With
// automatic hints it shows the long hint of the control or menu item under
// the mouse.
#include <string>

#include "forms/Control.h"

namespace forms {

class StatusBar : public Control {
public:
    StatusBar(Form& form, std::string name, Control* container = nullptr);
    void setSimpleText(const std::string& text);
    std::string simpleText() const;
    void setAutoHint(bool on);

private:
    bool autoHint_ = false;
};

}  // namespace forms
