#pragma once
// Numbers in the texts of the update server (counts, increment numbers),
// read as the user's locale writes them: optional blanks and line breaks
// around, an optional sign, digits, and a decimal part after "," or ".".
#include <cstdint>
#include <optional>
#include <string>

namespace dictionary {

class LocaleNumber {
public:
    static std::optional<double> parse(const std::string& text);
    // The largest whole number not greater than the text's number.
    static std::optional<double> floorOf(const std::string& text);
    // As floorOf, when the result fits a 16-bit signed integer.
    static std::optional<std::int16_t> floor16(const std::string& text);
};

}  // namespace dictionary
