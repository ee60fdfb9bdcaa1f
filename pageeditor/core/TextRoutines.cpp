#include "pageeditor/core/TextRoutines.h"

#include <algorithm>
#include <array>

namespace pageeditor {

std::string util_getcolor(std::uint32_t color) {
    if (color == clBtnFace || color == 0x8000000Fu) return {};
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "#";
    for (int shift = 0; shift <= 16; shift += 8) {
        unsigned byte = (color >> shift) & 0xFF;
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out;
}

namespace {

// One pass: every occurrence replaced, the search going on after the inserted
// text. `cut` bytes are removed at each hit.
std::string singlePass(std::string_view find, std::string_view replacement, std::string_view source,
                       std::size_t cut) {
    std::string out;
    std::size_t from = 0;
    while (true) {
        std::size_t p = source.find(find, from);
        if (p == std::string_view::npos) break;
        out.append(source.substr(from, p - from));
        out.append(replacement);
        from = p + cut;
    }
    out.append(source.substr(from));
    return out;
}

// Limits for a loop whose end cannot be known in advance: the number of
// replacements and the growth of the text.
constexpr std::size_t kMaxSteps = 4'000'000;
constexpr std::size_t kMaxGrowth = std::size_t{16} << 20;

// The rescanning loop: replace the first occurrence, search again from the
// first character. After a hit at p no occurrence can start before
// p - |find| + 1 (the text before p held none), so the text before that is
// final. It is kept in `out`; the rest of the text is kept reversed in `rev`,
// so taking from its front and putting the replacement before it are cheap.
// The result equals that of searching from the first character every time.
std::string replaceLoop(std::string_view find, std::string_view replacement, std::string_view source,
                        std::size_t cut) {
    if (find.empty()) return std::string(source);
    if (cut == find.size() && replacement.find(find) != std::string_view::npos)
        return singlePass(find, replacement, source, cut);
    bool shrinks = replacement.size() < cut;
    const std::string rfind(find.rbegin(), find.rend());
    const std::string rrepl(replacement.rbegin(), replacement.rend());
    std::string rev(source.rbegin(), source.rend());
    std::string out;
    std::size_t steps = 0;
    while (true) {
        std::size_t pos = rev.rfind(rfind);
        if (pos == std::string::npos) break;
        // Text before the hit is final.
        out.append(rev.rbegin(), rev.rbegin() + static_cast<long>(rev.size() - pos - find.size()));
        rev.resize(pos + find.size() - cut);
        rev += rrepl;
        // The last |find| - 1 final bytes may start the next hit.
        std::size_t back = std::min(out.size(), find.size() - 1);
        rev.append(out.rbegin(), out.rbegin() + static_cast<long>(back));
        out.resize(out.size() - back);
        if (!shrinks && (++steps > kMaxSteps || out.size() + rev.size() > source.size() + kMaxGrowth))
            return singlePass(find, replacement, source, cut);
    }
    out.append(rev.rbegin(), rev.rend());
    return out;
}

constexpr std::array<std::pair<unsigned char, unsigned char>, 6> kLetters{{
    // ISO-8859-2, Windows-1250
    {0xB6, 0x9C},  // ś
    {0xA6, 0x8C},  // Ś
    {0xB1, 0xB9},  // ą
    {0xA1, 0xA5},  // Ą
    {0xBC, 0x9F},  // ź
    {0xAC, 0x8F},  // Ź
}};

std::string convertLetters(std::string_view s, bool toIso) {
    std::string out(s);
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto b = static_cast<unsigned char>(s[i]);
        for (auto [isoByte, winByte] : kLetters) {
            if (b == (toIso ? winByte : isoByte)) {
                out[i] = static_cast<char>(toIso ? isoByte : winByte);
                break;
            }
        }
    }
    return out;
}

}  // namespace

std::string repl(std::string_view find, std::string_view replacement, std::string_view source) {
    return replaceLoop(find, replacement, source, find.size());
}

std::string replace_all(std::string_view find, std::string_view replacement, std::string_view source) {
    return replaceLoop(find, replacement, source, find.size());
}

std::string replace_chars(std::string_view find, std::string_view replacement, std::string_view source) {
    return replaceLoop(find, replacement, source, find.empty() ? 0 : 1);
}

std::string win(std::string_view isoText) { return convertLetters(isoText, false); }
std::string iso(std::string_view winText) { return convertLetters(winText, true); }

std::string ext_of(std::string_view name) {
    std::size_t p = name.rfind('.');
    return p == std::string_view::npos ? std::string() : std::string(name.substr(p));
}

std::string withSeparators(std::string_view name, char separator) {
    std::string s(name);
    for (char& c : s)
        if (c == '/' || c == '\\') c = separator;
    return s;
}

}  // namespace pageeditor
