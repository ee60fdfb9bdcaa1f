#pragma once
// Whole numbers as the user types them into the dialogs' number fields.
#include <string>

namespace pageeditor {

// True when the text is a whole number of at most nine digits, with an
// optional sign and blanks around it; the number is then in v.
bool parseWholeNumber(const std::string& text, long& v);
inline bool isWholeNumber(const std::string& text) {
    long v = 0;
    return parseWholeNumber(text, v);
}

// The largest value the dialogs' number fields hold.
constexpr int kMaxFieldValue = 999999999;

}  // namespace pageeditor
