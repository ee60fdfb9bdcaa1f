#pragma once
// Reading back the colour texts that the editor writes into pages.
#include <cstdint>
#include <string_view>

namespace pageeditor {

// A colour text of a page as a colour value 0x00BBGGRR: "#RRGGBB" (as
// util_getcolor writes it), or one of the names white, black, midnightblue,
// lightblue, blue in any case (midnightblue and lightblue read as black).
// The empty text, an unknown name, or "#" with fewer than four characters
// give clBtnFace (no colour); characters that are not hexadecimal digits
// give 0. Never fails.
std::uint32_t HTMLColorToColor(std::string_view text);

}  // namespace pageeditor
