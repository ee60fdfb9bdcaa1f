#pragma once
// The text of the insert-date command: "dddd - dd.mm.yyyy, hh.mm", the full
// weekday name, the day, month and four-digit year with points, and the time
// in hours and minutes (24-hour clock), each number with two digits.
#include <ctime>
#include <string>
#include <string_view>

namespace pageeditor {

std::string insertDateText(const std::tm& when, std::string_view weekdayName);

// The Polish weekday names (Windows-1250), Sunday first as std::tm counts.
std::string polishWeekdayName(int tmWday);

}  // namespace pageeditor
