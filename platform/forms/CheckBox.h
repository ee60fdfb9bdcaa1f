#pragma once
// A check box: value 0 unchecked, 1 checked. onClick runs whenever the value
// changes, by the user or by code.
#include "forms/Control.h"

namespace forms {

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name, Control* container = nullptr);
    void setCaption(const std::string& caption);
    std::string caption() const;
    void setValue(int v);
    int value() const;
    bool checked() const { return value() == 1; }

private:
    std::string caption_;
};

}  // namespace forms
