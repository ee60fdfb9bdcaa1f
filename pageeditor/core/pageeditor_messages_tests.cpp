#include <gtest/gtest.h>

#include <filesystem>

#include "files/FileSystem.h"
#include "forms/ScriptedAnswers.h"
#include "pageeditor/core/MessageList.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace pageeditor;
using namespace text::literals;

namespace {

MessageList list(std::vector<std::string> lines) {
    MessageList m;
    m.setLines(std::move(lines));
    return m;
}

}  // namespace

TEST(Tr, FirstWholeLineMatchWithoutRegardToCase) {
    MessageList m = list({"Błąd"_w, "Error", "Plik", "", "Tak", "Yes", "Błąd"_w, "Second error", "Informacja:", "Info:",
                          "Ostatni"});
    struct Case {
        std::string text, result;
    } cases[] = {
        {"Błąd"_w, "Error"},           // first of two equal texts
        {"BŁĄD"_w, "Error"},           // Windows-1250 case rules
        {"błąd"_w, "Error"},
        {"Nieznany", "Nieznany"},      // not in the list, case kept
        {"NIEZNANY", "NIEZNANY"},
        {"Plik", "Plik"},              // next line empty
        {"Ostatni", "Ostatni"},        // last line of the file
        {"Yes", "Błąd"_w},             // a translation line yields the line after it
        {"Bł", "Bł"},                  // whole lines only
        {"", ""},                      // not matched to the empty translation line of "Plik"
    };
    for (const auto& c : cases) EXPECT_EQ(m.tr(c.text), c.result) << c.text;
}

TEST(Tr, EmptyListChangesNothing) {
    MessageList m;
    EXPECT_EQ(m.tr("Pytanie:"), "Pytanie:");
    EXPECT_EQ(m.retr("Pytanie:"), "Pytanie:");
}

TEST(Retr, TranslationBackToItsProgramText) {
    MessageList m = list({"Zapisz", "Save", "Tak", "Yes", "Nazwa", "OK", "Otwórz"_w, "Open", "alt", "tekst alternatywny",
                          "Open", "Again"});
    struct Case {
        std::string text, result;
    } cases[] = {
        {"Save", "Zapisz"},
        {"SAVE", "Zapisz"},
        {"Yes", "Yes"},                  // the text before it has 3 characters
        {"tekst alternatywny", "tekst alternatywny"},
        {"OK", "Nazwa"},                 // a short translation of a long text is reversed
        {"Zapisz", "Zapisz"},            // a program text (even line) stays
        {"Open", "Otwórz"_w},            // first match is the translation at index 7
        {"Again", "Open"},               // odd index 11, candidate of 4 characters
    };
    for (const auto& c : cases) EXPECT_EQ(m.retr(c.text), c.result) << c.text;
}

TEST(Retr, EmptyLinesAreNeverTranslationsOfTheEmptyText) {
    MessageList m = list({"", "puste", "Plik", "", "Tekst", "Text"});
    EXPECT_EQ(m.retr("puste"), "puste");  // program text before it is empty
    EXPECT_EQ(m.retr(""), "");            // would be "Plik" through the empty translation line
}

class MyBoxTest : public ::testing::Test {
protected:
    void SetUp() override { forms::setModal(&answers); }
    void TearDown() override { forms::setModal(nullptr); }
    forms::ScriptedAnswers answers;
};

TEST_F(MyBoxTest, TranslatesTextAndTitlePassesFlagsReturnsButton) {
    MessageList m = list({"Czy zapisać zmiany?"_w, "Save changes?", "Pytanie:", "Question:"});
    struct Case {
        int flags, answer;
    } cases[] = {{64, 1}, {48, 1}, {36, 6}, {36, 7}, {35, 6}, {35, 7}, {35, 2}};
    for (const auto& c : cases) {
        answers.clear();
        answers.answerMessage(c.answer);
        EXPECT_EQ(m.MyBox("Czy zapisać zmiany?"_w, "Pytanie:", c.flags), c.answer);
        ASSERT_EQ(answers.asked("message").size(), 1u);
        EXPECT_EQ(answers.asked()[0].text, "Save changes?");
        EXPECT_EQ(answers.asked()[0].title, "Question:");
        EXPECT_EQ(answers.asked()[0].flags, c.flags);
    }
}

TEST_F(MyBoxTest, EscapeGivesCancelWhereThereIsOne) {
    MessageList m;
    EXPECT_EQ(forms::mb::escapeResult(35), 2);
    EXPECT_EQ(forms::mb::escapeResult(64), 1);
    answers.answerMessage(forms::mb::escapeResult(35));
    EXPECT_EQ(m.MyBox("x", "Pytanie:", 35), 2);
}

TEST(MessageListFile, LoadsPairsFromTheLanguageFolder) {
    auto dir = std::filesystem::temp_directory_path() / ("msg_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "data/lang/pl");
    ASSERT_TRUE(text::writeFile(dir / "data/lang/pl/trans.msg", "Plik\r\nFile\rTak\nYes\r\nKoniec"));
    MessageList m;
    std::string appDir = files::platformName(dir) + "\\";
    ASSERT_TRUE(m.loadFromAppDir(appDir));
    EXPECT_EQ(m.tr("plik"), "File");
    EXPECT_EQ(m.tr("Tak"), "Yes");
    EXPECT_EQ(m.tr("Koniec"), "Koniec");  // last line, no line break after it
    std::filesystem::remove_all(dir);
    EXPECT_FALSE(m.loadFromAppDir(appDir));
    EXPECT_EQ(m.tr("plik"), "plik");
}
