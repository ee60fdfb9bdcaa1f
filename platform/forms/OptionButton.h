#pragma once
// An option button. The option buttons of one container (the form or a
// frame / picture box) form a group in which exactly one can be set.
// onClick runs when the button becomes set, by the user or by code.
#include "forms/Control.h"

namespace forms {

class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name, Control* container = nullptr);
    void setCaption(const std::string& caption);
    std::string caption() const;
    void setValue(bool on);
    bool value() const;

private:
    std::string caption_;
};

}  // namespace forms
