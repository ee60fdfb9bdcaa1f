// The page viewer, the help label and the installed static pages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>

#include "browser/WebBrowser.h"
#include "dictionary/GrammarTopics.h"
#include "dictionary/PageCommands.h"
#include "dictionary/TestProgramFolder.h"
#include "forms/ComboBox.h"
#include "forms/Label.h"
#include "forms/Shape.h"
#include "text/CaseRules.h"
#include "text/Paths.h"

using namespace dictionary;
using namespace text::literals;
namespace fs = std::filesystem;
namespace drive = forms::drive;

namespace {

// The installed program folder of this build.
fs::path distFolder() {
    const char* bin = std::getenv("SUITE_BINARY_DIR");
    return bin ? fs::path(bin) / "dist" / "Wortel" : fs::path();
}

std::vector<std::string> staticPages() {
    std::vector<std::string> v = {"gramm.html", "fonetyka.html", "linki.html", "pomoc.html"};
    for (int i = 1; i <= 18; ++i) v.push_back("gramm" + std::to_string(i) + ".html");
    return v;
}

class PageViewer : public dictionary::testing::ProgramFolder {
protected:
    void SetUp() override {
        ProgramFolder::SetUp();
        for (const auto& p : staticPages()) text::writeLines(folder / p, {"<p>" + p + "</p>"});
    }
    std::string path(const std::string& page) { return fs::absolute(folder / page).string(); }
    frmGramm& viewer() { return program->form1().pages.viewer(); }
    bool grammarControlsShown() {
        frmGramm& v = viewer();
        const bool shown = v.Combo1->visible();
        for (forms::Control* c : std::initializer_list<forms::Control*>{v.Label4, v.Label5, v.Shape2, v.Shape3})
            EXPECT_EQ(c->visible(), shown) << c->name();
        return shown;
    }
};

TEST(GrammarTopicMap, PositionsNameTheirPages) {
    const auto& all = GrammarTopics::all();
    ASSERT_EQ(all.size(), 18u);
    struct Case {
        int index;
        const char* page;
    };
    for (Case c : {Case{0, "gramm17.html"}, Case{1, "gramm5.html"}, Case{9, "gramm1.html"}, Case{13, "gramm11.html"},
                   Case{17, "gramm9.html"}, Case{-1, ""}, Case{18, ""}})
        EXPECT_EQ(GrammarTopics::pageAt(c.index), c.page) << c.index;
    // Stored in sorted order, every page once.
    std::set<std::string> pages;
    for (std::size_t i = 0; i < all.size(); ++i) {
        pages.insert(all[i].page);
        if (i > 0) EXPECT_LT(text::collate(all[i - 1].title, all[i].title), 0) << all[i].title;
    }
    EXPECT_EQ(pages.size(), 18u);
}

TEST_F(PageViewer, OpenersSetTitlesPageAndTopicControls) {
    struct Case {
        forms::Label* Form1::*label;
        const char* caption;
        const char* title;
        std::string subtitle;
        const char* page;
        bool topics;
    };
    const Case cases[] = {
        {&Form1::Label10, "Linki", "Linki", "", "linki.html", false},
        {&Form1::Label4, "Dodatek gramatyczny", "Grammatik", "dodatek gramatyczny", "gramm.html", true},
        {&Form1::Label8, "Wymowa", "Wymowa", "porady, jak wymawiać głoski i akcentować wyrazy"_w, "fonetyka.html",
         false},
    };
    Form1& f = open();
    for (const auto& c : cases) {
        drive::click(*(f.*c.label));
        frmGramm& v = viewer();
        ASSERT_TRUE(v.isLoaded()) << c.page;
        EXPECT_TRUE(v.visible());
        EXPECT_EQ(v.caption(), c.caption);
        EXPECT_EQ(v.Label3->caption(), c.title);
        EXPECT_EQ(v.Label1->caption(), c.subtitle);
        EXPECT_EQ(v.WebBrowser1->locationPath(), path(c.page));
        EXPECT_EQ(grammarControlsShown(), c.topics) << c.page;
        EXPECT_TRUE(v.Label2->visible());
        EXPECT_TRUE(v.Shape1->visible());
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(PageViewer, TopicChoiceSurvivesOtherPagesAndHistoryCrossesThem) {
    Form1& f = open();
    drive::click(*f.Label4);
    frmGramm& v = viewer();
    EXPECT_EQ(v.Combo1->text(), "Das Passiv");  // selected at load
    v.Combo1->setListIndex(13);
    EXPECT_EQ(v.WebBrowser1->locationPath(), path("gramm11.html"));
    drive::click(*f.Label10);
    EXPECT_FALSE(grammarControlsShown());
    drive::click(*f.Label4);
    EXPECT_TRUE(grammarControlsShown());
    EXPECT_EQ(v.Combo1->listIndex(), 13);
    EXPECT_EQ(v.WebBrowser1->locationPath(), path("gramm.html"));
    // Back: the links page, the topic, the start page; then nothing more.
    drive::click(*v.Label4);
    EXPECT_EQ(v.WebBrowser1->locationPath(), path("linki.html"));
    drive::click(*v.Label4);
    EXPECT_EQ(v.WebBrowser1->locationPath(), path("gramm11.html"));
    drive::click(*v.Label4);
    EXPECT_EQ(v.WebBrowser1->locationPath(), path("gramm.html"));
    drive::click(*v.Label4);
    EXPECT_EQ(v.WebBrowser1->locationPath(), path("gramm.html"));
    drive::click(*v.Label5);
    EXPECT_EQ(v.WebBrowser1->locationPath(), path("gramm11.html"));
    EXPECT_TRUE(messages().empty());
    // Closed and opened again: a fresh window.
    drive::closeByUser(v);
    drive::click(*f.Label4);
    EXPECT_EQ(v.Combo1->text(), "Das Passiv");
    EXPECT_FALSE(v.WebBrowser1->canGoBack());
}

TEST_F(PageViewer, ButtonsHighlightWhileHoveredAndPressed) {
    Form1& f = open();
    drive::click(*f.Label4);
    frmGramm& v = viewer();
    int prints = 0;  // a press and release on the print button is a click
    v.printPage = [&](browser::WebBrowser&) { ++prints; };
    struct Case {
        forms::Label* label;
        forms::Shape* frame;
    };
    for (Case c : {Case{v.Label2, v.Shape1}, Case{v.Label4, v.Shape2}, Case{v.Label5, v.Shape3}}) {
        drive::mouseMove(*c.label, 2, 2);
        EXPECT_EQ(c.frame->fillColor(), 0xE0E0E0u) << c.label->name();
        drive::mouseMoveOnForm(v, 440, 8);
        EXPECT_EQ(c.frame->fillColor(), forms::color::White) << c.label->name();
        drive::mouseMove(*c.label, 2, 2);
        drive::mouseDown(*c.label, 2, 2);
        EXPECT_EQ(c.label->foreColor(), 0x0000FFu) << c.label->name();
        drive::mouseUp(*c.label, 2, 2);
        EXPECT_EQ(c.label->foreColor(), 0x000000u) << c.label->name();
        EXPECT_EQ(c.frame->fillColor(), forms::color::White) << c.label->name();
    }
    EXPECT_EQ(prints, 1);
}

TEST_F(PageViewer, PrintAdvisesThenRunsTheDialogsOnTheShownPage) {
    Form1& f = open();
    drive::click(*f.Label8);
    frmGramm& v = viewer();
    std::vector<std::string> printed;
    v.printPage = [&](browser::WebBrowser& b) { printed.push_back(b.locationPath()); };
    drive::click(*v.Label2);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].rfind("W oknie Ustawienia strony wyczyść pola Nagłówek i Stopka"_w, 0), 0u);
    EXPECT_EQ(printed, std::vector<std::string>{path("fonetyka.html")});
}

TEST_F(PageViewer, HelpOpensThePageThroughTheShell) {
    Form1& f = open();
    drive::click(*f.Label4);
    drive::click(*f.Label5);
    auto shell = answers.asked("shell");
    ASSERT_EQ(shell.size(), 1u);
    EXPECT_EQ(shell[0].title, "Open");
    std::string expected;
    text::fromPath(folder / "pomoc.html", expected);
    EXPECT_EQ(shell[0].text, expected);
    EXPECT_TRUE(viewer().isLoaded());  // the two are independent
}

// The installed pages: present, in Windows-1250 as they declare, linked as
// the supplement's start page promises, titled as the topic list names them.
TEST(InstalledPages, AreCompleteAndConsistent) {
    const fs::path dist = distFolder();
    ASSERT_FALSE(dist.empty());
    for (const auto& p : staticPages()) {
        SCOPED_TRACE(p);
        std::string bytes;
        ASSERT_TRUE(text::readFile(dist / p, bytes));
        EXPECT_GT(bytes.size(), 1500u);
        EXPECT_NE(bytes.find("charset=windows-1250"), std::string::npos);
        // Windows-1250 text, not UTF-8 left over: no byte pair of a UTF-8 Polish letter.
        EXPECT_EQ(bytes.find("\xC4\x85"), std::string::npos);
        EXPECT_EQ(bytes.find("\xC5\x82"), std::string::npos);
        // Every local link leads to an installed page.
        std::regex href("href=\"([^\"]+)\"");
        for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), href); it != std::sregex_iterator(); ++it) {
            const std::string target = (*it)[1];
            if (target.rfind("http", 0) == 0) continue;
            EXPECT_TRUE(fs::exists(dist / target)) << target;
        }
    }
    std::string start;
    text::readFile(dist / "gramm.html", start);
    for (const auto& t : GrammarTopics::all()) {
        SCOPED_TRACE(t.page);
        EXPECT_NE(start.find("href=\"" + t.page + "\""), std::string::npos);
        std::string page;
        text::readFile(dist / t.page, page);
        EXPECT_NE(page.find("<h1>" + t.title + "</h1>"), std::string::npos);
    }
    std::string help;
    text::readFile(dist / "pomoc.html", help);
    for (const char* command : {"Aktualizuj", "Drukuj leksykon", "Gramatyka", "Wymowa", "Indeks pol.-niem.", "F1"})
        EXPECT_NE(help.find(command), std::string::npos) << command;
    // The tray icon gives the window back on a double click.
    EXPECT_NE(help.find("dwukrotne kliknięcie ikony przywraca okno"_w), std::string::npos);
}

}  // namespace
