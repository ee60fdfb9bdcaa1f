#pragma once
// A vertical scroll bar: a position between a minimum and a maximum, moved by
// the user with the arrows, the track (a page at a time), the thumb or the
// mouse wheel over it. onChange follows every change, the program's too.
#include <functional>

#include "forms/Control.h"

namespace forms {

class ScrollBar : public Control {
public:
    ScrollBar(Form& form, std::string name, Control* container = nullptr);

    // A maximum below the minimum counts as the minimum.
    void setRange(int min, int max);
    int min() const;
    int max() const;
    // The step of a click on the track (the part one view shows).
    void setPageStep(int step);
    // Kept within the range.
    void setPosition(int position);
    int position() const;

    std::function<void()> onChange;
};

}  // namespace forms
