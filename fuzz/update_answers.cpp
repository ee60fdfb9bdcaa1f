// What the dictionary's update server answers, as the program takes it: the
// word-base check's answer to info.dat (the server's count of headwords)
// and kom.dat (its comment), the server's numer.dat at the start of an
// update, and the date of the last update in data.dat, which the lookup
// window's reminder reads.
// Input: info.dat NUL kom.dat NUL numer.dat NUL data.dat NUL numbers (two
// bytes: the program base's count; two: the first increment of the update;
// one: the most increments the server can have beyond ours, less one).
//
// A count or a number written as whole digits is taken as the number it
// says; the server's texts are shown cut to a sensible length; a date is
// read only as the date its digits say.
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "dictionary/ShortDate.h"
#include "dictionary/WordBaseCheck.h"
#include "dictionary/WordBaseMerge.h"
#include "text/CodePage.h"

using namespace dictionary;
using namespace text::literals;

namespace {

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// The number a text of an optional sign and up to 15 digits says.
std::optional<long long> wholeNumber(std::string_view s) {
    s = trimmed(s);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 15 || s.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    long long n = 0;
    for (char c : s) n = n * 10 + (c - '0');
    return negative ? -n : n;
}

std::int16_t number16(std::string_view bytes, std::size_t at) {
    unsigned v = 0;
    if (at < bytes.size()) v |= static_cast<unsigned char>(bytes[at]);
    if (at + 1 < bytes.size()) v |= static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8;
    return static_cast<std::int16_t>(v);
}

bool endsWith(std::string_view s, std::string_view end) {
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

void checkAnswers(const std::string& info, const std::string& comment, std::int16_t ours) {
    const WordBaseCheck::Answer a = WordBaseCheck::of(info, comment, ours);
    using Kind = WordBaseCheck::Kind;
    const std::string shownComment = WordBaseMerge::shown(comment);
    fuzzing::expect(shownComment.size() <= 303, "the comment is shown cut to a sensible length");
    fuzzing::expect((a.kind == Kind::NoCount) == info.empty(), "an empty count is no answer");
    if (a.kind == Kind::Offer) {
        fuzzing::expect(
            a.text.rfind("Liczba słów w bazie danych na serwerze: "_w + WordBaseMerge::shown(info), 0) == 0 &&
                endsWith(a.text, shownComment),
            "the question names the server's count and ends with its comment");
        fuzzing::expect(a.incrementsAhead >= 1 && a.incrementsAhead <= 32767, "an offer allows some increments");
    }
    if (a.kind == Kind::Current)
        fuzzing::expect(a.text == "Brak aktualizacji. "_w + shownComment, "no update, and the comment");
    if (const auto n = wholeNumber(info)) {
        const Kind expected = *n > ours ? Kind::Offer : *n == ours ? Kind::Current : Kind::Behind;
        fuzzing::expect(a.kind == expected, "a whole count is compared as the number it says");
        if (a.kind == Kind::Offer)
            fuzzing::expect(a.incrementsAhead == std::min<long long>(*n - ours, 32767),
                            "as many increments as headwords more");
    }
}

void checkNewestIncrement(const std::string& answer, std::int16_t first, int most) {
    std::optional<std::int16_t> newest;
    try {
        newest = WordBaseMerge::newestIncrement(answer, first, most);
    } catch (const WordBaseMerge::Failure&) {
    }
    if (newest)
        fuzzing::expect(*newest >= first && *newest - first < most,
                        "the newest increment follows ours, and not too far");
    if (const auto n = wholeNumber(answer); n && *n <= 32767 && *n >= first && *n - first < most)
        fuzzing::expect(newest && *newest == *n, "a whole number is the increment it says");
}

// The digits of a date text, each without its leading zeros.
std::vector<std::string> fields(std::string_view s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] < '0' || s[i] > '9') {
            ++i;
            continue;
        }
        std::size_t e = i;
        while (e < s.size() && s[e] >= '0' && s[e] <= '9') ++e;
        std::string_view f = s.substr(i, e - i);
        while (f.size() > 1 && f[0] == '0') f.remove_prefix(1);
        out.emplace_back(f);
        i = e;
    }
    return out;
}

void checkDate(const std::string& text) {
    const auto day = ShortDate::parse(text);
    if (!day) return;
    const std::chrono::year_month_day ymd{*day};
    const std::vector<std::string> f = fields(text);
    const std::string y = std::to_string(int(ymd.year())), m = std::to_string(unsigned(ymd.month())),
                      d = std::to_string(unsigned(ymd.day()));
    fuzzing::expect(f.size() == 3 && f[1] == m && ((f[0] == y && f[2] == d) || (f[0] == d && f[2] == y)),
                    "a date is read as the date its digits say");
    fuzzing::expect(ShortDate::parse(ShortDate::format(*day)) == day, "a date written reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> in = fuzzing::parts(fuzzing::asText(data, size), 5);
    const std::string& numbers = in[4];
    checkAnswers(in[0], in[1], number16(numbers, 0));
    const int most = numbers.size() > 4 ? static_cast<unsigned char>(numbers[4]) + 1 : 32767;
    checkNewestIncrement(in[2], number16(numbers, 2), most);
    checkDate(in[3]);
    return 0;
}
