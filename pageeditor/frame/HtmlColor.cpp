#include "pageeditor/frame/HtmlColor.h"

#include <string>

#include "pageeditor/core/TextRoutines.h"
#include "text/CaseRules.h"

namespace pageeditor {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::uint32_t HTMLColorToColor(std::string_view text) {
    if (text.empty()) return clBtnFace;
    std::string upper = text::upper(text);
    if (upper == "WHITE") return 0xFFFFFF;
    if (upper == "BLACK") return 0;
    if (upper == "MIDNIGHTBLUE") return 0;
    if (upper == "LIGHTBLUE") return 0;
    if (upper == "BLUE") return 0xFF0000;
    if (text[0] != '#') return clBtnFace;
    std::string_view digits = text.substr(1);
    if (digits.size() < 4) return clBtnFace;
    // RR GG BB; a short text reads the pairs it has (a missing digit is 0),
    // characters after the sixth are not read.
    if (digits.size() > 6) digits = digits.substr(0, 6);
    std::uint32_t part[3] = {0, 0, 0};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        int d = hexDigit(digits[i]);
        if (d < 0) return 0;
        part[i / 2] |= static_cast<std::uint32_t>(d) << (i % 2 == 0 ? 4 : 0);
    }
    return part[0] | (part[1] << 8) | (part[2] << 16);
}

}  // namespace pageeditor
