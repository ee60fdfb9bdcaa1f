// The code-page routines: 8-bit text both ways through UTF-16 and UTF-8,
// between the two code pages, and the case rules.
#include "FuzzInput.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

using namespace text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto s = fuzzing::asText(data, size);
    for (CodePage cp : {CodePage::Windows1250, CodePage::Iso8859_2}) {
        std::u16string wide = toUtf16(s, cp);
        std::string back;
        fromUtf16(wide, back, cp);
        fromUtf8(s, back, cp);
        toUtf8(s, cp);
        for (Lacking how : {Lacking::Drop, Lacking::QuestionMark, Lacking::Reference}) encode(utf8ToUtf16(s), cp, how);
        std::size_t dropped = 0;
        fromUtf16Dropping(utf8ToUtf16(s), cp, &dropped);
    }
    utf16ToUtf8(utf8ToUtf16(s));
    convert(s, CodePage::Windows1250, CodePage::Iso8859_2);
    convert(s, CodePage::Iso8859_2, CodePage::Windows1250);
    upper(s);
    lower(s);
    std::size_t half = s.size() / 2;
    compareNoCase(s.substr(0, half), s.substr(half));
    collate(s.substr(0, half), s.substr(half));
    equalsNoCase(s.substr(0, half), s.substr(half));
    startsWithNoCase(s, s.substr(half));
    return 0;
}
