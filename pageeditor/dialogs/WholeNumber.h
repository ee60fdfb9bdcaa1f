#pragma once
// Whole numbers as the user types them into the dialogs' number fields.
#include <optional>
#include <string>

namespace pageeditor {

// True when the text is a whole number of at most nine digits, with an
// optional sign and blanks around it; the number is then in v.
bool parseWholeNumber(const std::string& text, long& v);
inline bool isWholeNumber(const std::string& text) {
    long v = 0;
    return parseWholeNumber(text, v);
}

// A number attribute as the engine reads it: the value's leading digits
// ("1px" is 1, "5%" is 5, at most kMaxFieldValue); a value that starts with
// none ("", "abc", "-1") is `unreadable`, no attribute (nullopt) `missing`.
long leadingNumber(const std::optional<std::string>& written, long missing, long unreadable);

// The largest value the dialogs' number fields hold.
constexpr int kMaxFieldValue = 999999999;

}  // namespace pageeditor
