#pragma once
// The names of the fonts installed for the screen, in the desktop's order,
// as Windows-1250 text (names without a Windows-1250 form are left out).
#include <string>
#include <vector>

namespace forms {

std::vector<std::string> screenFonts();

}  // namespace forms
