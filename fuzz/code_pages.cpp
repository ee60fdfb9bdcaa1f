// The code-page routines: 8-bit text both ways through UTF-16 and UTF-8,
// between the two code pages, and the case rules. Every way there and back
// must give the text again wherever the code page defines its bytes, and
// stop, drop or count exactly at the bytes it does not.
#include "FuzzInput.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

using namespace text;

namespace {

int sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto s = fuzzing::asText(data, size);
    for (CodePage cp : {CodePage::Windows1250, CodePage::Iso8859_2}) {
        std::u16string wide = toUtf16(s, cp);
        fuzzing::expect(wide.size() == s.size(), "one character per byte");
        // The bytes the code page leaves undefined, and the text without them.
        std::size_t firstUndefined = s.size(), undefined = 0;
        std::string defined;
        for (std::size_t i = 0; i < wide.size(); ++i) {
            if (wide[i] == u'\uFFFD') {
                if (firstUndefined == s.size()) firstUndefined = i;
                ++undefined;
            } else {
                defined += s[i];
            }
        }
        std::string back;
        std::size_t bad = 0;
        bool whole = fromUtf16(wide, back, cp, &bad);
        fuzzing::expect(whole == (undefined == 0), "UTF-16 back to bytes fails at an undefined byte only");
        fuzzing::expect(back == s.substr(0, firstUndefined), "UTF-16 back to bytes gives the text up to the failure");
        if (!whole) fuzzing::expect(bad == firstUndefined, "the failure is at the first undefined byte");
        std::string fromEight;
        fuzzing::expect(fromUtf8(toUtf8(s, cp), fromEight, cp) == (undefined == 0), "UTF-8 back to bytes");
        fuzzing::expect(fromEight == s.substr(0, firstUndefined), "UTF-8 back to bytes gives the text up to the failure");
        std::size_t lacking = 0;
        fuzzing::expect(encode(wide, cp, Lacking::Drop, &lacking) == defined, "encoding drops just the undefined bytes");
        fuzzing::expect(lacking == undefined, "encoding counts the undefined bytes");
        std::string marked = encode(wide, cp, Lacking::QuestionMark);
        fuzzing::expect(marked.size() == s.size(), "encoding with '?' keeps the length");
        std::size_t dropped = 0;
        fuzzing::expect(fromUtf16Dropping(wide, cp, &dropped) == defined && dropped == undefined, "dropping as encoding does");
        // A reference stands for the character it names: U+FFFD here.
        std::string referenced = encode(wide, cp, Lacking::Reference);
        fuzzing::expect(referenced.size() == defined.size() + undefined * std::string("&#65533;").size(),
               "a lacking character as its reference");
    }
    // The input as UTF-16 text (two bytes a character): what a code page
    // holds of it, read back, is that text again.
    std::u16string units;
    for (std::size_t i = 0; i + 1 < s.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(s[i]) | static_cast<unsigned char>(s[i + 1]) << 8);
    for (CodePage cp : {CodePage::Windows1250, CodePage::Iso8859_2}) {
        std::string held;
        std::size_t bad = 0;
        bool whole = fromUtf16(units, held, cp, &bad);
        std::size_t upTo = whole ? units.size() : bad;
        fuzzing::expect(toUtf16(held, cp) == units.substr(0, upTo), "characters a code page holds come back");
    }
    // A byte of one code page that the other holds too comes back as it was.
    for (char c : s) {
        for (auto [from, to] : {std::pair{CodePage::Windows1250, CodePage::Iso8859_2},
                                std::pair{CodePage::Iso8859_2, CodePage::Windows1250}}) {
            std::u16string ch = toUtf16(std::string_view(&c, 1), from);
            std::string there;
            if (ch[0] == u'\uFFFD' || !fromUtf16(ch, there, to)) continue;
            fuzzing::expect(convertByte(c, from, to) == there[0], "a byte converted is the same character");
            fuzzing::expect(convertByte(there[0], to, from) == c, "a byte converted there and back");
        }
    }
    fuzzing::expect(convert(s, CodePage::Windows1250, CodePage::Iso8859_2).size() == s.size(), "conversion keeps the length");
    // UTF-8 decoded, encoded and decoded again reads the same.
    std::u16string decoded = utf8ToUtf16(s);
    fuzzing::expect(utf8ToUtf16(utf16ToUtf8(decoded)) == decoded, "UTF-8 there and back");
    // Case rules: a text equals its upper and lower case; the orders are
    // orders (a before b exactly when b after a).
    std::string up = upper(s), low = lower(s);
    fuzzing::expect(up.size() == s.size() && low.size() == s.size(), "case keeps the length");
    fuzzing::expect(equalsNoCase(s, up) && equalsNoCase(s, low) && compareNoCase(up, low) == 0, "a text equals its cases");
    fuzzing::expect(lower(up) == low, "lower case of the upper case");
    std::size_t half = s.size() / 2;
    std::string_view a = s.substr(0, half), b = s.substr(half);
    fuzzing::expect(sign(compareNoCase(a, b)) == -sign(compareNoCase(b, a)), "compareNoCase is antisymmetric");
    fuzzing::expect(sign(collate(a, b)) == -sign(collate(b, a)), "collate is antisymmetric");
    fuzzing::expect(equalsNoCase(a, b) == (compareNoCase(a, b) == 0), "equal exactly when compared equal");
    fuzzing::expect(startsWithNoCase(s, upper(a)), "a text starts with its first half");
    return 0;
}
