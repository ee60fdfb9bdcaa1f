#include <gtest/gtest.h>

#include "pageeditor/core/TextRoutines.h"
#include "text/CodePage.h"

using namespace pageeditor;
using namespace text::literals;

TEST(UtilGetColor, FormatsRedGreenBlueOrNothingForButtonFace) {
    struct Case {
        std::uint32_t color;
        const char* text;
    } cases[] = {
        {0x000000, "#000000"}, {0xFFFFFF, "#FFFFFF"}, {0x123456, "#563412"}, {0x0000FF, "#FF0000"},
        {0xFF8000, "#0080FF"}, {0xFF00000F, ""},      {0x8000000F, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(util_getcolor(c.color), c.text) << std::hex << c.color;
}

TEST(Replace, RescansFromTheStartAfterEveryReplacement) {
    struct Case {
        const char *find, *with, *source, *result;
    } cases[] = {
        {"ab", "a", "abb", "a"},          // the second pass finds the new "ab"
        {"x", "", "xxx", ""},
        {"", "y", "abc", "abc"},          // an empty text to find matches nothing
        {"q", "z", "", ""},
        {"ab", "ba", "aab", "baa"},       // equal length, moves to the front
        {"${TITLE}", "Strona", "<title>${TITLE}</title><h1>${TITLE}</h1>",
         "<title>Strona</title><h1>Strona</h1>"},
        {"CASE", "x", "case CASE", "case x"},  // case-sensitive
    };
    for (const auto& c : cases) {
        EXPECT_EQ(repl(c.find, c.with, c.source), c.result) << c.find << " -> " << c.with << " in " << c.source;
        EXPECT_EQ(replace_all(c.find, c.with, c.source), c.result);
    }
}

TEST(Replace, EndsWhenTheReplacementHoldsTheTextToFind) {
    struct Case {
        const char *find, *with, *source, *result;
    } cases[] = {
        {"a", "aa", "banana", "baanaanaa"},
        {"${TITLE}", "x${TITLE}y", "<${TITLE}>", "<x${TITLE}y>"},
        {"a", "a", "aaa", "aaa"},
        {"a", "ba", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(repl(c.find, c.with, c.source), c.result);
        EXPECT_EQ(replace_all(c.find, c.with, c.source), c.result);
    }
}

TEST(Replace, GrowingLoopWithoutSelfMatchIsBounded) {
    // "ab" -> "bbaa" never contains "ab", yet each replacement makes new
    // matches across its edges; the result must come back, and it is the
    // one the scan-and-replace loop gives where it ends.
    EXPECT_EQ(repl("ab", "bbaa", "ab"), "bbaa");
    std::string big(40, 'a');
    big += 'b';
    std::string r = repl("ab", "bbaa", big);
    EXPECT_FALSE(r.empty());
}

namespace {
// The loop exactly as the editor has always run it, for comparison.
bool rescanning(const std::string& find, const std::string& with, std::string s, std::size_t cut, std::string& out) {
    for (int steps = 0; steps < 10000; ++steps) {
        std::size_t p = s.find(find);
        if (p == std::string::npos) {
            out = s;
            return true;
        }
        s.replace(p, cut, with);
    }
    return false;  // did not end
}
}  // namespace

TEST(Replace, SameResultAsTheRescanningLoopWhereverThatEnds) {
    // Every find/replacement pair over {a, b} up to three letters (without
    // self-containing replacements), on every source up to seven letters.
    std::vector<std::string> words{""};
    for (std::size_t len = 1; len <= 7; ++len)
        for (unsigned bits = 0; bits < (1u << len); ++bits) {
            std::string w;
            for (std::size_t i = 0; i < len; ++i) w += (bits >> i & 1) ? 'b' : 'a';
            words.push_back(w);
        }
    std::size_t compared = 0;
    for (const auto& find : words) {
        if (find.empty() || find.size() > 2) continue;
        for (const auto& with : words) {
            if (with.size() > 3 || with.find(find) != std::string::npos) continue;
            for (const auto& src : words) {
                std::string expected;
                if (rescanning(find, with, src, find.size(), expected)) {
                    ASSERT_EQ(repl(find, with, src), expected) << find << " -> " << with << " in " << src;
                    ++compared;
                }
                if (find.size() == 1 && rescanning(find, with, src, 1, expected)) {
                    ASSERT_EQ(replace_chars(find, with, src), expected);
                }
            }
        }
    }
    EXPECT_GT(compared, 0u);
}

TEST(ReplaceChars, OneCharacterHits) {
    EXPECT_EQ(replace_chars("|", "\r\n", "a|b||c"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(replace_chars("|", "||", "a|b"), "a||b");  // would loop for ever
    EXPECT_EQ(replace_chars("", "x", "abc"), "abc");
}

TEST(Letters, SixLettersConvertBothWaysOnBytes) {
    const std::string winBytes = "\x9C\x8C\xB9\xA5\x9F\x8F";
    const std::string isoBytes = "\xB6\xA6\xB1\xA1\xBC\xAC";
    EXPECT_EQ(iso(winBytes), isoBytes);
    EXPECT_EQ(win(isoBytes), winBytes);
    EXPECT_EQ(iso("zażółć gęślą jaźń"_w), text::convert("zażółć gęślą jaźń"_w, text::CodePage::Windows1250,
                                                          text::CodePage::Iso8859_2));
    // A converted byte is never converted a second time: ą (0xB9) becomes
    // 0xB1, which is also the Windows-1250 "±" but is left as it is.
    EXPECT_EQ(iso("\xB9\xB1"), "\xB1\xB1");
    // "¶" (0xB6 in Windows-1250) turns into ś under win.
    EXPECT_EQ(win("\xB6"), "\x9C");
    EXPECT_EQ(iso(""), "");
}

TEST(Letters, IsoThenWinGivesBackTextWithoutTheIsoBytes) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0xB6 && b != 0xA6 && b != 0xB1 && b != 0xA1 && b != 0xBC && b != 0xAC) all += static_cast<char>(b);
    EXPECT_EQ(win(iso(all)), all);
    EXPECT_EQ(win(all).size(), all.size());
}

TEST(ExtOf, FromTheLastDot) {
    struct Case {
        const char *name, *ext;
    } cases[] = {
        {"Index.HTML", ".HTML"}, {"a.b.jpg", ".jpg"}, {"folder.old\\page", ".old\\page"},
        {"README", ""},          {"name.", "."},      {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ext_of(c.name), c.ext) << c.name;
}
