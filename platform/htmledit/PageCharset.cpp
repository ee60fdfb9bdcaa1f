#include "htmledit/PageCharset.h"

#include <cctype>

namespace htmledit {
namespace {

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

// Finds "charset" inside a META tag and returns the name after it.
std::string charsetName(const std::string& low) {
    std::size_t pos = 0;
    while ((pos = low.find("<meta", pos)) != std::string::npos) {
        std::size_t end = low.find('>', pos);
        if (end == std::string::npos) break;
        std::string tag = low.substr(pos, end - pos);
        std::size_t c = tag.find("charset");
        if (c != std::string::npos) {
            c += 7;
            while (c < tag.size() && (tag[c] == ' ' || tag[c] == '=' || tag[c] == '"' || tag[c] == '\'')) ++c;
            std::size_t e = c;
            while (e < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[e])) || tag[e] == '-' || tag[e] == '_'))
                ++e;
            if (e > c) return tag.substr(c, e - c);
        }
        pos = end;
    }
    return {};
}

void appendReference(std::string& out, char32_t u) {
    out += "&#";
    out += std::to_string(static_cast<unsigned long>(u));
    out += ';';
}

// Encodes into a code page, handing each character it lacks to `missing`.
template <class F>
std::string encode(std::u16string_view s, text::CodePage cp, F missing) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        std::string part;
        std::size_t bad = 0;
        if (text::fromUtf16(s.substr(i), part, cp, &bad)) {
            out += part;
            break;
        }
        out += part;
        i += bad;
        char32_t u = s[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            u = 0x10000 + ((u - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        ++i;
        missing(out, u);
    }
    return out;
}

}  // namespace

PageCharset PageCharset::fromName(std::string_view name) {
    std::string n = lowerAscii(name);
    if (n == "iso-8859-2" || n == "iso8859-2" || n == "iso_8859-2" || n == "latin2" || n == "l2" ||
        n == "iso-ir-101" || n == "csisolatin2")
        return PageCharset(Iso8859_2);
    if (n == "utf-8" || n == "utf8") return PageCharset(Utf8);
    return PageCharset(Windows1250);
}

PageCharset PageCharset::declaredIn(std::string_view markup) {
    std::string name = charsetName(lowerAscii(markup.substr(0, 65536)));
    return fromName(name);
}

PageCharset PageCharset::declaredIn(std::u16string_view markup) {
    std::string ascii;
    markup = markup.substr(0, 65536);
    ascii.reserve(markup.size());
    for (char16_t c : markup) ascii += c < 0x80 ? static_cast<char>(c) : '?';
    return declaredIn(std::string_view(ascii));
}

std::u16string PageCharset::decodeFile(std::string_view bytes) const {
    if (kind_ == Utf8) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
        std::u16string out;
        std::string utf8(bytes);
        // UTF-8 to UTF-16 by way of the code page helpers' decoder.
        std::size_t i = 0;
        while (i < utf8.size()) {
            unsigned char c = static_cast<unsigned char>(utf8[i]);
            char32_t u;
            int extra = c < 0x80 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
            ++i;
            if (extra < 0) {
                u = 0xFFFD;
            } else {
                u = extra ? c & (0x3F >> extra) : c;
                for (int k = 0; k < extra; ++k, ++i) {
                    if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
                        u = 0xFFFD;
                        break;
                    }
                    u = (u << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
                }
            }
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
    return text::toUtf16(bytes, codePage());
}

std::string PageCharset::encodeFile(std::u16string_view html) const {
    if (kind_ == Utf8) {
        std::string out;
        for (std::size_t i = 0; i < html.size(); ++i) {
            char32_t u = html[i];
            if (u >= 0xD800 && u < 0xDC00 && i + 1 < html.size()) {
                u = 0x10000 + ((u - 0xD800) << 10) + (html[i + 1] - 0xDC00);
                ++i;
            }
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
        return out;
    }
    return encodeMarkup(html);
}

std::u16string PageCharset::decode(std::string_view bytes) const { return text::toUtf16(bytes, codePage()); }

std::string PageCharset::encodeMarkup(std::u16string_view html) const {
    return encode(html, codePage(), appendReference);
}

std::string PageCharset::encodeValue(std::u16string_view s) const {
    return encode(s, codePage(), [](std::string& out, char32_t) { out += '?'; });
}

}  // namespace htmledit
