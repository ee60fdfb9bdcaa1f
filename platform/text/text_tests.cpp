#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

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
