#pragma once
// A spin edit of the editor's dialogs: a one-line box holding a whole
// number, stepped by one with the Up and Down keys. What the user types is
// kept as typed; valid() tells whether it is a whole number at all.
#include <string>

#include "forms/TextBox.h"

namespace pageeditor {

class SpinEdit : public forms::TextBox {
public:
    SpinEdit(forms::Form& form, std::string name, forms::Control* container = nullptr);

    // The number in the box; 0 while the text is no whole number.
    long value() const;
    void setValue(long v);
    // True when the text is a whole number of at most nine digits, with an
    // optional sign and blanks around it.
    bool valid() const;

    // Parses text as the box does; false when it is no whole number.
    static bool parse(const std::string& text, long& v);
};

}  // namespace pageeditor
