#pragma once
// A thin bar docked beside a control that the user drags to resize that
// control (its width when docked left or right, its height when docked top
// or bottom).
#include <functional>

#include "forms/Control.h"

namespace forms {

class Splitter : public Control {
public:
    Splitter(Form& form, std::string name, Control* container = nullptr);
    // The control the bar resizes, and its smallest size (form's scale).
    void setTarget(Control& target, int minSize = 0);
    Control* target() const { return target_; }
    int minSize() const { return minSize_; }
    std::function<void()> onMoved;

private:
    Control* target_ = nullptr;
    int minSize_ = 0;
};

}  // namespace forms
