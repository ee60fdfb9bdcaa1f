#pragma once
// The character set a page declares, and the page text in and out of it.
// Pages the editor writes declare ISO-8859-2; a page that declares nothing
// the layer knows is Windows-1250, the program's own code page. A page may
// also declare UTF-8: it is then read and written in UTF-8, while the
// program's 8-bit text for it stays Windows-1250.
#include <string>
#include <string_view>

#include "text/CodePage.h"

namespace htmledit {

class PageCharset {
public:
    enum Kind { Windows1250, Iso8859_2, Utf8 };

    PageCharset() = default;
    explicit PageCharset(Kind k) : kind_(k) {}

    // From a charset name ("iso-8859-2", "latin2", "windows-1250", "utf-8", ...).
    static PageCharset fromName(std::string_view name);
    // The charset a META tag of the markup declares (in its first 64 KB),
    // or Windows-1250 when none is found. Works on 8-bit and UTF-8 markup alike.
    static PageCharset declaredIn(std::string_view markup);
    static PageCharset declaredIn(std::u16string_view markup);

    Kind kind() const { return kind_; }
    // The code page of the program's 8-bit text for this page.
    text::CodePage codePage() const { return kind_ == Iso8859_2 ? text::CodePage::Iso8859_2 : text::CodePage::Windows1250; }

    std::u16string decodeFile(std::string_view bytes) const;
    // Characters the charset lacks are written as character references.
    std::string encodeFile(std::u16string_view html) const;

    // The program's 8-bit text for this page.
    std::u16string decode(std::string_view bytes) const;
    // Markup: a character the code page lacks becomes a character reference.
    std::string encodeMarkup(std::u16string_view html) const;
    // A plain value: such a character becomes '?'.
    std::string encodeValue(std::u16string_view s) const;

    bool operator==(const PageCharset& o) const { return kind_ == o.kind_; }

private:
    Kind kind_ = Windows1250;
};

}  // namespace htmledit
