#pragma once
// Names the system's locale gives to dates.
#include <string>

namespace forms {

// The full name of a weekday (0 Sunday to 6 Saturday) in the system's
// locale, as Windows-1250 text; empty when the system names no language (the
// plain "C" locale) or the name has no Windows-1250 form.
std::string localeWeekdayName(int weekday);

}  // namespace forms
