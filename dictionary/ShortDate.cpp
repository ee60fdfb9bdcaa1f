#include "dictionary/ShortDate.h"

#include <cstdio>
#include <ctime>

namespace dictionary {

using namespace std::chrono;

std::optional<sys_days> ShortDate::parse(const std::string& textIn) {
    std::string t = textIn;
    while (!t.empty() && (t.back() == '\r' || t.back() == '\n' || t.back() == ' ' || t.back() == '\t')) t.pop_back();
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.erase(t.begin());
    // Three numbers of plain digits and two separators. A number of more
    // digits than any date field has is no date (read into an int it would
    // wrap round to another one).
    int a = 0, b = 0, c = 0;
    char s1 = 0, s2 = 0;
    std::size_t at = 0;
    auto number = [&](int& n) {
        const std::size_t start = at;
        n = 0;
        while (at < t.size() && t[at] >= '0' && t[at] <= '9' && at - start < 5) n = n * 10 + (t[at++] - '0');
        return at > start && (at == t.size() || t[at] < '0' || t[at] > '9');
    };
    auto separator = [&](char& sep) {
        if (at >= t.size()) return false;
        sep = t[at++];
        return sep == '-' || sep == '.';
    };
    if (!number(a) || !separator(s1) || !number(b) || !separator(s2) || !number(c) || at != t.size())
        return std::nullopt;
    int y, m, d;
    if (s1 == '-' && s2 == '-' && a > 31) {
        y = a, m = b, d = c;
    } else if ((s1 == '.' && s2 == '.') || (s1 == '-' && s2 == '-')) {
        d = a, m = b, y = c;
    } else {
        return std::nullopt;
    }
    // month and day hold a byte: 257 would wrap to 1.
    if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!ymd.ok() || y < 1900 || y > 9999) return std::nullopt;
    return sys_days{ymd};
}

std::string ShortDate::format(sys_days dayValue) {
    year_month_day ymd{dayValue};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()));
    return buf;
}

sys_days ShortDate::today() {
    // The local calendar day, as the user's clock shows it.
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return sys_days{year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)} /
                    day{static_cast<unsigned>(local.tm_mday)}};
}

bool ShortDate::overdue(sys_days lastUpdate, sys_days todayValue) { return (todayValue - lastUpdate).count() > 28; }

}  // namespace dictionary
