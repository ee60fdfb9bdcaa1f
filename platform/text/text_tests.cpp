#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/LineFile.h"
#include "text/PageCharset.h"

using namespace text;
using namespace text::literals;

TEST(CodePage, PolishAndGermanLettersRoundTrip) {
    const std::string utf8 = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻäöüßÄÖÜ";
    std::string w, i;
    ASSERT_TRUE(fromUtf8(utf8, w, CodePage::Windows1250));
    ASSERT_TRUE(fromUtf8(utf8, i, CodePage::Iso8859_2));
    EXPECT_EQ(w.size(), 25u);  // one byte a letter
    EXPECT_EQ(toUtf8(w, CodePage::Windows1250), utf8);
    EXPECT_EQ(toUtf8(i, CodePage::Iso8859_2), utf8);
}

TEST(CodePage, TheSixLettersThatDifferBetweenThePages) {
    struct Case { const char* letter; unsigned char win; unsigned char iso; };
    const Case cases[] = {{"ś", 0x9C, 0xB6}, {"Ś", 0x8C, 0xA6}, {"ą", 0xB9, 0xB1},
                          {"Ą", 0xA5, 0xA1}, {"ź", 0x9F, 0xBC}, {"Ź", 0x8F, 0xAC}};
    for (const auto& c : cases) {
        std::string w = ansi(c.letter);
        ASSERT_EQ(w.size(), 1u);
        EXPECT_EQ(static_cast<unsigned char>(w[0]), c.win) << c.letter;
        EXPECT_EQ(static_cast<unsigned char>(convertByte(w[0], CodePage::Windows1250, CodePage::Iso8859_2)), c.iso)
            << c.letter;
    }
}

TEST(CodePage, UnencodableCharacterIsReportedNotReplaced) {
    std::string out;
    std::size_t bad = 99;
    EXPECT_FALSE(fromUtf8("ab\xD0\x96" "c", out, CodePage::Windows1250, &bad));  // Cyrillic Zhe
    EXPECT_EQ(bad, 2u);
    EXPECT_EQ(out, "ab");
    std::size_t dropped = 0;
    EXPECT_EQ(fromUtf16Dropping(u"x\u20ACy\u0416z", CodePage::Iso8859_2, &dropped), "xyz");  // no euro in ISO
    EXPECT_EQ(dropped, 2u);
}

TEST(CodePage, UndefinedBytesDecodeAsReplacementCharacter) {
    EXPECT_EQ(toUtf16("\x81", CodePage::Windows1250), u"\uFFFD");
}

TEST(PageCharset, DeclaredCharsetOrTheFallback) {
    struct Case {
        const char* markup;
        PageCharset::Kind kind;
    } cases[] = {
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">", PageCharset::Iso8859_2},
        {"<META HTTP-EQUIV=Content-Type CONTENT=\"text/html; CHARSET=ISO-8859-2\">", PageCharset::Iso8859_2},
        {"<meta charset=\"utf-8\">", PageCharset::Utf8},
        {"<meta charset=windows-1250>", PageCharset::Windows1250},
        {"<meta name=x content=y><p>charset=iso-8859-2</p>", PageCharset::Windows1250},
        {"", PageCharset::Windows1250},
        // A byte order mark declares UTF-8 only before UTF-8 text.
        {"\xEF\xBB\xBF<meta charset=iso-8859-2><p>\xC5\x82\xC3\xB3</p>", PageCharset::Utf8},
        {"\xEF\xBB\xBF<meta charset=iso-8859-2><p>\xB3\xF3" "d\xBC</p>", PageCharset::Iso8859_2},
        {"\xEF\xBB\xBF<p>\xB3\xF3" "d\x9F</p>", PageCharset::Windows1250},
        {"\xEF\xBB\xBF<p>\xC5</p>", PageCharset::Windows1250},
    };
    for (const auto& c : cases) EXPECT_EQ(PageCharset::declaredIn(std::string_view(c.markup)).kind(), c.kind) << c.markup;
    EXPECT_EQ(PageCharset::declaredIn("<p>x</p>", PageCharset::Iso8859_2).kind(), PageCharset::Iso8859_2);
    EXPECT_EQ(PageCharset::declaredIn("<meta charset=windows-1250>", PageCharset::Iso8859_2).kind(),
              PageCharset::Windows1250);
}

TEST(PageCharset, FileBytesInEachCharsetWithReferencesForWhatItLacks) {
    std::u16string s = u"\u015b\u00a9\u20ac\U0001F600";  // ś © € and one beyond the BMP
    EXPECT_EQ(PageCharset(PageCharset::Iso8859_2).encodeFile(s), "\xB6&#169;&#8364;&#128512;");
    EXPECT_EQ(PageCharset().encodeFile(s), "\x9C\xA9\x80&#128512;");
    PageCharset utf8(PageCharset::Utf8);
    EXPECT_EQ(utf8.encodeFile(s), "\xC5\x9B\xC2\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(utf8.decodeFile("\xEF\xBB\xBF" + utf8.encodeFile(s)), s);
    EXPECT_EQ(utf8.decodeFile("a\xC5"), u"a\uFFFD");
}

// Bytes that are not UTF-8 become one U+FFFD each (or one for the start of a
// valid sequence that is cut off); the characters around them are kept.
TEST(PageCharset, InvalidUtf8LosesNoValidCharacter) {
    struct Case {
        const char* bytes;
        std::u16string text;
    } cases[] = {
        {"\xED\xA0\x80" "AB", u"\uFFFD\uFFFD\uFFFD" "AB"},  // a surrogate
        {"\xC0\x80" "A", u"\uFFFD\uFFFD" "A"},              // an overlong NUL
        {"\xE0\x80\xAF" "A", u"\uFFFD\uFFFD\uFFFD" "A"},    // an overlong '/'
        {"\xF4\x90\x80\x80" "A", u"\uFFFD\uFFFD\uFFFD\uFFFD" "A"},  // beyond U+10FFFF
        {"\xF8\x88\x80\x80\x80" "A", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD" "A"},
        {"\xE2\x82" "A\xE2\x82\xAC", u"\uFFFD" "A\u20AC"},  // cut off, then whole
        {"\x80\xBF" "\xC5\x82", u"\uFFFD\uFFFD\u0142"},
        {"\xF0\x9F\x98" "\xF0\x9F\x98\x80", u"\uFFFD\U0001F600"},
        {"\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF", u"\uD7FF\uE000\U0010FFFF"},  // the edges that are valid
    };
    PageCharset utf8(PageCharset::Utf8);
    for (const auto& c : cases) {
        EXPECT_EQ(utf8.decodeFile(c.bytes), c.text) << c.bytes;
        EXPECT_EQ(utf8.decodeFile(utf8.encodeFile(c.text)), c.text) << c.bytes;
    }
}

// The program's text enters a page as the letters typed, whatever the page
// declares: every Windows-1250 letter and sign, and the bytes `iso` makes of
// the six letters ISO-8859-2 places elsewhere; back out of the page, markup
// keeps what Windows-1250 cannot say as references.
TEST(PageCharset, ProgramTextIsWindows1250InEveryPage) {
    const std::string letters = "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ „” – — € …";
    const std::string program = ansi(letters);
    const std::u16string typed = utf8ToUtf16(letters);
    EXPECT_EQ(PageCharset::fromProgram(program), typed);
    EXPECT_EQ(PageCharset::fromProgram(convert(program, CodePage::Windows1250, CodePage::Iso8859_2).substr(0, 19)),
              typed.substr(0, 19));  // what `iso` would have written for the letters
    EXPECT_EQ(PageCharset::toProgram(typed), program);
    EXPECT_EQ(PageCharset::toProgramMarkup(typed), program);
    struct Case {
        const char* page;
        PageCharset::Kind kind;
        const char* bytes;
    } cases[] = {
        {"iso-8859-2", PageCharset::Iso8859_2,
         "\xB1\xE6\xEA\xB3\xF1\xF3\xB6\xBC\xBF \xA1\xC6\xCA\xA3\xD1\xD3\xA6\xAC\xAF "
         "&#8222;&#8221; &#8211; &#8212; &#8364; &#8230;"},
        {"windows-1250", PageCharset::Windows1250, nullptr},
        {"utf-8", PageCharset::Utf8, nullptr},
    };
    for (const auto& c : cases) {
        const std::string expected = c.kind == PageCharset::Utf8 ? letters : c.bytes ? c.bytes : program;
        EXPECT_EQ(PageCharset(c.kind).fileBytesOf(program), expected) << c.page;
    }
    // Page characters outside Windows-1250, and the six whose bytes would read
    // as letters, leave as references in markup and as '?' in plain values.
    const std::u16string page = u"\u0416 \u00b6\u00a6\u00b1\u02c7\u013d\u00ac";
    EXPECT_EQ(PageCharset::toProgramMarkup(page), "&#1046; &#182;&#166;&#177;&#711;&#317;&#172;");
    EXPECT_EQ(PageCharset::toProgram(u"\u0416x"), "?x");
}

TEST(CaseRules, UpperAndLower) {
    struct Case { const char* lower; const char* upper; };
    const Case cases[] = {{"äöü", "ÄÖÜ"}, {"łąśćźżńęó", "ŁĄŚĆŹŻŃĘÓ"}, {"straße", "STRAßE"}, {"abc1!", "ABC1!"}};
    for (const auto& c : cases) {
        EXPECT_EQ(upper(ansi(c.lower)), ansi(c.upper)) << c.lower;
        if (std::string(c.lower) != "straße") EXPECT_EQ(lower(ansi(c.upper)), ansi(c.lower)) << c.upper;
    }
    EXPECT_TRUE(equalsNoCase("BŁĄD"_w, "Błąd"_w));
    EXPECT_FALSE(equalsNoCase("Błąd"_w, "Blad"_w));
    EXPECT_TRUE(startsWithNoCase("Haus"_w, "hAU"_w));
}

TEST(CaseRules, CollationKeepsAccentedLettersBesideTheirBase) {
    std::vector<std::string> words = {"Zug"_w, "ähnlich"_w, "aha"_w, "Bach"_w, "Ast"_w, "łapa"_w, "lampa"_w,
                                      "Straße"_w, "Strasse"_w, "strass"_w, "mąka"_w, "maka"_w};
    std::stable_sort(words.begin(), words.end(), [](auto& a, auto& b) { return collate(a, b) < 0; });
    std::vector<std::string> want = {"aha"_w, "ähnlich"_w, "Ast"_w, "Bach"_w, "lampa"_w, "łapa"_w, "maka"_w,
                                     "mąka"_w, "strass"_w, "Strasse"_w, "Straße"_w, "Zug"_w};
    EXPECT_EQ(words, want);
    EXPECT_EQ(collate("Haus"_w, "haus"_w), 0);
}

class LineFileTest : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("text_tests_" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(LineFileTest, EveryLineEndIsHonouredAndNotKept) {
    ASSERT_TRUE(writeFile(dir / "f", "a\r\nb\rc\nd\r\n\r\ne"));
    std::vector<std::string> lines;
    ASSERT_TRUE(readLines(dir / "f", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));

    LineReader r(dir / "f");
    std::string l;
    int n = 0;
    while (r.next(l)) ++n;
    EXPECT_EQ(n, 6);
    EXPECT_TRUE(r.atEnd());
}

TEST_F(LineFileTest, WrittenWithCrLfAndAppendable) {
    ASSERT_TRUE(writeLines(dir / "g", {"x", ""}));
    {
        LineWriter w(dir / "g", LineWriter::Mode::Append);
        w.writeLine("y");
    }
    std::string bytes;
    ASSERT_TRUE(readFile(dir / "g", bytes));
    EXPECT_EQ(bytes, "x\r\n\r\ny\r\n");
}

TEST_F(LineFileTest, MissingFileReadsAsFailure) {
    std::vector<std::string> lines;
    EXPECT_FALSE(readLines(dir / "none", lines));
    LineReader r(dir / "none");
    EXPECT_FALSE(r.isOpen());
    EXPECT_TRUE(r.atEnd());
}
