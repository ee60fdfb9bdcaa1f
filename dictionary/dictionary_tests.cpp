// The lookup window on small bases in a temporary program folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "dictionary/EntryPages.h"
#include "dictionary/Form1.h"
#include "dictionary/LinkTarget.h"
#include "dictionary/Program.h"
#include "dictionary/ShortDate.h"
#include "dictionary/frmSplash.h"
#include "files/FileSystem.h"
#include "forms/Application.h"
#include "forms/TestApplication.h"
#include "forms/Drive.h"
#include "forms/ScriptedAnswers.h"
#include "registry/testing/OwnRegistry.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/LineFile.h"
#include "text/Paths.h"

using namespace dictionary;
using namespace text::literals;
namespace fs = std::filesystem;
namespace drive = forms::drive;

namespace {

std::string link(const std::string& w) { return " <i>zob. <a href=" + w + ">" + w + "</a></i>"; }

// A small program base: headwords in list order, entry lines parallel.
const std::vector<std::pair<std::string, std::string>> kBase = {
    {"Auto", "<i>das</i> <b>samochód</b>"},
    {"essen", "<i>czasownik</i> <b>jeść</b>"_w},
    {"Essen", "<i>das</i> <b>jedzenie</b> ~ Speise" + link("essen")},
    {"hauen", "<i>czasownik</i> <b>bić</b>"_w},
    {"Haus", "<i>das</i> <b>dom</b>"},
    {"Hausarzt", "<i>der</i> <b>lekarz domowy</b>" + link("Haus")},
    {"Mädchen"_w, "<i>das</i> <b>dziewczyna</b>"},
    {"Zug", "<i>der</i> <b>pociąg</b>"_w},
};

class Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        answers.clear();
        forms::setModal(&answers);
        forms::Application::clearEndRequest();
        folder = fs::temp_directory_path() / ("wortel_tests_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "wyrazy");
        ownRegistry.emplace(folder / "config" / "registry");
        writeBase(kBase);
        text::writeLines(folder / "y.dat", {"Apfel", "Haus"});
        text::writeLines(folder / "x.dat", {"Apfel <i>der</i> <b>jab\xB3ko</b>", "Haus <i>das</i> <b>m\xF3j dom</b>"});
        text::writeLines(folder / "data.dat", {ShortDate::format(ShortDate::today())});
        text::writeLines(folder / "3.dat", {"<p>Witaj</p>"});
    }
    void TearDown() override {
        program.reset();
        drive::processEvents();
        forms::setModal(nullptr);
        ownRegistry.reset();
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(folder);
    }
    void writeBase(const std::vector<std::pair<std::string, std::string>>& base) {
        std::vector<std::string> heads, lines;
        for (const auto& [h, e] : base) {
            heads.push_back(h);
            lines.push_back(h + " " + e);
        }
        text::writeLines(folder / "b.dat", heads);
        text::writeLines(folder / "a.dat", lines);
    }
    Form1& open() {
        program = std::make_unique<Program>(folder);
        program->form1().show();
        return program->form1();
    }
    std::string page(const std::string& headword) {
        std::string s;
        text::readFile(folder / "wyrazy" / text::toPath(EntryPages::pageName(headword)), s);
        return s;
    }
    std::vector<std::string> pageList() {
        std::vector<std::string> l;
        text::readLines(folder / "usun.dat", l);
        return l;
    }
    std::string shownPath(Form1& f) { return f.WebBrowser1->locationPath(); }
    std::string pagePath(const std::string& headword) {
        return fs::absolute(folder / "wyrazy" / text::toPath(EntryPages::pageName(headword))).string();
    }
    std::vector<std::string> messages() {
        std::vector<std::string> m;
        for (const auto& a : answers.asked("message")) m.push_back(a.text);
        return m;
    }

    forms::ScriptedAnswers answers;
    fs::path folder;
    std::unique_ptr<Program> program;
    std::optional<registry::testing::OwnRegistry> ownRegistry;
};

TEST_F(Fixture, StartUpLoadsTheBaseAndShowsTheStartPage) {
    Form1& f = open();
    EXPECT_EQ(f.lstWort->listCount(), 8);
    EXPECT_EQ(program->intIloscWyrazow, 8);
    EXPECT_EQ(f.lblIloscWyrazow->caption(), "Znaleziono wyrazów: 8"_w);
    EXPECT_EQ(f.strBaza, "a.dat");
    EXPECT_EQ(f.Label1->caption(), "Moja baza wyrazów"_w);
    EXPECT_FALSE(f.Label12->enabled());
    EXPECT_EQ(shownPath(f), fs::absolute(folder / "3.dat").string());
    EXPECT_EQ(f.lstWort->listIndex(), -1);
    EXPECT_EQ(fs::current_path(), folder);
    EXPECT_TRUE(messages().empty());
    // The letter buttons lie in their strip, in the order ä, ö, ü, ß.
    EXPECT_EQ(f.cmdUUmlaut->left(), 630);
    EXPECT_EQ(f.cmdUUmlaut->caption(), "ü"_w);
    EXPECT_EQ(f.Text1->toolTip(), "Czyszczenie pola: klawisz ESC");
}

TEST_F(Fixture, UpdateReminderAfterMoreThan28Days) {
    struct Case {
        int daysAgo;
        bool red;
    };
    for (Case c : {Case{0, false}, Case{28, false}, Case{29, true}, Case{400, true}}) {
        text::writeLines(folder / "data.dat",
                         {ShortDate::format(ShortDate::today() - std::chrono::days(c.daysAgo))});
        Form1& f = open();
        EXPECT_EQ(f.Label6->foreColor() == forms::color::Red, c.red) << c.daysAgo;
        EXPECT_EQ(f.Label6->toolTip(), c.red ? "Program nie był aktualizowany przez 28 dni."_w : "") << c.daysAgo;
        program->blnPrzeladowanie = true;  // unload without ending
        f.unload();
    }
}

TEST_F(Fixture, MissingOrDamagedFilesAreReportedAndTheWindowWorks) {
    struct Case {
        const char* file;
        const char* content;  // nullptr: the file is removed
        const char* mentioned;
    };
    const Case cases[] = {
        {"b.dat", nullptr, "b.dat"},
        {"a.dat", nullptr, "a.dat"},
        {"data.dat", nullptr, "data.dat"},
        {"data.dat", "wczoraj", "data.dat"},
        {"3.dat", nullptr, nullptr},  // the browser says it; no message
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.content)
            text::writeLines(folder / c.file, {c.content});
        else
            fs::remove(folder / c.file);
        Form1& f = open();
        auto m = messages();
        if (c.mentioned) {
            ASSERT_EQ(m.size(), 1u) << c.file;
            EXPECT_NE(m[0].find(c.mentioned), std::string::npos) << m[0];
        } else {
            EXPECT_TRUE(m.empty()) << c.file;
        }
        // Typing still works, whatever can be shown.
        f.Text1->setText("haus");
        if (std::string(c.file) == "b.dat") {
            EXPECT_EQ(f.lblIloscWyrazow->caption(), "Znaleziono wyrazów: 0"_w);
            EXPECT_EQ(f.lstWort->listIndex(), -1);
        } else {
            EXPECT_EQ(f.lstWort->text(), "Haus");
        }
        program->blnPrzeladowanie = true;
        f.unload();
        TearDown();
    }
}

TEST_F(Fixture, MoreHeadwordsThanTheCountHolds) {
    std::vector<std::pair<std::string, std::string>> base;
    for (int i = 0; i < 32800; ++i) {
        char h[16];
        std::snprintf(h, sizeof h, "w%05d", i);
        base.push_back({h, "<b>x</b>"});
    }
    writeBase(base);
    Form1& f = open();
    EXPECT_EQ(f.lstWort->listCount(), 32800);  // nothing left out
    EXPECT_EQ(program->intIloscWyrazow, 32767);  // the 16-bit count stops at its limit
    EXPECT_EQ(f.lblIloscWyrazow->caption(), "Znaleziono wyrazów: 32800"_w);
}

TEST_F(Fixture, PageThatCannotBeWrittenIsReportedOnce) {
    fs::remove_all(folder / "wyrazy");
    text::writeFile(folder / "wyrazy", "not a folder");
    Form1& f = open();
    f.lstWort->setText("Haus");
    f.lstWort->setText("Zug");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("wyrazy"), std::string::npos);
    EXPECT_EQ(shownPath(f), fs::absolute(folder / "3.dat").string());
    EXPECT_FALSE(fs::exists(folder / "usun.dat"));
    // A missing folder is made again.
    fs::remove(folder / "wyrazy");
    f.lstWort->setText("Haus");
    EXPECT_EQ(shownPath(f), pagePath("Haus"));
}

TEST_F(Fixture, SelectingAHeadwordWritesAndShowsItsPage) {
    Form1& f = open();
    f.lstWort->setText("Haus");
    EXPECT_EQ(page("Haus"), "<font size=2 face=Arial>\r\n<i>das</i> <b>dom</b>\r\n");
    EXPECT_EQ(shownPath(f), pagePath("Haus"));
    EXPECT_TRUE(f.blnStronyHasel);
    // Selecting the same headword again writes and lists it again.
    f.lstWort->setText("Haus");
    EXPECT_EQ(pageList(), (std::vector<std::string>{"Haus.html", "Haus.html"}));
    // Headwords that differ only in case each find their own, case-sensitive line.
    f.lstWort->setListIndex(1);
    EXPECT_NE(page("essen").find("jeść"_w), std::string::npos);
    f.lstWort->setListIndex(2);
    EXPECT_NE(page("Essen").find("jedzenie"), std::string::npos);
}

TEST_F(Fixture, EntryLookupTakesTheFirstLineThatBeginsWithTheHeadword) {
    // a.dat out of list order: a longer headword's line comes first, and a
    // headword stands on two lines.
    text::writeLines(folder / "b.dat", {"Haus", "Zug"});
    text::writeLines(folder / "a.dat", {"Hausarzt <b>lekarz</b>", "Haus <b>dom</b>", "Zug <b>pierwszy</b>",
                                        "Zug <b>drugi</b>"});
    Form1& f = open();
    f.lstWort->setText("Haus");
    EXPECT_EQ(page("Haus"), "<font size=2 face=Arial>\r\nrzt <b>lekarz</b>\r\n");  // cut after n + 1
    f.lstWort->setText("Zug");
    EXPECT_EQ(page("Zug"), "<font size=2 face=Arial>\r\n<b>pierwszy</b>\r\n");
    // No line for the headword: no page, nothing listed, the page shown stays.
    text::writeLines(folder / "a.dat", {"Zug <b>pierwszy</b>"});
    fs::remove(folder / "wyrazy" / "Haus.html");
    f.lstWort->setText("Haus");
    EXPECT_EQ(page("Haus"), "");
    EXPECT_EQ(shownPath(f), pagePath("Zug"));
    EXPECT_EQ(pageList().size(), 2u);
}

TEST_F(Fixture, UnsafeHeadwordsStayInsideWyrazy) {
    struct Case {
        std::string headword;
        std::string name;
    };
    const Case cases[] = {
        {"../../outside", "%2E.%2F..%2Foutside.html"},
        {"..", "%2E..html"},
        {"a/b\\c", "a%2Fb%5Cc.html"},
        {".hidden", "%2Ehidden.html"},
        {"x\x01y", "x%01y.html"},
        {"50%", "50%25.html"},
        {"km/h", "km%2Fh.html"},
        {"Mädchen"_w, "Mädchen.html"_w},
        {"", "%.html"},
    };
    std::vector<std::pair<std::string, std::string>> base;
    for (const auto& c : cases) {
        EXPECT_EQ(EntryPages::pageName(c.headword), c.name) << c.headword;
        base.push_back({c.headword, "<b>" + c.name + "</b>"});
    }
    std::stable_sort(base.begin(), base.end(),
                     [](const auto& a, const auto& b) { return text::collate(a.first, b.first) < 0; });
    writeBase(base);
    Form1& f = open();
    for (int i = 0; i < f.lstWort->listCount(); ++i) f.lstWort->setListIndex(i);
    // Every page is a plain file of wyrazy/, and nothing was written beside.
    std::size_t pages = 0;
    for (const auto& e : fs::directory_iterator(folder / "wyrazy")) {
        EXPECT_TRUE(e.is_regular_file());
        ++pages;
    }
    EXPECT_EQ(pages, std::size(cases));
    EXPECT_FALSE(fs::exists(folder.parent_path() / "outside.html"));
    EXPECT_FALSE(fs::exists(folder / "outside.html"));
    EXPECT_NE(page("../../outside").find("%2E.%2F"), std::string::npos);

    // A headword longer than a file name can be gets a shortened, distinct name.
    std::string a(400, 'a'), b = std::string(399, 'a') + "b";
    EXPECT_NE(EntryPages::pageName(a), EntryPages::pageName(b));
    EXPECT_LE(EntryPages::pageName(a).size(), 240u);
}

TEST_F(Fixture, CleanUpDeletesTheListedPagesAndEndsTheProgram) {
    Form1& f = open();
    f.lstWort->setText("Haus");
    f.lstWort->setText("Haus");
    f.lstWort->setText("Zug");
    // Names from a damaged list that point elsewhere are passed over.
    text::writeFile(folder / "keep.html", "x");
    {
        text::LineWriter w(folder / "usun.dat", text::LineWriter::Mode::Append);
        w.writeLine("../keep.html");
        w.writeLine("");
        w.writeLine("never-written.html");
        w.writeLine(std::string(5000, 'x'));
    }
    program->blnListaHtml = true;
    text::writeFile(folder / "lista.html", "<html></html>");
    drive::closeByUser(f);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_FALSE(fs::exists(folder / "wyrazy" / "Haus.html"));
    EXPECT_FALSE(fs::exists(folder / "wyrazy" / "Zug.html"));
    EXPECT_FALSE(fs::exists(folder / "lista.html"));
    EXPECT_TRUE(fs::exists(folder / "keep.html"));
    std::string list;
    text::readFile(folder / "usun.dat", list);
    EXPECT_EQ(list, "\r\n");
    EXPECT_TRUE(forms::Application::endRequested());
}

TEST_F(Fixture, AListThatCannotBeSavedIsToldOnceAndKeptWhole) {
    text::writeLines(folder / "usun.dat", {"Old.html"});
    files::setReadOnly(folder / "usun.dat", true);
    Form1& f = open();
    f.lstWort->setText("Haus");
    f.lstWort->setText("Zug");
    EXPECT_NE(page("Zug"), "");  // the pages themselves are written
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Nie można zapisać pliku usun.dat: plik lub folder jest tylko do odczytu."_w});
    EXPECT_EQ(pageList(), std::vector<std::string>{"Old.html"});
    files::setReadOnly(folder / "usun.dat", false);
    f.lstWort->setText("Haus");
    EXPECT_EQ(pageList(), (std::vector<std::string>{"Old.html", "Haus.html"}));
    f.unload();
}

TEST_F(Fixture, CleanUpWithoutAnEntryShownLeavesTheList) {
    text::writeLines(folder / "usun.dat", {"Old.html"});
    text::writeFile(folder / "wyrazy" / "Old.html", "x");
    Form1& f = open();
    f.unload();
    EXPECT_TRUE(fs::exists(folder / "wyrazy" / "Old.html"));
    EXPECT_EQ(pageList(), std::vector<std::string>{"Old.html"});
    // The next run that shows an entry deletes what earlier runs listed.
    Form1& g = open();
    g.lstWort->setText("Zug");
    g.unload();
    EXPECT_FALSE(fs::exists(folder / "wyrazy" / "Old.html"));
}

TEST_F(Fixture, ReloadDeletesThePagesAndLoadsTheBaseAgain) {
    Form1& f = open();
    f.lstWort->setText("Haus");
    f.Label1_Click();
    EXPECT_EQ(f.strBaza, "x.dat");
    program->blnPrzeladowanie = true;
    f.unload();
    EXPECT_FALSE(forms::Application::endRequested());
    EXPECT_FALSE(fs::exists(folder / "wyrazy" / "Haus.html"));
    // The update brought a larger base.
    auto base = kBase;
    base.push_back({"Zugabe", "<b>dodatek</b>"});
    writeBase(base);
    f.show();
    program->blnPrzeladowanie = false;
    EXPECT_EQ(f.lblIloscWyrazow->caption(), "Znaleziono wyrazów: 9"_w);
    EXPECT_EQ(program->intIloscWyrazow, 9);
    EXPECT_EQ(f.strBaza, "a.dat");
    EXPECT_EQ(f.Label1->caption(), "Moja baza wyrazów"_w);
    drive::closeByUser(f);
    EXPECT_TRUE(forms::Application::endRequested());
}

TEST_F(Fixture, BaseSwitchTogglesTheListAndTheEntryFile) {
    Form1& f = open();
    f.Text1->setText("Au");
    f.Label1_Click();
    EXPECT_EQ(f.Label1->caption(), "Baza programu");
    EXPECT_TRUE(f.Label12->enabled());
    EXPECT_EQ(f.lstWort->items(), (std::vector<std::string>{"Apfel", "Haus"}));
    EXPECT_EQ(f.lstWort->listIndex(), -1);
    EXPECT_EQ(f.Text1->text(), "Au");
    EXPECT_EQ(f.lblIloscWyrazow->caption(), "Znaleziono wyrazów: 8"_w);
    f.lstWort->setText("Haus");
    EXPECT_NE(page("Haus").find("m\xF3j dom"), std::string::npos);  // from x.dat
    f.Label1_Click();
    EXPECT_EQ(f.lstWort->listCount(), 8);
    EXPECT_FALSE(f.Label12->enabled());
    f.lstWort->setText("Haus");
    EXPECT_EQ(page("Haus"), "<font size=2 face=Arial>\r\n<i>das</i> <b>dom</b>\r\n");
}

TEST_F(Fixture, PrefixSearchSelectsTheFirstHeadwordInListOrder) {
    Form1& f = open();
    f.Text1->setFocus();
    drive::typeText(*f.Text1, "hau");
    EXPECT_EQ(f.lstWort->text(), "hauen");  // hauen stands before Haus
    EXPECT_EQ(shownPath(f), pagePath("hauen"));
    drive::typeText(*f.Text1, "s");
    EXPECT_EQ(f.lstWort->text(), "Haus");
    // A text that no headword begins with leaves the selection and the page.
    drive::typeText(*f.Text1, "x");
    EXPECT_EQ(f.lstWort->text(), "Haus");
    EXPECT_EQ(shownPath(f), pagePath("Haus"));
    // The search is case-insensitive with the system's upper case.
    f.Text1->setText("MÄD"_w);
    EXPECT_EQ(f.lstWort->text(), "Mädchen"_w);
    f.Text1->setText("m\xE4"); // "mä"
    EXPECT_EQ(f.lstWort->text(), "Mädchen"_w);
    // An emptied box changes nothing.
    f.Text1->setText("");
    EXPECT_EQ(f.lstWort->text(), "Mädchen"_w);
}

TEST_F(Fixture, GermanLettersTypeAtTheCaret) {
    struct Case {
        int key;
        std::string letter;
    };
    const Case cases[] = {{forms::key::F1, "ä"_w}, {forms::key::F2, "ö"_w}, {forms::key::F3, "ü"_w},
                          {forms::key::F4, "ß"_w}};
    Form1& f = open();
    for (const auto& c : cases) {
        f.Text1->setText("Md");
        f.Text1->setSelStart(1);
        f.Text1->setFocus();
        drive::pressKey(*f.Text1, c.key);
        EXPECT_EQ(f.Text1->text(), "M" + c.letter + "d");
        EXPECT_EQ(f.Text1->selStart(), 2);
    }
    // F1 on "M|dchen" gives Mädchen and searches again.
    f.Text1->setText("Mdchen");
    f.Text1->setSelStart(1);
    drive::pressKey(*f.Text1, forms::key::F1);
    EXPECT_EQ(f.lstWort->text(), "Mädchen"_w);
    // The buttons do the same, replacing a selection.
    f.Text1->setText("Mxdchen");
    f.Text1->setSelStart(1);
    f.Text1->setSelLength(1);
    drive::click(*f.cmdAUmlaut);
    EXPECT_EQ(f.Text1->text(), "Mädchen"_w);
}

TEST_F(Fixture, ArrowsEscapeAndEnterInTheSearchBox) {
    Form1& f = open();
    auto& box = *f.Text1;
    box.setFocus();
    drive::pressKey(box, forms::key::Down);  // nothing selected: the first headword
    EXPECT_EQ(f.lstWort->listIndex(), 0);
    EXPECT_EQ(box.text(), "Auto");
    drive::pressKey(box, forms::key::Down);
    EXPECT_EQ(f.lstWort->text(), "essen");
    // Down onto a headword that differs from the one above only in case
    // stays on it, rather than searching back to the first.
    drive::pressKey(box, forms::key::Down);
    EXPECT_EQ(f.lstWort->text(), "Essen");
    EXPECT_EQ(f.lstWort->listIndex(), 2);
    f.lstWort->setListIndex(7);
    drive::pressKey(box, forms::key::Down);  // on the last: nothing
    EXPECT_EQ(f.lstWort->listIndex(), 7);
    f.lstWort->setListIndex(0);
    drive::pressKey(box, forms::key::Up);  // on the first: cleared, box emptied
    EXPECT_EQ(f.lstWort->listIndex(), -1);
    EXPECT_EQ(box.text(), "");
    drive::pressKey(box, forms::key::Up);  // nothing selected: nothing
    EXPECT_EQ(f.lstWort->listIndex(), -1);
    // After Down the caret stands after the headword, so a German letter
    // typed then goes on from it.
    f.lstWort->setListIndex(5);
    drive::pressKey(box, forms::key::Down);
    EXPECT_EQ(box.text(), "Mädchen"_w);
    EXPECT_EQ(box.selStart(), 7);

    box.setText("Zug");
    drive::pressKey(box, forms::key::Escape);
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(f.lstWort->text(), "Zug");
    EXPECT_EQ(shownPath(f), pagePath("Zug"));

    box.setText("Zu");
    box.setSelStart(2);
    drive::pressKey(box, forms::key::Return);  // discarded
    EXPECT_EQ(box.text(), "Zu");

    // Enter in the list gives the search box the focus.
    f.lstWort->setFocus();
    drive::pressKey(*f.lstWort, forms::key::Return);
    EXPECT_TRUE(box.hasFocus());
}

TEST_F(Fixture, BackspaceHint) {
    Form1& f = open();
    auto& box = *f.Text1;
    box.setFocus();
    box.setText("Haus");
    box.setSelStart(4);
    for (int i = 0; i < 3; ++i) drive::pressKey(box, forms::key::Back);
    EXPECT_EQ(box.text(), "H");
    EXPECT_EQ(f.lblPorada->caption(), "");
    drive::pressKey(box, forms::key::Back);  // the fourth, on one character
    EXPECT_EQ(f.lblPorada->caption(), "Wyczyść: ESC"_w);
    EXPECT_EQ(f.intLicznikBackspace, 0);
    drive::pressKey(box, forms::key::Back);  // counting again from 0
    EXPECT_EQ(f.lblPorada->caption(), "");
    f.lblPorada->setCaption("Wyczyść: ESC"_w);
    drive::pressKey(box, forms::key::Right);  // any other key empties the hint
    EXPECT_EQ(f.lblPorada->caption(), "");
}

TEST_F(Fixture, LinkFollowingSelectsTheLinkedHeadword) {
    Form1& f = open();
    // Essen's entry links to essen, which stands directly above it.
    f.lstWort->setText("Essen");
    f.lstWort->setListIndex(2);
    f.WebBrowser1->followLink("essen");
    EXPECT_EQ(f.lstWort->text(), "essen");
    EXPECT_EQ(f.lstWort->listIndex(), 1);
    EXPECT_EQ(shownPath(f), pagePath("essen"));

    // essen above Essen, a link to Essen.
    std::vector<std::pair<std::string, std::string>> base = {
        {"essen", "<b>jeść</b>"_w}, {"Essen", "<b>jedzenie</b>"}, {"Imbiss", "<b>przekąska</b>"_w + link("Essen")}};
    writeBase(base);
    program->blnPrzeladowanie = true;
    f.unload();
    f.show();
    f.lstWort->setText("Imbiss");
    f.WebBrowser1->followLink("Essen");
    EXPECT_EQ(f.lstWort->listIndex(), 1);
    EXPECT_EQ(f.lstWort->text(), "Essen");
    // History walks the browser only.
    EXPECT_TRUE(f.WebBrowser1->canGoBack());
    // Each selection on the way showed its page: essen first, then Essen.
    f.lblCofnij_Click();
    EXPECT_EQ(shownPath(f), pagePath("essen"));
    EXPECT_EQ(f.lstWort->text(), "Essen");
    f.lblNaprzod_Click();
    EXPECT_EQ(shownPath(f), pagePath("Essen"));
    f.lblNaprzod_Click();  // nothing ahead: ignored
    EXPECT_EQ(shownPath(f), pagePath("Essen"));
}

TEST_F(Fixture, LinkFollowingOnLinesOfAnotherShape) {
    struct Case {
        std::string entry;  // the selected headword's line in a.dat, after "Wort "
    };
    const Case cases[] = {
        {"<b>ohne Verweis</b>"},
        {""},
        {"href"},
        {"href=>12345678"},
        {"<a href=../../x>../../x</a></i>"},
        {"<a href=Zug>Zug</a></i>" + std::string(20000, 'y')},
        {"<a href=Nirgends>Nirgends</a></i>"},
    };
    for (const auto& c : cases) {
        SetUp();
        writeBase({{"Wort", c.entry}, {"Zug", "<b>poci\xB9g</b>"}});
        Form1& f = open();
        f.lstWort->setListIndex(0);
        f.WebBrowser1->followLink("Irgendwas");
        EXPECT_EQ(f.lstWort->text(), "Wort") << c.entry.substr(0, 40);
        for (const auto& e : fs::directory_iterator(folder)) {
            std::string n = e.path().filename().string();
            EXPECT_TRUE(n == "wyrazy" || n.size() == 5 || n == "usun.dat" || n == "data.dat") << n;
        }
        program->blnPrzeladowanie = true;
        f.unload();
        TearDown();
    }
    // An empty line of a.dat at the selected position.
    SetUp();
    text::writeLines(folder / "b.dat", {"Wort"});
    text::writeLines(folder / "a.dat", {""});
    Form1& f = open();
    f.lstWort->setListIndex(0);
    f.WebBrowser1->followLink("x");
    EXPECT_EQ(f.lstWort->text(), "Wort");
}

TEST(LinkTargetTest, HalfOfWhatFollowsHref) {
    struct Case {
        std::string line;
        bool found;
        std::string target;
    };
    const Case cases[] = {
        {"Essen <b>x</b> <i>zob. <a href=essen>essen</a></i>", true, "essen"},
        {"A <a href=B>B</a></i>", true, "B"},
        {"no link here", false, ""},
        {"href", false, ""},
        {"x href=12345678", false, ""},
        // Only the first "href" counts, whatever follows it.
        {"a href=x>x</a></i> href=long>long</a></i>", true, "x>x</a></i> "},
    };
    for (const auto& c : cases) {
        std::string t;
        EXPECT_EQ(LinkTarget::of(c.line, t), c.found) << c.line;
        EXPECT_EQ(t, c.target) << c.line;
    }
}

TEST(ShortDateTest, ReadsTheDateForms) {
    using namespace std::chrono;
    auto d = ShortDate::parse("2026-12-10\r\n");
    ASSERT_TRUE(d);
    EXPECT_EQ(*d, sys_days{year{2026} / 12 / 10});
    EXPECT_EQ(ShortDate::parse("10.12.2026"), d);
    EXPECT_EQ(ShortDate::format(*d), "2026-12-10");
    // Months and days past a byte do not wrap round to valid ones.
    for (const char* bad : {"", "wczoraj", "2026-13-01", "31.02.2026", "2026-12-10 x", "2026-257-01", "2026-01-257",
                            "257.01.2026", "01.269.2026", "2026--1-01",
                            // Numbers too long for any field, which an int would wrap to 2026 and 1.
                            "4294969322-01-01", "2026-4294967297-01", "2026-01-4294967297", "01.01.4294969322",
                            "+2026-01-01", "2026-01- 1", "2026-01-01-01"})
        EXPECT_FALSE(ShortDate::parse(bad)) << bad;
}

TEST_F(Fixture, SplashShowsTheVersionThenTheLookupWindow) {
    // Leftovers of saves a crash cut short go at start-up.
    text::writeFile(folder / "usun.dat.~wr999999", "half");
    text::writeFile(folder / "wyrazy" / "Haus.html.~wr999999", "half");
    // The registry's too, though nothing of the start reads it.
    fs::create_directories(folder / "config");
    text::writeFile(folder / "config" / "registry.~wr999999", "half");
    program = std::make_unique<Program>(folder);
    program->start();
    EXPECT_FALSE(fs::exists(folder / "usun.dat.~wr999999"));
    EXPECT_FALSE(fs::exists(folder / "wyrazy" / "Haus.html.~wr999999"));
    EXPECT_FALSE(fs::exists(folder / "config" / "registry.~wr999999"));
    frmSplash& s = program->splash();
    EXPECT_EQ(s.lblVersion->caption(), "Wersja 0.7.3");
    EXPECT_EQ(s.lblPlatform->caption(), "dla Windows 9x/NT 4.0/ME/2000/XP");
    EXPECT_EQ(s.Timer1->interval(), 500);
    s.Timer1->fire();
    drive::processEvents();
    EXPECT_FALSE(s.isLoaded());
    EXPECT_TRUE(program->form1().isLoaded());
    EXPECT_TRUE(program->form1().visible());
}

}  // namespace
