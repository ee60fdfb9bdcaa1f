// The clip library: macro names and filling, copied resources, folder
// browsing, previews and the insert button, and the value grid, driven
// headless through the main window with a recording stand-in for the frame.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/FileSystem.h"
#include "forms/Application.h"
#include "forms/Drive.h"
#include "forms/ComboBox.h"
#include "forms/ImageView.h"
#include "forms/Label.h"
#include "forms/ListView.h"
#include "forms/ListViewDrive.h"
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "pageeditor/IEditorFrame.h"
#include "pageeditor/app/ClipLibrary.h"
#include "pageeditor/app/ClipMacros.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/dialogs/Tlinkinsert.h"
#include "pageeditor/dialogs/Tinsert_snd.h"
#include "pageeditor/app/Tmacros_vals.h"
#include "forms/ScrollBar.h"
#include "registry/Registry.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace pageeditor;
using namespace text::literals;
namespace fs = std::filesystem;

namespace {

std::string same(const std::string& s) { return s; }

TEST(MacroNames, PairsOfBracketsInOrder) {
    struct Case {
        const char* text;
        std::vector<std::string> names;
    } cases[] = {
        {"a %(tX)% b %(vY)%%(tX)%", {"tX", "vY", "tX"}},  // duplicates appended again
        {"%()%", {""}},
        {"%(v%(x)%", {"v%(x"}},                  // "%(" inside a name is part of it
        {"%(tA)% %(vB", {"tA"}},                 // not closed: dropped
        {")% %( %", {}},
        {"%(c", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> got{"before"};
        macro_names(c.text, got);
        std::vector<std::string> want{"before"};
        want.insert(want.end(), c.names.begin(), c.names.end());
        EXPECT_EQ(got, want) << c.text;
    }
}

TEST(ClipMacrosFill, KindsValuesAndTranslations) {
    auto tr = [](const std::string& s) { return s == "Cena" ? std::string("Preis") : s == "Kolor" ? std::string("Farbe") : s; };
    ClipMacros clip("<b>%(tCena)%</b>%(tCena)% <td bgcolor=\"%(vKolor)%\">%(vKolor)%</td>%(clinia.bmp)%%(xZ)%%()%",
                    tr);
    ASSERT_EQ(clip.keys(), std::vector<std::string>{"Farbe"}) << "two equal value macros give one row, keyed by tr";
    EXPECT_EQ(clip.files(), std::vector<std::string>{"linia.bmp"});
    EXPECT_EQ(clip.fill({{"Farbe", "#FF0000"}}),
              "<b>Preis</b>Preis <td bgcolor=\"#FF0000\">#FF0000</td>%(xZ)%%()%");
}

TEST(ClipMacrosFill, ValuesStayTextAndAreNotReadAsMacros) {
    ClipMacros clip("<a href=\"%(vA)%\">%(vB)%</a>", same);
    // A quote or a tag in a value would break the markup; a value holding a
    // macro (even its own) is written as it stands.
    EXPECT_EQ(clip.fill({{"A", "x\" onclick=\"evil()"}, {"B", "%(vA)% <script>&"}}),
              "<a href=\"x&quot; onclick=&quot;evil()\">%(vA)% &lt;script&gt;&amp;</a>");
    EXPECT_EQ(ClipMacros("%(vA)%", same).fill({{"A", "%(vA)%"}}), "%(vA)%");
    EXPECT_EQ(ClipMacros("%(vMissing)%", same).fill({}), "");
}

TEST(ClipMacrosFiles, CopiedIntoTheSiteNeverOverAFileNorOutsideIt) {
    fs::path dir = fs::temp_directory_path() / ("pw_clipfiles_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "lib_res" / "data");
    fs::create_directories(dir / "site" / "data");
    text::writeFile(dir / "lib_res" / "new.gif", "new");
    text::writeFile(dir / "lib_res" / "old.gif", "resource");
    text::writeFile(dir / "lib_res" / "data" / "sub.gif", "sub");
    text::writeFile(dir / "site" / "old.gif", "mine");
    text::writeFile(dir / "secret.txt", "secret");
    ClipMacros clip("%(cnew.gif)%%(cold.gif)%%(cdata\\sub.gif)%%(c..\\secret.txt)%%(c\\etc\\x)%%(cC:\\x)%"
                    "%(cmissing.gif)%",
                    same);
    std::string res = files::platformName(dir / "lib_res") + "\\", site = files::platformName(dir / "site") + "\\";
    clip.copyFiles(res, site);
    std::string content;
    EXPECT_TRUE(text::readFile(dir / "site" / "new.gif", content) && content == "new");
    EXPECT_TRUE(text::readFile(dir / "site" / "old.gif", content) && content == "mine") << "never overwritten";
    EXPECT_TRUE(text::readFile(dir / "site" / "data" / "sub.gif", content) && content == "sub");
    EXPECT_FALSE(fs::exists(dir / "site" / "secret.txt"));
    EXPECT_FALSE(fs::exists(dir / "site" / "missing.gif"));
    EXPECT_EQ(clip.fill({}), "") << "every copy macro is removed, copied or not";
    for (const char* bad : {"..\\x", "a\\..\\..\\x", "\\x", "/x", "C:\\x", "a\\\\b", ".", ""})
        EXPECT_FALSE(ClipMacros::safeRelativeName(bad)) << bad;
    EXPECT_TRUE(ClipMacros::safeRelativeName("data\\x.gif"));
    fs::remove_all(dir);
}

TEST(ClipLibraryBrowse, FoldersInsertKindsAndNames) {
    const std::string root = "C:\\P\\data\\library\\";
    std::string d = ClipLibrary::enter(root, root, "Teksty", false);
    EXPECT_EQ(d, root + "Teksty\\");
    d = ClipLibrary::enter(d, root, "Nowe", false);
    d = ClipLibrary::enter(d, root, "[Wstecz]", true);
    EXPECT_EQ(d, root + "Teksty\\");
    d = ClipLibrary::enter(d, root, "[Wstecz]", true);
    EXPECT_EQ(d, root);
    // An archive folder at the root acts as the back item, but the library is never left.
    EXPECT_EQ(ClipLibrary::enter(root, root, "paczka.zip", true), root);
    EXPECT_EQ(ClipLibrary::enter(root, root, "..", false), root);
    EXPECT_EQ(ClipLibrary::enter(root, root, "a\\..\\..", false), root);

    struct Kind {
        const char* name;
        ClipLibrary::Insert kind;
    } kinds[] = {{"menu.ht", ClipLibrary::Insert::Clip},   {"a.jpg", ClipLibrary::Insert::Image},
                 {"a.jpeg", ClipLibrary::Insert::Image},   {"a.png", ClipLibrary::Insert::Image},
                 {"a.JPG", ClipLibrary::Insert::None},     {"a.swf", ClipLibrary::Insert::Flash},
                 {"a.mid", ClipLibrary::Insert::Sound},    {"a.wav", ClipLibrary::Insert::Sound},
                 {"a.ht.txt", ClipLibrary::Insert::None},  {"noext", ClipLibrary::Insert::None}};
    for (const Kind& k : kinds) EXPECT_EQ(ClipLibrary::insertKind(k.name), k.kind) << k.name;
}

// ---------------------------------------------------------------------------
// Through the main window.

class FakeFrame : public forms::Component, public IEditorFrame {
public:
    FakeFrame(forms::Form& f, std::string name) : forms::Component(f, std::move(name)) {}
    std::vector<std::string> calls;
    void MenuUndo() override {}
    void CutSelection() override {}
    void btnCopyClick() override {}
    void btnPasteClick() override {}
    void btnFindClick() override {}
    void btnImageClick() override {}
    void SpeedButton3Click() override {}
    void SpeedButton9Click() override {}
    void SpeedButton7Click() override {}
    void SpeedButton10Click() override {}
    void SpeedButton8Click() override { calls.push_back("SpeedButton8Click"); }
    void SpeedButton11Click() override {}
    void btnUser4Click() override {}
    void DHTMLondblclick() override {}
    void SpeedButton1Click() override {}
    bool cutEnabled() const override { return false; }
    bool copyEnabled() const override { return false; }
    bool pasteEnabled() const override { return false; }
    void InsertHTML(const std::string& html) override { calls.push_back("InsertHTML:" + html); }
    void EditLink(const std::string& p) override { calls.push_back("EditLink:" + p); }
    void EditImage(const std::string& p) override { calls.push_back("EditImage:" + p); }
    void EditFlash(const std::string& p) override { calls.push_back("EditFlash:" + p); }
    bool LoadDocument(const std::string&) override { return true; }
    bool SaveDocument(const std::string&) override { return true; }
    bool changed() const override { return false; }
    void clearModified() override {}
    bool MouseOverEditor() const override { return false; }
};

fs::path shippedFolder() { return fs::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "Pagewright"; }

class Library : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "pagewright_library_tests";
        static char* argv[] = {arg0, nullptr};
        static forms::Application* app = new forms::Application(argc, argv);
        (void)app;
        setEditorFrameFactory([](forms::Form& w) { return w.add<FakeFrame>("HTMLEdit1"); });
    }
    void SetUp() override {
        tmp = fs::temp_directory_path() / ("pw_lib_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(tmp);
        fs::create_directories(tmp);
        registry::setPath(tmp / "registry");
        forms::setModal(&answers);
        forms::Application::setTitle("Sitecraft");
    }
    void TearDown() override {
        all.reset();
        forms::setModal(nullptr);
        forms::drive::setModalHook(nullptr);
        registry::setPath({});
        fs::remove_all(tmp);
    }
    // A program folder with a site "moja" and the given files (Windows-1250 contents).
    fs::path programFolder(std::vector<std::pair<std::string, std::string>> files) {
        fs::path dir = tmp / "Pagewright";
        fs::create_directories(dir / "data" / "library");
        fs::create_directories(dir / "data" / "lib_res");
        fs::create_directories(dir / "webpages" / "moja" / "data");
        files.push_back({"data/lang/pl/trans.msg", "Wstecz\r\nWróć\r\nTytuł\r\nNagłówek\r\n"_w});
        files.push_back({"data/lang/pl/transui.lng", "[pack]\r\nSitecraft\r\n"});
        files.push_back({"webpages/moja/index.html", "<HTML><BODY></BODY></HTML>"});
        files.push_back({"webpages/moja/project.prj", "[project]\r\nname=moja\r\n"});
        for (auto& [name, content] : files) {
            fs::create_directories((dir / name).parent_path());
            text::writeFile(dir / name, content);
        }
        return dir;
    }
    TMainForm& start(const fs::path& folder) {
        TMainForm::setProgramFolder(folder.string());
        all = std::make_unique<EditorForms>();
        all->createAll();
        all->MainForm->show();
        forms::drive::processEvents();
        return *all->MainForm;
    }
    FakeFrame& openPage(TMainForm& m) {
        EXPECT_TRUE(m.page_open("moja"));
        TMDIChild* d = m.doc_open(m.app_dir + "webpages\\moja\\index.html");
        forms::drive::processEvents();
        auto* f = dynamic_cast<FakeFrame*>(d->HTMLEdit1);
        f->calls.clear();
        return *f;
    }
    static int find(const forms::ListView& v, const std::string& caption) {
        for (int i = 0; i < v.count(); ++i)
            if (v.caption(i) == caption) return i;
        return -1;
    }
    void open(TMainForm& m, const std::string& folder) {
        int i = find(*m.ListView3, folder);
        ASSERT_GE(i, 0) << folder;
        m.ListView3->setSelectedIndex(i);
        m.ListView3DblClick();
    }
    void insert(TMainForm& m, const std::string& item) {
        int i = find(*m.ListView4, item);
        ASSERT_GE(i, 0) << item;
        m.ListView4->setSelectedIndex(i);
        forms::drive::click(*m.SpeedButton12);
    }

    fs::path tmp;
    forms::ScriptedAnswers answers;
    std::unique_ptr<EditorForms> all;
};

TEST_F(Library, TwoLevelsDownAndBackTwiceReturnsToTheRootWithoutBackItem) {
    TMainForm& m = start(programFolder({{"data/library/A/B/x.ht", "x"}, {"data/library/A/y.gif", "y"},
                                        {"data/library/A/menu.ht.bmp", "p"}}));
    std::string root = m.app_dir + "data\\library\\";
    ASSERT_EQ(m.ListView3->count(), 1);
    EXPECT_EQ(m.ListView4->count(), 0);
    open(m, "A");
    EXPECT_EQ(m.lib_dir, root + "A\\");
    EXPECT_EQ(m.ListView3->caption(m.ListView3->count() - 1), "[Wróć]"_w) << "the back item's caption passes through tr";
    EXPECT_EQ(m.ListView3->imageIndex(m.ListView3->count() - 1), 3);
    ASSERT_EQ(m.ListView4->count(), 1) << "previews are not listed";
    EXPECT_EQ(m.ListView4->caption(0), "y.gif");
    open(m, "B");
    EXPECT_EQ(m.ListView4->caption(0), "x.ht");
    open(m, "[Wróć]"_w);
    open(m, "[Wróć]"_w);
    EXPECT_EQ(m.lib_dir, root);
    EXPECT_EQ(find(*m.ListView3, "[Wróć]"_w), -1);
}

TEST_F(Library, ClipItemIsFilledFromTheGridAndInsertedWithItsFilesCopied) {
    TMainForm& m = start(programFolder({
        {"data/library/T/naglowek.ht",
         "<H2 style=\"color: %(vKolor tekstu)%\">%(vTytuł)%</H2><P>%(vTytuł)%%(tTytuł)%</P>%(cfoto.gif)%%(c..\\..\\evil.gif)%"_w},
        {"data/library/T/brak.ht", "<P>%(tTytuł)%</P>"_w},
        {"data/lib_res/foto.gif", "resource"},
        {"webpages/moja/foto.gif", "site's own"},
    }));
    FakeFrame& f = openPage(m);
    open(m, "T");
    Tmacros_vals& grid = *all->macros_vals;
    int shown = 0;
    forms::drive::setModalHook([&](forms::Form& form) {
        if (&form != &grid) return;
        ++shown;
        ASSERT_EQ(grid.rowCount(), 2);
        EXPECT_EQ(grid.key(0), "Kolor tekstu");
        EXPECT_EQ(grid.key(1), "Nagłówek"_w) << "keys are translated";
        EXPECT_EQ(grid.Label1->caption(), "Parametr:");
        // Choosing pure red for the colour key writes #FF0000.
        answers.answerColor(true, 0x0000FF);
        grid.selectCell(0);
        grid.setValue(1, "Mój \"tytuł\""_w);
        form.setModalResult(2);  // closed without OK: the values are taken anyway
    });
    insert(m, "naglowek.ht");
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(f.calls.size(), 1u);
    EXPECT_EQ(f.calls[0], "InsertHTML:<H2 style=\"color: #FF0000\">Mój &quot;tytuł&quot;</H2><P>Mój &quot;tytuł&quot;Nagłówek</P>\r\n"_w);
    std::string content;
    EXPECT_TRUE(text::readFile(tmp / "Pagewright" / "webpages" / "moja" / "foto.gif", content));
    EXPECT_EQ(content, "site's own");
    EXPECT_FALSE(fs::exists(tmp / "evil.gif"));

    // No value macro: inserted without the grid.
    f.calls.clear();
    insert(m, "brak.ht");
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(f.calls.size(), 1u);
    EXPECT_EQ(f.calls[0], "InsertHTML:<P>Nagłówek</P>\r\n"_w);

    // A missing item inserts nothing and asks nothing.
    fs::remove(tmp / "Pagewright" / "data" / "library" / "T" / "brak.ht");
    f.calls.clear();
    insert(m, "brak.ht");
    EXPECT_TRUE(f.calls.empty());
    EXPECT_TRUE(answers.asked("message").empty());
}

// Twenty values: every row is reached (16 show at a time, the scroll bar
// and the arrow keys bring the rest into view), typed into, and Enter in the
// last cell takes what was typed and closes the grid.
TEST_F(Library, GridWithMoreRowsThanItShowsFillsThemAll) {
    std::string item, expected;
    for (int i = 1; i <= 20; ++i) {
        std::string n = (i < 10 ? "P0" : "P") + std::to_string(i);
        item += "<I>%(v" + n + ")%</I>";
        expected += "<I>w" + std::to_string(i) + "</I>";
    }
    TMainForm& m = start(programFolder({{"data/library/T/dlugi.ht", item}}));
    FakeFrame& f = openPage(m);
    open(m, "T");
    Tmacros_vals& grid = *all->macros_vals;
    forms::drive::setModalHook([&](forms::Form& form) {
        if (&form != &grid) return;
        ASSERT_EQ(grid.rowCount(), 20);
        EXPECT_TRUE(grid.scroll->visible());
        EXPECT_EQ(grid.scroll->max(), 4);
        EXPECT_EQ(grid.firstShownRow(), 0);
        // Rows 1..16 typed into with the keyboard, moving down with the arrow.
        for (int i = 0; i < 16; ++i) {
            forms::drive::typeText(*grid.valueCell(i), "w" + std::to_string(i + 1));
            forms::drive::pressKey(*grid.valueCell(i), 40);
        }
        EXPECT_TRUE(grid.valueCell(16)->hasFocus());
        EXPECT_EQ(grid.firstShownRow(), 1) << "the row moved to came into view";
        // The scroll bar shows the last rows.
        grid.scroll->setPosition(grid.scroll->max());
        EXPECT_EQ(grid.firstShownRow(), 4);
        for (int i = 16; i < 19; ++i) grid.setValue(i, "w" + std::to_string(i + 1));
        forms::drive::typeText(*grid.valueCell(19), "w20");
        forms::drive::pressKey(*grid.valueCell(19), 13);
    });
    insert(m, "dlugi.ht");
    ASSERT_EQ(f.calls.size(), 1u);
    EXPECT_EQ(f.calls[0], "InsertHTML:" + expected + "\r\n");
    EXPECT_EQ(grid.modalResult(), 1) << "Enter is OK";
}

TEST_F(Library, MediaItemsGoToTheFrameDialogs) {
    TMainForm& n = start(programFolder({{"data/library/M/a.jpg", "not really"},
                                        {"data/library/M/b.swf", "swf"},
                                        {"data/library/M/c.wav", "wav"},
                                        {"data/library/M/d.txt", "txt"}}));
    // The insert button is off while no document is open.
    EXPECT_FALSE(n.SpeedButton12->enabled());
    FakeFrame& f = openPage(n);
    open(n, "M");
    std::string dir = n.app_dir + "data\\library\\M\\";
    insert(n, "a.jpg");
    insert(n, "b.swf");
    insert(n, "c.wav");
    insert(n, "d.txt");
    EXPECT_EQ(f.calls, (std::vector<std::string>{"EditImage:" + dir + "a.jpg", "EditFlash:" + dir + "b.swf",
                                                 "SpeedButton8Click"}));
    auto* soundFile = dynamic_cast<forms::TextBox*>(all->insert_snd->find("Edit1"));
    ASSERT_NE(soundFile, nullptr);
    EXPECT_EQ(soundFile->text(), dir + "c.wav") << "the sound dialog's file field is set before its command";
    // Open in the default program: not for clip items.
    n.ListView4->setSelectedIndex(find(*n.ListView4, "d.txt"));
    forms::drive::click(*n.SpeedButton10);
    EXPECT_EQ(answers.asked("shell").size(), 1u);
}

TEST_F(Library, ShippedItemsAreClipItemsWithPreviewsAndSafeMacros) {
    TMainForm& m = start(shippedFolder());
    int clips = 0;
    for (int i = 0; i < 3; ++i) {
        ASSERT_GE(m.ListView3->count(), 1);
        m.ListView3->setSelectedIndex(i);
        std::string folder = m.ListView3->caption(i);
        m.ListView3DblClick();
        ASSERT_GT(m.ListView4->count(), 0) << folder;
        for (int k = 0; k < m.ListView4->count(); ++k) {
            std::string item = m.ListView4->caption(k);
            EXPECT_EQ(ClipLibrary::insertKind(item), ClipLibrary::Insert::Clip) << item;
            fs::path file = files::realPath(m.lib_dir + item);
            EXPECT_TRUE(fs::exists(file.string() + ".bmp")) << item << " has a preview";
            m.ListView4->setSelectedIndex(k);
            std::string raw;
            ASSERT_TRUE(text::readFile(file, raw));
            ClipMacros clip(raw, same);
            for (const std::string& c : clip.files()) {
                EXPECT_TRUE(ClipMacros::safeRelativeName(c));
                EXPECT_TRUE(fs::exists(files::realPath(m.app_dir + "data\\lib_res\\" + c))) << c;
            }
            std::vector<std::string> names;
            macro_names(raw, names);
            for (const std::string& n : names) EXPECT_TRUE(!n.empty() && std::string("tvc").find(n[0]) != std::string::npos) << n;
            ++clips;
        }
        EXPECT_FALSE(m.Image2->empty()) << folder << ": the preview of the last item shows";
        // back to the root
        m.ListView3->setSelectedIndex(m.ListView3->count() - 1);
        m.ListView3DblClick();
    }
    EXPECT_GE(clips, 4);
}

}  // namespace

namespace {

TEST_F(Library, AnAddressKeyTakesTheLinkDialogsAddressAndAColourKeyTheColour) {
    TMainForm& m = start(programFolder({{"data/library/L/link.ht", "<A href=\"%(vAdres strony)%\">%(vKOLOR i Adres)%</A>"}}));
    FakeFrame& f = openPage(m);
    open(m, "L");
    Tmacros_vals& grid = *all->macros_vals;
    std::vector<std::string> dialogs;
    forms::drive::setModalHook([&](forms::Form& form) {
        dialogs.push_back(form.name());
        if (&form == all->linkinsert.get()) {
            all->linkinsert->edit971->setText("http://example.org/?a=1&b=2");
            form.setModalResult(dialogs.size() == 2 ? 1 : 2);  // the second key's link dialog is cancelled
            return;
        }
        answers.answerColor(true, 0x00FF0000);
        grid.selectCell(0);
        grid.selectCell(1);  // colour first, then the link dialog, cancelled: the colour stays
        form.setModalResult(1);
    });
    insert(m, "link.ht");
    EXPECT_EQ(dialogs, (std::vector<std::string>{"Tmacros_vals", "Tlinkinsert", "Tlinkinsert"}));
    ASSERT_EQ(f.calls.size(), 1u);
    EXPECT_EQ(f.calls[0], "InsertHTML:<A href=\"http://example.org/?a=1&amp;b=2\">#0000FF</A>\r\n");
}

}  // namespace
