#include "pageeditor/app/InsertDateText.h"

#include <cstdio>

#include "text/CodePage.h"

namespace pageeditor {

std::string insertDateText(const std::tm& when, std::string_view weekdayName) {
    char buf[64];
    std::snprintf(buf, sizeof buf, " - %02d.%02d.%04d, %02d.%02d", when.tm_mday, when.tm_mon + 1,
                  when.tm_year + 1900, when.tm_hour, when.tm_min);
    return std::string(weekdayName) + buf;
}

std::string polishWeekdayName(int tmWday) {
    static const char* const names[] = {"niedziela", "poniedziałek", "wtorek", "środa",
                                        "czwartek",  "piątek",       "sobota"};
    if (tmWday < 0 || tmWday > 6) return {};
    return text::ansi(names[tmWday]);
}

}  // namespace pageeditor
