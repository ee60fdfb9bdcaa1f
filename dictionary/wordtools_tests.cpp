// The reverse search, the editor of the user's words and the look of the
// lookup window's command labels, on small bases in a temporary program folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <optional>

#include "dictionary/Form1.h"
#include "dictionary/Form2.h"
#include "dictionary/OwnEntryLine.h"
#include "dictionary/OwnWordBase.h"
#include "dictionary/Program.h"
#include "dictionary/ReverseSearch.h"
#include "dictionary/ShortDate.h"
#include "dictionary/frmDodaj.h"
#include "forms/Application.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Drive.h"
#include "forms/Frame.h"
#include "forms/OptionButton.h"
#include "forms/ScriptedAnswers.h"
#include "forms/TestApplication.h"
#include "registry/testing/OwnRegistry.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace dictionary;
using namespace text::literals;
namespace fs = std::filesystem;
namespace drive = forms::drive;
using Mode = ReverseSearch::Mode;

namespace {

// ---------------------------------------------------------------------------
// Reverse search without a window.

TEST(ReverseSearchTest, WhereEachModeFindsTheWord) {
    struct Case {
        const char* line;
        const char* word;
        bool exact, fragment, everywhere;
    };
    const Case cases[] = {
        // The whole bold translation, the first of a list, before "!".
        {"Haus <i>das</i> <b>dom</b>", "dom", true, true, true},
        {"Haus <i>das</i> <b>dom, budynek</b>", "dom", true, true, true},
        {"Halt <b>stop!</b>", "stop", true, true, true},
        // The second word of a translation, or in a list after a space.
        {"Hausarzt <b>lekarz domowy</b>", "domowy", false, true, true},
        {"Haus <b>budynek, dom</b>", "dom", false, true, true},
        {"Haus <b>dom rodzinny</b>", "dom", false, true, true},
        // Only in the usage examples.
        {"Essen <b>jedzenie</b> ~ <i>Speise</i> potrawa, danie", "potrawa", false, false, true},
        {"Essen <b>jedzenie</b> ~ >potrawa<", "potrawa", false, false, true},
        // Exact comparison: case and the closing character matter.
        {"Haus <b>dom</b>", "Dom", false, false, false},
        {"Haus <b>dom.</b>", "dom", false, false, false},
        {"Haus <b>dom;</b>", "dom", false, false, false},
        // The line ends before the right delimiter.
        {"Haus <b>dom", "dom", false, false, false},
        // A part of a longer word.
        {"Haus <b>domek</b>", "dom", false, false, false},
    };
    for (const auto& c : cases) {
        for (auto [mode, want] : {std::pair{Mode::Exact, c.exact}, std::pair{Mode::Fragment, c.fragment},
                                  std::pair{Mode::Everywhere, c.everywhere}}) {
            std::vector<std::string> found;
            ReverseSearch::scanLine(text::ansi(c.line), text::ansi(c.word), mode, found);
            EXPECT_EQ(!found.empty(), want) << c.line << " / " << c.word << " mode " << static_cast<int>(mode);
        }
    }
}

TEST(ReverseSearchTest, PatternsOfTheModes) {
    EXPECT_EQ(ReverseSearch::patterns(Mode::Exact, "x"), (std::vector<std::string>{">x<", ">x,", ">x!"}));
    auto p = ReverseSearch::patterns(Mode::Fragment, "x");
    EXPECT_EQ(p.size(), 8u);
    EXPECT_EQ(ReverseSearch::patterns(Mode::Everywhere, "x"), p);
    EXPECT_TRUE(ReverseSearch::isPartOfSpeech("przysłówek"_w));
    EXPECT_FALSE(ReverseSearch::isPartOfSpeech("Czasownik"));
}

TEST(ReverseSearchTest, HeadwordsOnceEach) {
    fs::path file = fs::temp_directory_path() / ("wortel_rs_" + std::to_string(::getpid()) + ".dat");
    text::writeLines(file, {
                               "Bau <b>budowa, dom</b> ~ dom",
                               "Haus <b>dom, dom</b>",          // twice in one line
                               "Haus <b>dom rodzinny</b>",      // the same headword again
                               "Hausbesitzerinnenverband <b>dom</b>",  // first space past the middle
                               " <b>dom</b>",                   // no headword
                               "Zug <b>pociąg</b>"_w,
                           });
    std::vector<std::string> found;
    ASSERT_TRUE(ReverseSearch::search(file, "dom", Mode::Everywhere, found));
    EXPECT_EQ(found, (std::vector<std::string>{"Bau", "Haus", "Hausbesitzerinnenverband"}));
    ASSERT_TRUE(ReverseSearch::search(file, "dom", Mode::Exact, found));
    EXPECT_EQ(found, (std::vector<std::string>{"Haus", "Hausbesitzerinnenverband"}));
    fs::remove(file);
    EXPECT_FALSE(ReverseSearch::search(file, "dom", Mode::Exact, found));
    EXPECT_TRUE(found.empty());
}

// ---------------------------------------------------------------------------
// The editor's entry lines and its pairs without a window.

TEST(OwnEntryLineTest, LinesOfEachPartOfSpeech) {
    struct Case {
        OwnEntryLine::Fields fields;
        const char* line;
    };
    auto noun = [](int article, bool plural) {
        OwnEntryLine::Fields f;
        f.partOfSpeech = "rzeczownik";
        f.word = "Haus";
        f.translation = "dom";
        f.article = article;
        f.plural = plural;
        f.pluralForm = "Häuser"_w;
        return f;
    };
    OwnEntryLine::Fields verb;
    verb.partOfSpeech = "czasownik";
    verb.word = "machen";
    verb.translation = "robić"_w;
    verb.conjugation = "macht, machte, hat gemacht";
    OwnEntryLine::Fields adj;
    adj.partOfSpeech = "przymiotnik";
    adj.word = "schnell";
    adj.translation = "szybki";
    OwnEntryLine::Fields adv = adj;
    adv.partOfSpeech = "przysłówek"_w;
    adv.conjugation = "ignored";
    OwnEntryLine::Fields empty;
    empty.partOfSpeech = "zaimek";
    const Case cases[] = {
        {noun(2, true), "Haus <i>das</i> (PL die Häuser) <b>dom</b>"},
        {noun(3, false), "Haus <i>der/die</i> (nur Singular) <b>dom</b>"},
        {noun(-1, true), "Haus (PL die Häuser) <b>dom</b>"},  // no article chosen
        {verb, "machen <i>czasownik</i> macht, machte, hat gemacht <b>robić</b>"},
        {adj, "schnell <i>przymiotnik</i> <b>szybki</b>"},
        {adv, "schnell <i>przysłówek</i> <b>szybki</b>"},
        {empty, " <i>zaimek</i> <b></b>"},
    };
    OwnEntryLine e;
    for (const auto& c : cases) EXPECT_EQ(e.compose(c.fields), text::ansi(c.line)) << c.line;
    // A noun without an article after a verb does not carry the verb's mark.
    e.compose(verb);
    EXPECT_EQ(e.compose(noun(-1, false)), "Haus (nur Singular) <b>dom</b>");
}

TEST(OwnEntryLineTest, ConjugationSuggestion) {
    struct Case {
        const char* verb;
        bool made;
        const char* conjugation;
    };
    for (const Case& c : {Case{"machen", true, "mach, mach, hat mach"}, Case{"ab", true, ", , hat "},
                          Case{"a", false, ""}, Case{"", false, ""}}) {
        std::string k = "as before";
        EXPECT_EQ(OwnEntryLine::conjugationFor(c.verb, k), c.made) << c.verb;
        EXPECT_EQ(k, c.made ? c.conjugation : "as before") << c.verb;
    }
}

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("wortel_wt_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(folder);
    }
    std::vector<std::string> lines(const char* name) {
        std::vector<std::string> l;
        text::readLines(folder / name, l);
        return l;
    }
    fs::path folder;
};

TEST_F(FolderTest, PairsStayTogetherWhereTheSortedListsWouldPartThem) {
    // Sorted on their own, "Essen" and "essen" keep the order they came in
    // while their lines sort by what follows: the lists would pair wrongly.
    text::writeLines(folder / "y.dat", {"Essen", "essen"});
    text::writeLines(folder / "x.dat", {"Essen <i>das</i> <b>jedzenie</b>", "essen <i>czasownik</i> <b>jeść</b>"_w});
    OwnWordBase b;
    b.load(folder);
    ASSERT_EQ(b.size(), 2u);
    for (std::size_t i = 0; i < b.size(); ++i)
        EXPECT_EQ(b.at(i).line.substr(0, b.at(i).headword.size() + 1), b.at(i).headword + " ");
    std::size_t i = b.add({"Essen", "Essen <i>das</i> <b>posiłek</b>"_w});
    EXPECT_EQ(b.at(i).headword, "Essen");
    for (std::size_t k = 0; k + 1 < b.size(); ++k) EXPECT_FALSE(OwnWordBase::before(b.at(k + 1), b.at(k)));
}

TEST_F(FolderTest, FilesOfUnequalLengthLoseNoLine) {
    text::writeLines(folder / "y.dat", {"Apfel", "Haus", "Zug"});
    text::writeLines(folder / "x.dat", {"Apfel <b>jabłko</b>"_w});
    OwnWordBase b;
    auto r = b.load(folder);
    EXPECT_EQ(r.headwordCount, 3u);
    EXPECT_EQ(r.lineCount, 1u);
    ASSERT_EQ(b.size(), 3u);
    ASSERT_TRUE(b.save(folder));
    EXPECT_EQ(lines("y.dat").size(), 3u);
    EXPECT_EQ(lines("x.dat").size(), 3u);
    EXPECT_EQ(lines("x.dat")[0], "Apfel <b>jabłko</b>"_w);
}

TEST_F(FolderTest, MissingFilesAreAnEmptyBase) {
    OwnWordBase b;
    auto r = b.load(folder);
    EXPECT_EQ(r.headwords, OwnWordBase::FileState::Missing);
    EXPECT_EQ(r.lines, OwnWordBase::FileState::Missing);
    EXPECT_EQ(b.size(), 0u);
    ASSERT_TRUE(b.save(folder));  // two empty files
    EXPECT_TRUE(fs::exists(folder / "x.dat"));
    EXPECT_EQ(fs::file_size(folder / "y.dat"), 0u);
}

TEST_F(FolderTest, FailedSaveLeavesTheSavedWords) {
    text::writeLines(folder / "y.dat", {"Apfel"});
    text::writeLines(folder / "x.dat", {"Apfel <b>jabłko</b>"_w});
    OwnWordBase b;
    b.load(folder);
    b.remove(0);
    // The new file cannot be made beside the old one.
    fs::create_directory(folder / "y.dat.nowy");
    EXPECT_FALSE(b.save(folder));
    EXPECT_EQ(lines("y.dat"), std::vector<std::string>{"Apfel"});
    EXPECT_EQ(lines("x.dat"), std::vector<std::string>{"Apfel <b>jabłko</b>"_w});
    EXPECT_FALSE(fs::exists(folder / "x.dat.nowy"));
}

TEST_F(FolderTest, ChangedHeadwordFollowsTheLine) {
    struct Case {
        const char* line;
        const char* headword;
    };
    const Case cases[] = {
        {"Haus <i>das</i> <b>chata</b>", "Haus"},                 // the headword stays
        {"Maus <i>die</i> <b>mysz</b>", "Maus"},                  // edited
        {"guten Morgen <i>zwrot</i> <b>dzień dobry</b>", "guten Morgen"},  // two words before the mark
        {"Hausboot barka", "Hausboot"},                            // no mark: up to the first space
        // A noun without an article: its plural or singular mark follows.
        {"Bäume (PL die Bäume) <b>drzewa</b>", "Bäume"},
        {"Milch (nur Singular) <b>mleko</b>", "Milch"},
        {"Haus", "Haus"},
    };
    for (const auto& c : cases) {
        OwnWordBase b;
        b.add({"Apfel", "Apfel <b>jabłko</b>"_w});
        std::size_t i = b.add({"Haus", "Haus <i>das</i> <b>dom</b>"});
        std::size_t j = b.change(i, text::ansi(c.line));
        EXPECT_EQ(b.at(j).headword, text::ansi(c.headword)) << c.line;
        EXPECT_EQ(b.at(j).line, text::ansi(c.line));
        EXPECT_EQ(b.size(), 2u);
    }
}

TEST_F(FolderTest, BaseLongerThanASixteenBitIndexIsKeptWhole) {
    std::vector<std::string> heads, ls;
    for (int i = 0; i < 33000; ++i) {
        char h[16];
        std::snprintf(h, sizeof h, "w%05d", i);
        heads.push_back(h);
        ls.push_back(std::string(h) + " <b>x</b>");
    }
    text::writeLines(folder / "y.dat", heads);
    text::writeLines(folder / "x.dat", ls);
    OwnWordBase b;
    b.load(folder);
    ASSERT_EQ(b.size(), 33000u);
    EXPECT_EQ(b.at(32999).headword, "w32999");
    b.add({"w99999", "w99999 <b>y</b>"});
    ASSERT_TRUE(b.save(folder));
    EXPECT_EQ(lines("y.dat").size(), 33001u);
    EXPECT_EQ(lines("x.dat").back(), "w99999 <b>y</b>");
}

// ---------------------------------------------------------------------------
// The windows.

// A small program base: headwords in list order, entry lines parallel.
const std::vector<std::pair<std::string, std::string>> kBase = {
    {"Auto", "<i>das</i> <b>samochód</b>"_w},
    {"bauen", "<i>czasownik</i> <b>budować, robić dom</b>"_w},
    {"essen", "<i>czasownik</i> <b>jeść</b>"_w},
    {"Essen", "<i>das</i> <b>jedzenie</b> ~ Speise, dom rodzinny"},
    {"Haus", "<i>das</i> <b>dom</b>, <b>dom!</b>"},
    {"Hausarzt", "<i>der</i> <b>lekarz domowy</b>"},
    {"Heim", "<i>das</i> <b>dom, ognisko</b>"},
    {"Zug", "<i>der</i> <b>pociąg</b>"_w},
};

class WindowTest : public FolderTest {
protected:
    void SetUp() override {
        FolderTest::SetUp();
        answers.clear();
        forms::setModal(&answers);
        forms::Application::clearEndRequest();
        fs::create_directories(folder / "wyrazy");
        ownRegistry.emplace(folder / "config" / "registry");
        std::vector<std::string> heads, ls;
        for (const auto& [h, e] : kBase) {
            heads.push_back(h);
            ls.push_back(h + " " + e);
        }
        text::writeLines(folder / "b.dat", heads);
        text::writeLines(folder / "a.dat", ls);
        text::writeLines(folder / "y.dat", {"Apfel", "Haus"});
        text::writeLines(folder / "x.dat",
                         {"Apfel <i>der</i> <b>jabłko</b>"_w, "Haus <i>das</i> <b>mój dom</b>"_w});
        text::writeLines(folder / "data.dat", {ShortDate::format(ShortDate::today())});
        text::writeLines(folder / "3.dat", {"<p>Witaj</p>"});
    }
    void TearDown() override {
        program.reset();
        drive::processEvents();
        forms::setModal(nullptr);
        ownRegistry.reset();
        FolderTest::TearDown();
    }
    Form1& open() {
        program = std::make_unique<Program>(folder);
        program->form1().show();
        return program->form1();
    }
    std::vector<std::string> messages() {
        std::vector<std::string> m;
        for (const auto& a : answers.asked("message")) m.push_back(a.text);
        return m;
    }
    // What the lookup window shows.
    std::string shown() { return program->form1().lstWort->text(); }

    forms::ScriptedAnswers answers;
    std::unique_ptr<Program> program;
    std::optional<registry::testing::OwnRegistry> ownRegistry;
};

// ---- Reverse search window.

TEST_F(WindowTest, ReverseSearchOpensOnceAndStartsFresh) {
    Form1& f = open();
    drive::click(*f.Label3);
    Form2& s = f.menu.reverseSearch();
    ASSERT_TRUE(s.isLoaded());
    EXPECT_EQ(s.caption(), "Indeks polsko-niemiecki");
    EXPECT_TRUE(s.Option2->value());
    EXPECT_EQ(s.Option3->caption(), "jako fragmentu tłumaczenia słowa lub tłumaczenia przykładu jego użycia"_w);
    EXPECT_TRUE(s.Text1->hasFocus());
    EXPECT_EQ(s.left(), forms::Application::screenWidth() / 2);
    EXPECT_NEAR(s.top(), forms::Application::screenHeight() / 2 - 500, 15);  // to the pixel
    s.Text1->setText("dom");
    s.Option3->setValue(true);
    drive::click(*s.Command1);
    drive::click(*f.Label3);  // already open: only brought up
    EXPECT_EQ(s.Text1->text(), "dom");
    drive::closeByUser(s);
    EXPECT_FALSE(s.isLoaded());
    drive::click(*f.Label3);
    ASSERT_TRUE(s.isLoaded());
    EXPECT_EQ(s.Text1->text(), "");
    EXPECT_TRUE(s.Option2->value());
    EXPECT_EQ(s.List1->listCount(), 0);
    EXPECT_EQ(s.Label2->caption(), "");
}

TEST_F(WindowTest, SearchShowsTheFirstResultAndSpaceStepsThroughThem) {
    Form1& f = open();
    f.menu.Label3_Click();
    Form2& s = f.menu.reverseSearch();
    drive::typeText(*s.Text1, "dom");
    drive::pressKey(*s.Text1, forms::key::Return);  // the default button
    // Fragment mode: not the examples of Essen.
    ASSERT_EQ(s.List1->items(), (std::vector<std::string>{"bauen", "Haus", "Heim"}));
    EXPECT_EQ(s.List1->listIndex(), 0);
    EXPECT_EQ(shown(), "bauen");
    EXPECT_EQ(s.Label2->caption(), "Naciśnij spację, żeby przejść do kolejnego wyrazu"_w);
    EXPECT_TRUE(s.List1->hasFocus());
    const char* steps[] = {"Haus", "Heim", "bauen", "Haus"};
    for (const char* want : steps) {
        drive::pressKey(*s.List1, forms::key::Space);
        EXPECT_EQ(s.List1->text(), want);
        EXPECT_EQ(shown(), want);
    }
    // A double click on the third shows it; Space shows it again, then goes on.
    s.List1->setListIndex(2);
    drive::doubleClick(*s.List1);
    EXPECT_EQ(shown(), "Heim");
    drive::pressKey(*s.List1, forms::key::Space);
    EXPECT_EQ(shown(), "Heim");
    drive::pressKey(*s.List1, forms::key::Space);
    EXPECT_EQ(shown(), "bauen");
    // "Przejdź" shows the selected one and leaves the steps alone.
    s.List1->setListIndex(1);
    f.lstWort->setListIndex(0);
    drive::click(*s.Command2);
    EXPECT_EQ(shown(), "Haus");
    drive::pressKey(*s.List1, forms::key::Space);
    EXPECT_EQ(shown(), "Haus");
}

TEST_F(WindowTest, SearchModesAndOneOrNoResult) {
    struct Case {
        const char* word;
        forms::OptionButton* Form2::*option;
        std::vector<std::string> found;
    };
    const Case cases[] = {
        {"dom", &Form2::Option1, {"Haus", "Heim"}},
        {"dom", &Form2::Option3, {"bauen", "Essen", "Haus", "Heim"}},
        {"Dom", &Form2::Option3, {}},
        {"pociąg", &Form2::Option2, {"Zug"}},
        {"jedzenie", &Form2::Option1, {"Essen"}},
    };
    Form1& f = open();
    Form2& s = f.menu.reverseSearch();
    f.menu.Label3_Click();
    for (const auto& c : cases) {
        f.lstWort->setListIndex(-1);
        s.Text1->setText(text::ansi(c.word));
        (s.*c.option)->setValue(true);
        s.Command1_Click();
        EXPECT_EQ(s.List1->items(), c.found) << c.word;
        EXPECT_EQ(shown(), c.found.empty() ? "" : c.found[0]) << c.word;
        // One result: Space shows it again; none: Space and "Przejdź" do nothing.
        if (c.found.size() > 1) continue;
        drive::pressKey(*s.List1, forms::key::Space);
        drive::click(*s.Command2);
        EXPECT_EQ(shown(), c.found.empty() ? "" : c.found[0]) << c.word;
    }
}

TEST_F(WindowTest, PartOfSpeechAndEmptyWordScanNothing) {
    Form1& f = open();
    Form2& s = f.menu.reverseSearch();
    f.menu.Label3_Click();
    s.Text1->setText("dom");
    s.Command1_Click();
    ASSERT_GT(s.List1->listCount(), 0);
    f.lstWort->setListIndex(-1);
    answers.clear();
    s.Text1->setText("czasownik");
    drive::pressKey(*s.Text1, forms::key::Return);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].rfind("Części mowy po niemiecku: rzeczownik - Substantiv"_w, 0), 0u);
    EXPECT_EQ(answers.asked("message")[0].title, "");
    EXPECT_EQ(s.List1->listCount(), 0);
    EXPECT_EQ(shown(), "");
    s.Label2->setCaption("");
    s.Text1->setText("");
    s.Command1_Click();
    EXPECT_EQ(s.List1->listCount(), 0);
    EXPECT_EQ(s.Label2->caption(), "Naciśnij spację, żeby przejść do kolejnego wyrazu"_w);
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(WindowTest, ResultShownInTheSpellingFound) {
    // "Essen" and "essen" stand side by side in the lookup list; the result
    // Essen shows the noun, not the verb before it.
    Form1& f = open();
    Form2& s = f.menu.reverseSearch();
    f.menu.Label3_Click();
    s.Text1->setText("jedzenie");
    s.Command1_Click();
    EXPECT_EQ(f.lstWort->listIndex(), 3);
    EXPECT_EQ(shown(), "Essen");
}

TEST_F(WindowTest, ReverseSearchAdviceAndHelpButton) {
    Form1& f = open();
    Form2& s = f.menu.reverseSearch();
    f.menu.Label3_Click();
    drive::doubleClick(*s.Option1);
    EXPECT_TRUE(s.Option1->value());  // the advice also chooses the mode
    drive::doubleClick(*s.Option3);
    drive::click(*s.Label1);
    auto asked = answers.asked("message");
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].text.rfind("Porównuje wpisany wyraz"_w, 0), 0u);
    EXPECT_EQ(asked[1].text, "Szuka słowa wszędzie i wyświetla wszystkie hasła, w których znalazło się słowo. "
                             "Daje najmniej dokładne wyniki."_w);
    EXPECT_EQ(asked[2].text, "Kliknij dwa razy na wybranej opcji, aby dowiedzieć się więcej."_w);
    for (const auto& a : asked) EXPECT_EQ(a.title, "Porada");

    const std::uint32_t grey = forms::color::rgb(0xE0, 0xE0, 0xE0);
    drive::mouseMove(*s.Label1, 5, 5);
    EXPECT_EQ(s.Shape1->fillColor(), grey);
    drive::mouseDown(*s.Label1, 5, 5);
    EXPECT_EQ(s.Label1->foreColor(), forms::color::Red);
    drive::mouseUp(*s.Label1, 5, 5);
    EXPECT_EQ(s.Label1->foreColor(), forms::color::Black);
    EXPECT_EQ(s.Shape1->fillColor(), forms::color::White);
    drive::mouseMove(*s.Label1, 5, 5);
    drive::mouseMove(*s.Text1, 5, 5);  // another control: stays grey
    EXPECT_EQ(s.Shape1->fillColor(), grey);
    drive::mouseMoveOnForm(s, 30, s.clientHeight() - 30);
    EXPECT_EQ(s.Shape1->fillColor(), forms::color::White);
}

// ---- The editor of the user's words.

class EditorTest : public WindowTest {
protected:
    frmDodaj& openEditor() {
        Form1& f = open();
        f.Label1_Click();  // the user's base
        EXPECT_TRUE(f.Label12->enabled());
        drive::click(*f.Label12);
        return f.menu.editor();
    }
    void fill(frmDodaj& d, const char* pos, const char* word, const char* pol) {
        d.Combo1->setText(text::ansi(pos));
        d.txtNiem->setText(text::ansi(word));
        d.txtPol->setText(text::ansi(pol));
    }
    // Both lists pair by index: each line begins with its headword.
    void expectPaired(frmDodaj& d) {
        ASSERT_EQ(d.lstWyrazy->listCount(), d.lstZnaczenia->listCount());
        for (int i = 0; i < d.lstWyrazy->listCount(); ++i) {
            const std::string h = d.lstWyrazy->list(i);
            EXPECT_EQ(d.lstZnaczenia->list(i).substr(0, h.size() + 1), h + " ") << i;
        }
    }
};

TEST_F(EditorTest, LoadsBothFilesAndStartsAsANounEditor) {
    frmDodaj& d = openEditor();
    ASSERT_TRUE(d.isLoaded());
    EXPECT_EQ(d.caption(), "Edycja bazy wyrazów użytkownika"_w);
    EXPECT_EQ(d.Combo1->text(), "rzeczownik");
    EXPECT_EQ(d.Combo1->listCount(), 8);
    EXPECT_TRUE(d.Frame4->enabled());
    EXPECT_FALSE(d.Frame5->enabled());
    EXPECT_TRUE(d.chkPlural->checked());
    for (auto* o : {d.optDer, d.optDie, d.optDas, d.optDerDie}) EXPECT_FALSE(o->value());
    EXPECT_EQ(d.lstWyrazy->items(), (std::vector<std::string>{"Apfel", "Haus"}));
    EXPECT_EQ(d.lstZnaczenia->list(1), "Haus <i>das</i> <b>mój dom</b>"_w);
    EXPECT_EQ(d.lstWyrazy->listIndex(), -1);
    EXPECT_TRUE(messages().empty());
    // Part-of-speech choice: which frame is open.
    struct Case {
        const char* pos;
        bool noun, verb;
    };
    for (Case c : {Case{"czasownik", false, true}, Case{"przysłówek", false, false}, Case{"rzeczownik", true, false}}) {
        d.Combo1->setText(text::ansi(c.pos));
        EXPECT_EQ(d.Frame4->enabled(), c.noun) << c.pos;
        EXPECT_EQ(d.Frame5->enabled(), c.verb) << c.pos;
    }
}

TEST_F(EditorTest, SuggestionsAndGermanLetters) {
    frmDodaj& d = openEditor();
    d.txtPL->setText("edited");
    drive::typeText(*d.txtNiem, "Haus");
    EXPECT_EQ(d.txtPL->text(), "Haus");  // a new suggestion over the edit
    d.Combo1->setText("czasownik");
    d.txtNiem->setText("machen");
    EXPECT_EQ(d.txtKon->text(), "mach, mach, hat mach");
    d.txtNiem->setText("m");
    EXPECT_EQ(d.txtKon->text(), "mach, mach, hat mach");
    d.txtNiem->setText("ab");
    EXPECT_EQ(d.txtKon->text(), ", , hat ");
    d.Combo1->setText("zaimek");
    d.txtNiem->setText("er");
    EXPECT_EQ(d.txtKon->text(), ", , hat ");

    struct Case {
        int key;
        const char* letter;
    };
    for (Case c : {Case{forms::key::F1, "ä"}, Case{forms::key::F2, "ö"}, Case{forms::key::F3, "ü"},
                   Case{forms::key::F4, "ß"}}) {
        for (forms::TextBox* b : {d.txtNiem, d.txtZmien}) {
            b->setText("xy");
            b->setSelStart(1);
            drive::pressKey(*b, c.key);
            EXPECT_EQ(b->text(), "x"_w + text::ansi(c.letter) + "y") << b->name();
            EXPECT_TRUE(b->hasFocus());
        }
    }
    d.txtPol->setText("");
    drive::pressKey(*d.txtPol, forms::key::F1);
    EXPECT_EQ(d.txtPol->text(), "");
}

TEST_F(EditorTest, AddChangeDeleteAndSave) {
    frmDodaj& d = openEditor();
    fill(d, "rzeczownik", "Zug", "pociąg");
    d.optDer->setValue(true);
    d.txtPL->setText("Züge"_w);
    drive::click(*d.lblDodaj);
    fill(d, "przymiotnik", "schnell", "szybki");
    drive::click(*d.lblDodaj);
    drive::click(*d.lblDodaj);  // twice: twice in both lists
    EXPECT_EQ(d.lstWyrazy->items(), (std::vector<std::string>{"Apfel", "Haus", "schnell", "schnell", "Zug"}));
    EXPECT_EQ(d.lstZnaczenia->list(4), "Zug <i>der</i> (PL die Züge) <b>pociąg</b>"_w);
    EXPECT_EQ(d.txtNiem->text(), "schnell");  // the fields keep their contents
    expectPaired(d);

    // Selection pairing, from either list.
    d.lstWyrazy->setListIndex(1);
    EXPECT_EQ(d.lstZnaczenia->listIndex(), 1);
    EXPECT_EQ(d.txtZmien->text(), "Haus <i>das</i> <b>mój dom</b>"_w);
    d.lstZnaczenia->setListIndex(4);
    EXPECT_EQ(d.lstWyrazy->listIndex(), 4);
    EXPECT_EQ(d.txtZmien->text(), d.lstZnaczenia->list(4));

    // A change of the line only.
    d.lstWyrazy->setListIndex(1);
    d.txtZmien->setText("Haus <i>das</i> <b>dom rodzinny</b>");
    drive::click(*d.Label1);
    EXPECT_EQ(d.lstZnaczenia->list(1), "Haus <i>das</i> <b>dom rodzinny</b>");
    EXPECT_EQ(d.lstWyrazy->listIndex(), 1);
    // A change of the headword moves the pair and keeps it together.
    d.txtZmien->setText("Xylophon <i>das</i> <b>ksylofon</b>");
    drive::click(*d.Label1);
    EXPECT_EQ(d.lstWyrazy->items(), (std::vector<std::string>{"Apfel", "schnell", "schnell", "Xylophon", "Zug"}));
    EXPECT_EQ(d.lstWyrazy->listIndex(), 3);
    EXPECT_EQ(d.lstZnaczenia->listIndex(), 3);
    EXPECT_EQ(d.txtZmien->text(), "Xylophon <i>das</i> <b>ksylofon</b>");
    expectPaired(d);

    // Delete: both lists lose the pair, nothing is selected, the box keeps its text.
    d.lstWyrazy->setListIndex(2);
    EXPECT_EQ(d.lstZnaczenia->listIndex(), 2);
    EXPECT_EQ(d.txtZmien->text(), "schnell <i>przymiotnik</i> <b>szybki</b>");
    drive::click(*d.Label13);
    EXPECT_EQ(d.lstWyrazy->listCount(), 4);
    EXPECT_EQ(d.lstWyrazy->listIndex(), -1);
    EXPECT_EQ(d.lstZnaczenia->listIndex(), -1);
    EXPECT_EQ(d.txtZmien->text(), "schnell <i>przymiotnik</i> <b>szybki</b>");
    // With nothing selected, or an empty line, Change and Delete do nothing.
    drive::click(*d.Label13);
    drive::click(*d.Label1);
    d.lstWyrazy->setListIndex(0);
    d.txtZmien->setText("");
    drive::click(*d.Label1);
    EXPECT_EQ(d.lstZnaczenia->list(0), "Apfel <i>der</i> <b>jabłko</b>"_w);
    EXPECT_EQ(d.lstWyrazy->listCount(), 4);

    EXPECT_TRUE(d.modified());
    drive::click(*d.Label14);
    EXPECT_FALSE(d.modified());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(lines("y.dat"), (std::vector<std::string>{"Apfel", "schnell", "Xylophon", "Zug"}));
    EXPECT_EQ(lines("x.dat").size(), 4u);
    EXPECT_EQ(lines("x.dat")[3], "Zug <i>der</i> (PL die Züge) <b>pociąg</b>"_w);
    std::string raw;
    text::readFile(folder / "y.dat", raw);
    EXPECT_EQ(raw, "Apfel\r\nschnell\r\nXylophon\r\nZug\r\n");
    // The lookup window shows the saved lines at once for its headwords.
    program->form1().lstWort->setText("Apfel");
    EXPECT_EQ(program->form1().lstWort->text(), "Apfel");
}

TEST_F(EditorTest, AnEntryWithoutAHeadwordCanBeMendedOrRemoved) {
    frmDodaj& d = openEditor();
    fill(d, "przymiotnik", "", "");
    drive::click(*d.lblDodaj);
    ASSERT_EQ(d.lstWyrazy->list(0), "");
    EXPECT_EQ(d.lstZnaczenia->list(0), " <i>przymiotnik</i> <b></b>");
    d.lstWyrazy->setListIndex(0);
    d.txtZmien->setText("klein <i>przymiotnik</i> <b>mały</b>"_w);
    drive::click(*d.Label1);
    EXPECT_EQ(d.lstWyrazy->items(), (std::vector<std::string>{"Apfel", "Haus", "klein"}));
    expectPaired(d);
    drive::click(*d.lblDodaj);
    d.lstZnaczenia->setListIndex(0);
    drive::click(*d.Label13);
    EXPECT_EQ(d.lstWyrazy->items(), (std::vector<std::string>{"Apfel", "Haus", "klein"}));
}

TEST_F(EditorTest, ClosingWithUnsavedChangesAsks) {
    struct Case {
        int answer;
        bool closed, saved;
    };
    for (Case c : {Case{forms::mb::Cancel, false, false}, Case{forms::mb::No, true, false},
                   Case{forms::mb::Yes, true, true}}) {
        SetUp();
        frmDodaj& d = openEditor();
        drive::closeByUser(d);  // nothing changed: no question
        EXPECT_FALSE(d.isLoaded());
        EXPECT_TRUE(messages().empty());
        drive::click(*program->form1().Label12);
        fill(d, "zaimek", "er", "on");
        drive::click(*d.lblDodaj);
        answers.answerMessage(c.answer);
        drive::closeByUser(d);
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(d.isLoaded(), !c.closed) << c.answer;
        EXPECT_EQ(lines("y.dat").size(), c.saved ? 3u : 2u) << c.answer;
        d.unload();
        TearDown();
    }
}

TEST_F(EditorTest, ClosingTheLookupWindowAsksForTheEditorsChanges) {
    frmDodaj& d = openEditor();
    Form1& f = program->form1();
    fill(d, "zaimek", "er", "on");
    drive::click(*d.lblDodaj);
    answers.answerMessage(forms::mb::Cancel);
    drive::closeByUser(f);
    EXPECT_TRUE(f.isLoaded());  // the program goes on
    EXPECT_FALSE(forms::Application::endRequested());
    answers.answerMessage(forms::mb::Yes);
    drive::closeByUser(f);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(lines("y.dat"), (std::vector<std::string>{"Apfel", "er", "Haus"}));
}

TEST_F(EditorTest, FilesThatCannotBeReadOrWrittenAreNeverOverwritten) {
    // y.dat cannot be read: the editor says so and will not save over x.dat.
    fs::remove(folder / "y.dat");
    fs::create_directory(folder / "y.dat");
    frmDodaj& d = openEditor();
    answers.clear();  // the lookup window's own word about y.dat
    d.unload();
    drive::click(*program->form1().Label12);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("y.dat"), std::string::npos);
    drive::click(*d.Label14);
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(lines("x.dat").size(), 2u);
    d.unload();
    // A save that cannot write says so and keeps the changes to try again.
    fs::remove(folder / "y.dat");
    text::writeLines(folder / "y.dat", {"Apfel", "Haus"});
    fs::create_directory(folder / "x.dat.nowy");
    answers.clear();
    drive::click(*program->form1().Label12);
    EXPECT_TRUE(messages().empty());
    fill(d, "zaimek", "er", "on");
    drive::click(*d.lblDodaj);
    drive::click(*d.Label14);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("nie zostały zapisane"_w), std::string::npos);
    EXPECT_TRUE(d.modified());
    EXPECT_EQ(lines("y.dat").size(), 2u);
    fs::remove(folder / "x.dat.nowy");
    drive::click(*d.Label14);
    EXPECT_EQ(lines("y.dat").size(), 3u);
}

TEST_F(EditorTest, UnequalFilesAreReportedAndKeptWhole) {
    text::writeLines(folder / "y.dat", {"Apfel", "Haus", "Zug"});
    frmDodaj& d = openEditor();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("różną liczbę wierszy (3 i 2)"_w), std::string::npos);
    EXPECT_EQ(d.lstWyrazy->listCount(), 3);
    EXPECT_EQ(d.lstZnaczenia->listCount(), 3);
    // The headword without a line: selecting it pairs with the empty line.
    d.lstWyrazy->setListIndex(2);
    EXPECT_EQ(d.lstZnaczenia->listIndex(), 2);
    EXPECT_EQ(d.txtZmien->text(), "");
}

TEST_F(EditorTest, HelpAndButtonLook) {
    frmDodaj& d = openEditor();
    drive::click(*d.Label3);
    auto shell = answers.asked("shell");
    ASSERT_EQ(shell.size(), 1u);
    EXPECT_EQ(shell[0].title, "Open");
    EXPECT_EQ(shell[0].text, (folder / "edycjabaz.txt").string());

    struct Button {
        forms::Label* label;
        forms::Shape* shape;
    };
    for (Button b : {Button{d.lblDodaj, d.Shape2}, Button{d.Label13, d.Shape3}, Button{d.Label1, d.Shape1},
                     Button{d.Label14, d.Shape4}, Button{d.Label3, d.Shape5}}) {
        EXPECT_EQ(b.shape->fillColor(), forms::color::White);
        drive::mouseMove(*b.label, 5, 5);
        EXPECT_EQ(b.shape->fillColor(), forms::color::Black) << b.label->name();
        EXPECT_EQ(b.label->foreColor(), forms::color::White);
        drive::mouseDown(*b.label, 5, 5);
        EXPECT_EQ(b.label->foreColor(), forms::color::Red);
        drive::mouseUp(*b.label, 5, 5);
        EXPECT_EQ(b.label->foreColor(), forms::color::Black);
        EXPECT_EQ(b.shape->fillColor(), forms::color::Black);
        drive::mouseMove(*b.label, 6, 5);
        drive::mouseMoveOnForm(d, 15, d.clientHeight() - 15);
        EXPECT_EQ(b.shape->fillColor(), forms::color::White);
        EXPECT_EQ(b.label->foreColor(), forms::color::Black);
    }
}

TEST_F(EditorTest, InstalledHelpTextIsPolishWindows1250) {
    // The help file of the program folder as the build lays it out.
    fs::path help = fs::path(WORTEL_DIST) / "edycjabaz.txt";
    std::string bytes;
    ASSERT_TRUE(text::readFile(help, bytes)) << help;
    EXPECT_NE(bytes.find("Edycja bazy wyrazów użytkownika"_w), std::string::npos);
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\n\n"), std::string::npos);  // every line ends with CR LF
}

// ---- The lookup window's command labels and hint line.

TEST_F(WindowTest, CommandLabelsHighlightTheirFrames) {
    Form1& f = open();
    struct Command {
        forms::Label* label;
        forms::Shape* frame;
    };
    const Command commands[] = {
        {f.Label4, f.shp1},   {f.Label8, f.shp2},       {f.Label9, f.Shape7},        {f.Label10, f.Shape8},
        {f.Label6, f.Shape4}, {f.Label5, f.Shape5},     {f.Label2, f.Shape6},        {f.lblCofnij, f.shpCofnij},
        {f.lblNaprzod, f.shpNaprzod}, {f.lblDrukuj, f.Shape1}, {f.Label3, f.Shape2}, {f.Label7, f.Shape3},
        {f.Label1, f.Shape9},
    };
    using Fill = forms::Shape::Fill;
    for (const auto& c : commands) {
        EXPECT_EQ(c.frame->fillStyle(), Fill::Transparent) << c.label->name();
        drive::mouseMove(*c.label, 3, 3);
        EXPECT_EQ(c.frame->fillStyle(), Fill::Solid) << c.label->name();
        EXPECT_EQ(c.frame->fillColor(), forms::color::White);
        drive::mouseDown(*c.label, 3, 3);
        EXPECT_EQ(c.label->foreColor(), forms::color::Red) << c.label->name();
        c.label->onClick = nullptr;  // press and release without the command
        drive::mouseUp(*c.label, 3, 3);
        EXPECT_EQ(c.label->foreColor(), forms::color::Black);
        EXPECT_EQ(c.frame->fillStyle(), Fill::Solid);
    }
    // The margin of a frame above its label is window background: every frame clears.
    drive::mouseMoveOnForm(f, 6200, 830);
    for (const auto& c : commands) EXPECT_EQ(c.frame->fillStyle(), Fill::Transparent) << c.label->name();
    EXPECT_EQ(f.Shape8->kind(), forms::Shape::Kind::Rectangle);
    EXPECT_EQ(f.shp1->kind(), forms::Shape::Kind::RoundedRectangle);
}

TEST_F(WindowTest, ReminderRedGoesAfterAPressAndDisabledEditLabelIsBackground) {
    text::writeLines(folder / "data.dat", {ShortDate::format(ShortDate::today() - std::chrono::days(40))});
    Form1& f = open();
    ASSERT_EQ(f.Label6->foreColor(), forms::color::Red);
    f.Label6->onClick = nullptr;
    drive::mouseDown(*f.Label6, 3, 3);
    drive::mouseUp(*f.Label6, 3, 3);
    EXPECT_EQ(f.Label6->foreColor(), forms::color::Black);
    EXPECT_EQ(f.Label6->toolTip(), "Program nie był aktualizowany przez 28 dni."_w);

    ASSERT_FALSE(f.Label12->enabled());
    drive::mouseMove(*f.Label5, 3, 3);
    drive::mouseMove(*f.Label12, 3, 3);
    EXPECT_EQ(f.Shape11->fillStyle(), forms::Shape::Fill::Transparent);
    EXPECT_EQ(f.Shape5->fillStyle(), forms::Shape::Fill::Transparent);
    drive::mouseDown(*f.Label12, 3, 3);
    EXPECT_NE(f.Label12->foreColor(), forms::color::Red);
    drive::mouseUp(*f.Label12, 3, 3);
    drive::click(*f.Label12);
    EXPECT_FALSE(f.menu.editor().isLoaded());
}

TEST_F(WindowTest, TrayPictureBorderAndHintLine) {
    Form1& f = open();
    f.Image1->onClick = nullptr;  // not to the tray
    drive::mouseDown(*f.Image1, 3, 3);
    EXPECT_TRUE(f.Image1->border());
    drive::mouseUp(*f.Image1, 3, 3);
    EXPECT_FALSE(f.Image1->border());

    struct Step {
        forms::Control* over;
        const char* hint;
    };
    const Step steps[] = {
        {f.cmdAUmlaut, "Skrót: F1"}, {f.cmdOUmlaut, "Skrót: F2"}, {f.Label4, "Skrót: F2"},
        {f.cmdUUmlaut, "Skrót: F3"}, {f.Text1, ""},               {f.cmdScharfesS, "Skrót: F4"},
        {f.lstWort, ""},             {f.cmdAUmlaut, "Skrót: F1"}, {f.lblTytul, ""},
        {f.cmdAUmlaut, "Skrót: F1"}, {f.lblPorada, ""},
    };
    for (const auto& s : steps) {
        drive::mouseMove(*s.over, 2, 2);
        EXPECT_EQ(f.lblPorada->caption(), text::ansi(s.hint)) << s.over->name();
    }
    drive::mouseMove(*f.cmdAUmlaut, 2, 2);
    drive::mouseMoveOnForm(f, 6200, 830);  // the background leaves the hint
    EXPECT_EQ(f.lblPorada->caption(), "Skrót: F1"_w);
    // Over the headword list: its tool tip is the selected headword.
    drive::mouseMove(*f.lstWort, 2, 2);
    EXPECT_EQ(f.lstWort->toolTip(), "");
    f.lstWort->setText("Haus");
    drive::mouseMove(*f.lstWort, 2, 2);
    EXPECT_EQ(f.lstWort->toolTip(), "Haus");
}

}  // namespace
