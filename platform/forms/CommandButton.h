#pragma once
// A push button.
#include "forms/Control.h"

namespace forms {

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name, Control* container = nullptr);
    ~CommandButton() override;
    void setCaption(const std::string& caption);
    std::string caption() const;
    // The default button answers Enter, the cancel button Esc, anywhere on
    // the form (after the form's key preview and the focused control's key
    // down handler had their turn; Enter on a focused button or in a
    // multi-line box stays theirs). One of each per form.
    void setDefault(bool on);
    void setCancel(bool on);
    bool isDefault() const { return default_; }
    bool isCancel() const { return cancel_; }
    // A picture on the button (a file path); false when it cannot be read.
    bool setPicture(const std::string& path);
    // Clicks the button from code, as the user would.
    void press();

private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace forms
