#include "CodePage.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace text {
namespace {
#include "Tables.inc"

const char16_t* highTable(CodePage cp) {
    return cp == CodePage::Windows1250 ? kWin1250High : kIso8859_2High;
}

// Reverse lookup: Unicode code unit to byte, 0 when absent (0 itself is ASCII).
struct Reverse {
    std::array<unsigned char, 0x10000> map{};
    explicit Reverse(const char16_t* high) {
        for (int i = 0; i < 128; ++i)
            if (high[i] != 0) map[high[i]] = static_cast<unsigned char>(0x80 + i);
    }
};

const Reverse& reverse(CodePage cp) {
    static const Reverse w(kWin1250High);
    static const Reverse i(kIso8859_2High);
    return cp == CodePage::Windows1250 ? w : i;
}

bool encodeOne(char32_t u, CodePage cp, char& out) {
    if (u < 0x80) {
        out = static_cast<char>(u);
        return true;
    }
    if (u > 0xFFFF) return false;
    unsigned char b = reverse(cp).map[u];
    if (b == 0) return false;
    out = static_cast<char>(b);
    return true;
}

// Decodes one UTF-8 sequence at s[i]; advances i. What is not a character
// (a stray byte, a cut-off sequence, an overlong form, a surrogate or a code
// point beyond U+10FFFF) gives one U+FFFD for as many bytes as began a valid
// sequence, so that the byte where it went wrong starts the next one.
char32_t nextUtf8(std::string_view s, std::size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i++]);
    if (c < 0x80) return c;
    int extra = (c >= 0xF5 || c < 0xC2) ? -1 : (c >= 0xF0) ? 3 : (c >= 0xE0) ? 2 : 1;
    if (extra < 0) return 0xFFFD;
    // The range of the second byte, narrower after E0, ED, F0 and F4.
    unsigned char low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
    unsigned char high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
    char32_t u = c & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return 0xFFFD;
        unsigned char b = static_cast<unsigned char>(s[i]);
        if (b < (k ? 0x80 : low) || b > (k ? 0xBF : high)) return 0xFFFD;
        u = (u << 6) | (b & 0x3F);
        ++i;
    }
    return u;
}

void appendUtf8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

char16_t decodeByte(unsigned char b, CodePage cp) {
    if (b < 0x80) return b;
    char16_t u = highTable(cp)[b - 0x80];
    return u ? u : 0xFFFD;
}
}  // namespace

std::u16string toUtf16(std::string_view bytes, CodePage cp) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes) out += decodeByte(static_cast<unsigned char>(c), cp);
    return out;
}

std::string toUtf8(std::string_view bytes, CodePage cp) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) appendUtf8(out, decodeByte(static_cast<unsigned char>(c), cp));
    return out;
}

bool fromUtf16(std::u16string_view s, std::string& out, CodePage cp, std::size_t* badIndex) {
    out.clear();
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        char b;
        if (!encodeOne(s[i], cp, b)) {
            if (badIndex) *badIndex = i;
            return false;
        }
        out += b;
    }
    return true;
}

bool fromUtf8(std::string_view s, std::string& out, CodePage cp, std::size_t* badIndex) {
    out.clear();
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t at = i;
        char b;
        if (!encodeOne(nextUtf8(s, i), cp, b)) {
            if (badIndex) *badIndex = at;
            return false;
        }
        out += b;
    }
    return true;
}

std::string encode(std::u16string_view s, CodePage cp, Lacking how, std::size_t* lacking) {
    std::string out;
    out.reserve(s.size());
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char b;
        if (encodeOne(s[i], cp, b)) {
            out += b;
            continue;
        }
        ++n;
        char32_t u = s[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
            u = 0x10000 + ((u - 0xD800) << 10) + (s[++i] - 0xDC00);
        switch (how) {
        case Lacking::Drop: break;
        case Lacking::QuestionMark: out += '?'; break;
        case Lacking::Reference:
            out += "&#";
            out += std::to_string(static_cast<unsigned long>(u));
            out += ';';
            break;
        }
    }
    if (lacking) *lacking = n;
    return out;
}

std::string fromUtf16Dropping(std::u16string_view s, CodePage cp, std::size_t* dropped) {
    return encode(s, cp, Lacking::Drop, dropped);
}

std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t u = nextUtf8(utf8, i);
        if (u >= 0x10000) {
            u -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (u >> 10));
            out += static_cast<char16_t>(0xDC00 + (u & 0x3FF));
        } else {
            out += static_cast<char16_t>(u);
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 2);
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t u = s[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
            u = 0x10000 + ((u - 0xD800) << 10) + (s[++i] - 0xDC00);
        appendUtf8(out, u);
    }
    return out;
}

std::string ansi(std::string_view utf8) {
    std::string out;
    if (!fromUtf8(utf8, out, CodePage::Windows1250)) {
        std::fprintf(stderr, "text::ansi: literal outside Windows-1250: %.*s\n",
                     static_cast<int>(utf8.size()), utf8.data());
        std::abort();
    }
    return out;
}

char convertByte(char c, CodePage from, CodePage to) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x80 || from == to) return c;
    char out;
    return encodeOne(decodeByte(b, from), to, out) ? out : '?';
}

std::string convert(std::string_view bytes, CodePage from, CodePage to) {
    std::string out(bytes);
    for (char& c : out) c = convertByte(c, from, to);
    return out;
}

}  // namespace text
