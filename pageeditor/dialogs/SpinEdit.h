#pragma once
// A number field with a range, for the dialogs' counts and amounts: an edit
// whose text is read as a whole number and kept within its range.
#include <string>

#include "forms/TextBox.h"

namespace pageeditor {

class SpinEdit : public forms::TextBox {
public:
    SpinEdit(forms::Form& form, std::string name, forms::Control* container = nullptr, int minValue = 0,
             int maxValue = 100, int initial = 0);
    // The text as a number within the range; text that is no number reads as
    // the lowest value.
    int value() const;
    void setValue(int v);

private:
    int min_, max_;
};

}  // namespace pageeditor
