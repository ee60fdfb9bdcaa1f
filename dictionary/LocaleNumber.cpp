#include "dictionary/LocaleNumber.h"

#include <charconv>
#include <cmath>

namespace dictionary {

namespace {
bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool digit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<double> LocaleNumber::parse(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && blank(text[b])) ++b;
    while (e > b && blank(text[e - 1])) --e;
    std::string s = text.substr(b, e - b);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && digit(s[i])) ++i, ++digits;
    if (i < s.size() && (s[i] == ',' || s[i] == '.')) {
        s[i] = '.';
        ++i;
        while (i < s.size() && digit(s[i])) ++i, ++digits;
    }
    if (digits == 0 || i != s.size()) return std::nullopt;
    // Read without regard to the C library's locale, which the toolkit sets.
    double v = 0;
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    auto r = std::from_chars(first, s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<double> LocaleNumber::floorOf(const std::string& text) {
    auto v = parse(text);
    if (!v) return std::nullopt;
    return std::floor(*v);
}

std::optional<std::int16_t> LocaleNumber::floor16(const std::string& text) {
    auto v = floorOf(text);
    if (!v || *v < -32768.0 || *v > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(*v);
}

}  // namespace dictionary
