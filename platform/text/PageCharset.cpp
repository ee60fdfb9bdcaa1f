#include "text/PageCharset.h"

#include <cctype>

namespace text {
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

// The bytes `iso` writes for ś Ś ą Ą ź Ź, which the program's text may hold
// for those letters.
constexpr unsigned char kIsoLetters[] = {0xB6, 0xA6, 0xB1, 0xA1, 0xBC, 0xAC};

bool isIsoLetter(unsigned char b) {
    for (unsigned char l : kIsoLetters)
        if (b == l) return true;
    return false;
}

// Byte to character of the program's text.
struct ProgramTable {
    char16_t map[256];
    ProgramTable() {
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            map[b] = toUtf16(std::string_view(&c, 1), isIsoLetter(static_cast<unsigned char>(b))
                                                           ? CodePage::Iso8859_2
                                                           : CodePage::Windows1250)[0];
        }
    }
};

}  // namespace

PageCharset PageCharset::fromName(std::string_view name) {
    std::string n = lowerAscii(name);
    if (n == "iso-8859-2" || n == "iso8859-2" || n == "iso_8859-2" || n == "latin2" || n == "l2" ||
        n == "iso-ir-101" || n == "csisolatin2")
        return PageCharset(Iso8859_2);
    if (n == "utf-8" || n == "utf8") return PageCharset(Utf8);
    return PageCharset(Windows1250);
}

PageCharset PageCharset::declaredIn(std::string_view markup, Kind otherwise) {
    if (declaredByByteOrderMark(markup)) return PageCharset(Utf8);
    std::string name = charsetName(lowerAscii(markup.substr(0, 65536)));
    return name.empty() ? PageCharset(otherwise) : fromName(name);
}

PageCharset PageCharset::declaredIn(std::u16string_view markup) {
    std::string ascii;
    markup = markup.substr(0, 65536);
    ascii.reserve(markup.size());
    for (char16_t c : markup) ascii += c < 0x80 ? static_cast<char>(c) : '?';
    return declaredIn(std::string_view(ascii));
}

bool PageCharset::startsWithByteOrderMark(std::string_view bytes) { return bytes.substr(0, 3) == kByteOrderMark; }

bool PageCharset::declaredByByteOrderMark(std::string_view bytes) {
    if (!startsWithByteOrderMark(bytes)) return false;
    // Valid UTF-8 alone comes back byte for byte: anything else decodes to
    // U+FFFD, which is written back as other bytes.
    bytes.remove_prefix(3);
    return utf16ToUtf8(utf8ToUtf16(bytes)) == bytes;
}

std::u16string PageCharset::decodeFile(std::string_view bytes) const {
    if (startsWithByteOrderMark(bytes)) bytes.remove_prefix(3);
    if (kind_ != Utf8) return toUtf16(bytes, codePage());
    return utf8ToUtf16(bytes);
}

std::string PageCharset::encodeFile(std::u16string_view html) const {
    return kind_ == Utf8 ? utf16ToUtf8(html) : encode(html, codePage(), Lacking::Reference);
}

std::u16string PageCharset::fromProgram(std::string_view programText) {
    static const ProgramTable table;
    std::u16string out;
    out.reserve(programText.size());
    for (char c : programText) out += table.map[static_cast<unsigned char>(c)];
    return out;
}

bool PageCharset::isIsoLetterByte(char byte) { return isIsoLetter(static_cast<unsigned char>(byte)); }

std::string PageCharset::toProgram(std::u16string_view value) {
    return encode(value, CodePage::Windows1250, Lacking::QuestionMark);
}

std::string PageCharset::toProgramMarkup(std::u16string_view html) {
    std::string bytes = encode(html, CodePage::Windows1250, Lacking::Reference);
    std::size_t n = 0;
    for (char c : bytes) n += isIsoLetter(static_cast<unsigned char>(c));
    if (n == 0) return bytes;
    std::string out;
    out.reserve(bytes.size() + n * 6);
    for (char c : bytes) {
        if (!isIsoLetter(static_cast<unsigned char>(c))) {
            out += c;
            continue;
        }
        out += "&#";
        out += std::to_string(static_cast<unsigned long>(toUtf16(std::string_view(&c, 1), CodePage::Windows1250)[0]));
        out += ';';
    }
    return out;
}

}  // namespace text
