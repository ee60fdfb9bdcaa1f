#pragma once
// The character set a page declares, the page file's bytes in and out of it,
// and the one rule by which the program's 8-bit text enters a page and
// leaves it.
//
// Pages the editor writes declare ISO-8859-2; a page that declares nothing
// known here is Windows-1250. A page may also declare UTF-8. Whatever a page
// declares, the program's own text for it is Windows-1250: the letters typed
// are the letters shown and stored.
#include <string>
#include <string_view>

#include "text/CodePage.h"

namespace text {

class PageCharset {
public:
    enum Kind { Windows1250, Iso8859_2, Utf8 };

    PageCharset() = default;
    explicit PageCharset(Kind k) : kind_(k) {}

    // From a charset name ("iso-8859-2", "latin2", "windows-1250", "utf-8", ...).
    static PageCharset fromName(std::string_view name);
    // The charset a page file's bytes declare: UTF-8 when they begin with its
    // byte order mark and the rest is UTF-8, else the one a META tag of the
    // markup declares (in its first 64 KB), or `otherwise` when none is found.
    // Works on 8-bit and UTF-8 markup alike.
    static PageCharset declaredIn(std::string_view markup, Kind otherwise = Windows1250);
    static PageCharset declaredIn(std::u16string_view markup);

    Kind kind() const { return kind_; }

    // The UTF-8 byte order mark, which a page file may begin with; decodeFile
    // leaves it out of the text. Only where the rest of the file is UTF-8 does
    // it declare the page UTF-8 (`declaredByByteOrderMark`); before text in
    // another charset its bytes are no letters of the page either.
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    static bool startsWithByteOrderMark(std::string_view bytes);
    static bool declaredByByteOrderMark(std::string_view bytes);

    // The page file's bytes and back; characters the charset lacks are
    // written as character references.
    std::u16string decodeFile(std::string_view bytes) const;
    std::string encodeFile(std::u16string_view html) const;
    // The program's text (or markup) as this page's file bytes.
    std::string fileBytesOf(std::string_view programText) const { return encodeFile(fromProgram(programText)); }

    // The program's 8-bit text as it enters a page: Windows-1250, where the
    // six bytes that `iso` writes for ś Ś ą Ą ź Ź (0xB6 0xA6 0xB1 0xA1 0xBC
    // 0xAC) stand for those letters, so that text already converted for an
    // ISO-8859-2 page and text that was not both arrive as typed.
    static std::u16string fromProgram(std::string_view programText);
    // Whether the byte is one of those six, which `fromProgram` reads as the
    // ISO-8859-2 letter rather than as the Windows-1250 sign.
    static bool isIsoLetterByte(char byte);
    // Page text as the program's: a plain value (a character Windows-1250
    // lacks becomes '?'), or markup, where such a character, and each of
    // the six characters whose bytes `fromProgram` reads as letters
    // (¶ ¦ ± ˇ Ľ ¬), becomes a character reference, so that markup read from
    // a page goes back into it unchanged.
    static std::string toProgram(std::u16string_view value);
    static std::string toProgramMarkup(std::u16string_view html);

    bool operator==(const PageCharset& o) const { return kind_ == o.kind_; }

private:
    CodePage codePage() const { return kind_ == Iso8859_2 ? CodePage::Iso8859_2 : CodePage::Windows1250; }

    Kind kind_ = Windows1250;
};

}  // namespace text
