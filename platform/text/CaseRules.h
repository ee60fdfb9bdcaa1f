#pragma once
// Upper and lower case, comparison and sort order of Windows-1250 text, as the
// platform applies them: one byte maps to one byte, so lengths and positions
// never change; ß has no capital and stays as it is.
#include <string>
#include <string_view>

namespace text {

char toUpper(char c);
char toLower(char c);
std::string upper(std::string_view s);
std::string lower(std::string_view s);

bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view s, std::string_view prefix);
// Ordinal comparison of the lower-cased bytes: <0, 0, >0.
int compareNoCase(std::string_view a, std::string_view b);

// The order of the platform's sorted lists: alphabetical without regard to
// case, accented letters beside their base letter (a, ą, ä before b), ß as
// "ss". Strings that differ only in case compare equal (0).
int collate(std::string_view a, std::string_view b);

}  // namespace text
