#pragma once
// The editor's small text routines: colour text for pages, search and replace,
// the six Polish letters that differ between Windows-1250 and ISO-8859-2, and
// the extension of a file name. Texts are Windows-1250 bytes; positions are
// bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace pageeditor {

// The button-face colour, which stands for "no colour"; both the 0xFF and the
// 0x80 form of a system colour are accepted.
constexpr std::uint32_t clBtnFace = 0xFF00000F;

// "#RRGGBB" (upper-case digits) of a colour value 0x00BBGGRR; empty for the
// button-face colour. Other system colours are formatted from their low 24 bits.
std::string util_getcolor(std::uint32_t color);

// Replaces the first occurrence of `find` again and again, searching from the
// start after every replacement, so a match made by a replacement and the text
// after it is replaced too. An empty `find` changes nothing. Where that loop
// would never end (the replacement contains `find`, or it keeps growing), the
// result is a single left-to-right pass that continues after each inserted
// replacement.
std::string repl(std::string_view find, std::string_view replacement, std::string_view source);
std::string replace_all(std::string_view find, std::string_view replacement, std::string_view source);
// The same loop for a one-character `find`: each hit deletes one character.
std::string replace_chars(std::string_view find, std::string_view replacement, std::string_view source);

// ISO-8859-2 to Windows-1250 (win) and back (iso) for ś Ś ą Ą ź Ź only; every
// other byte is kept and the length never changes.
std::string win(std::string_view isoText);
std::string iso(std::string_view winText);

// The name with every "/" and every "\" as `separator`: a page's address
// ("data/a.jpg") as the editor's file name ("data\a.jpg") and back.
std::string withSeparators(std::string_view name, char separator);

// From the last "." to the end, the dot included, case kept; empty without a dot.
std::string ext_of(std::string_view name);

}  // namespace pageeditor
