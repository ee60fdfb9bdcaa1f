// The editor's start-up and main window, driven headless: the order of the
// forms, the site and document command groups, the commands forwarded to the
// active document's frame, the exit question, the input and keywords
// dialogs, and start-up without its data files.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "files/FileSystem.h"
#include "forms/Action.h"
#include "forms/ActionList.h"
#include "forms/Application.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/ListView.h"
#include "forms/MdiArea.h"
#include "forms/MenuItem.h"
#include "forms/Panel.h"
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "forms/Drive.h"
#include "forms/TextBox.h"
#include "forms/ToolButton.h"
#include "pageeditor/IEditorFrame.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/dialogs/FileChooser.h"
#include "pageeditor/app/FormPlacement.h"
#include "pageeditor/dialogs/LanguagePack.h"
#include "pageeditor/app/TAboutBox.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/dialogs/Tdlgfrm.h"
#include "pageeditor/dialogs/Tkeyform.h"
#include "pageeditor/app/Tprog.h"
#include "forms/ImageView.h"
#include "registry/BrowserVersion.h"
#include "registry/Registry.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace pageeditor;
using namespace text::literals;
namespace fs = std::filesystem;

namespace {

// A stand-in for the editor frame: records what the main window asks of it.
class FakeFrame : public forms::Component, public IEditorFrame {
public:
    FakeFrame(forms::Form& f, std::string name) : forms::Component(f, std::move(name)) {}
    std::vector<std::string> calls;
    // Pages saved by any frame, kept after the frames are gone.
    static inline std::vector<std::string> saved;
    bool cut = false, copy = false, paste = false, dirty = false, mod = true;
    static inline bool loads = true;  // what LoadDocument answers

    void MenuUndo() override { calls.push_back("MenuUndo"); }
    void CutSelection() override { calls.push_back("CutSelection"); }
    void btnCopyClick() override { calls.push_back("btnCopyClick"); }
    void btnPasteClick() override { calls.push_back("btnPasteClick"); }
    void btnFindClick() override {
        calls.push_back("btnFindClick");
        if (failFind) throw std::runtime_error("find failed");
    }
    bool failFind = false;
    void btnImageClick() override { calls.push_back("btnImageClick"); }
    void SpeedButton3Click() override { calls.push_back("SpeedButton3Click"); }
    void SpeedButton9Click() override { calls.push_back("SpeedButton9Click"); }
    void SpeedButton7Click() override { calls.push_back("SpeedButton7Click"); }
    void SpeedButton10Click() override { calls.push_back("SpeedButton10Click"); }
    void SpeedButton8Click() override { calls.push_back("SpeedButton8Click"); }
    void SpeedButton11Click() override { calls.push_back("SpeedButton11Click"); }
    void btnUser4Click() override { calls.push_back("btnUser4Click"); }
    void DHTMLondblclick() override { calls.push_back("DHTMLondblclick"); }
    void SpeedButton1Click() override { calls.push_back("SpeedButton1Click"); }
    bool cutEnabled() const override { return cut; }
    bool copyEnabled() const override { return copy; }
    bool pasteEnabled() const override { return paste; }
    void InsertHTML(const std::string& html) override { calls.push_back("InsertHTML:" + html); }
    void EditLink(const std::string& p) override { calls.push_back("EditLink:" + p); }
    void EditImage(const std::string& p) override { calls.push_back("EditImage:" + p); }
    void EditFlash(const std::string& p) override { calls.push_back("EditFlash:" + p); }
    bool LoadDocument(const std::string& p) override {
        calls.push_back("LoadDocument:" + p);
        return loads;
    }
    bool SaveDocument(const std::string& p) override {
        calls.push_back("SaveDocument:" + p);
        saved.push_back(p);
        dirty = false;
        return true;
    }
    bool changed() const override { return dirty; }
    void clearModified() override { mod = false; }
    bool MouseOverEditor() const override { return false; }
};

fs::path shippedFolder() { return fs::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "Pagewright"; }

class MainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "pagewright_mainwindow_tests";
        static char* argv[] = {arg0, nullptr};
        static forms::Application* app = new forms::Application(argc, argv);  // lives to the end of the run
        (void)app;
        setEditorFrameFactory([](forms::Form& w) { return w.add<FakeFrame>("HTMLEdit1"); });
    }

    void SetUp() override {
        tmp = fs::temp_directory_path() / ("pw_main_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(tmp);
        fs::create_directories(tmp);
        registry::setPath(tmp / "registry");
        forms::setModal(&answers);
        forms::Application::clearEndRequest();
        forms::Application::setTitle("Sitecraft");
    }

    void TearDown() override {
        all.reset();
        forms::setModal(nullptr);
        forms::drive::setModalHook(nullptr);
        forms::Application::clearEndRequest();
        registry::setPath({});
        fs::remove_all(tmp);
    }

    // A program folder with the given data files (relative name, content).
    fs::path programFolder(std::vector<std::pair<std::string, std::string>> files) {
        fs::path dir = tmp / "Pagewright";
        fs::create_directories(dir / "data" / "library");
        for (auto& [name, content] : files) {
            fs::create_directories((dir / name).parent_path());
            text::writeFile(dir / name, content);
        }
        return dir;
    }

    // Creates every form from `folder` and shows the main window.
    TMainForm& start(const fs::path& folder) {
        TMainForm::setProgramFolder(folder.string());
        all = std::make_unique<EditorForms>();
        all->createAll();
        all->MainForm->show();
        forms::drive::processEvents();
        return *all->MainForm;
    }

    FakeFrame& openDocument(TMainForm& m, const std::string& path) {
        TMDIChild* d = m.doc_open(path);
        forms::drive::processEvents();
        EXPECT_NE(d, nullptr);
        EXPECT_EQ(d->caption(), path.substr(path.find_last_of('\\') + 1));
        auto* f = dynamic_cast<FakeFrame*>(d->HTMLEdit1);
        f->calls.clear();
        return *f;
    }

    fs::path tmp;
    forms::ScriptedAnswers answers;
    std::unique_ptr<EditorForms> all;
};

const std::vector<std::string> kFormOrder = {
    "TMainForm", "TAboutBox", "Tpageedit", "Tpageopen",   "Tdocnew", "Tinsertimg",  "Tlinkinsert",
    "Tdlgfrm",   "Tinstbl",   "Tmacros_vals", "Tpubf", "Tprog",      "Tkeyform",    "Tbgset",
    "Tbody",     "Tflashins", "Tinsert_snd", "Tmarquee", "Tmovie",   "Tiframe"};

}  // namespace

TEST_F(MainWindow, StartsFromTheShippedFolderWithEveryFormInItsOrder) {
    TMainForm& m = start(shippedFolder());
    std::vector<std::string> names;
    for (forms::Form* f : all->owned()) {
        names.push_back(f->name());
        EXPECT_TRUE(f->isLoaded()) << f->name();
    }
    EXPECT_EQ(names, kFormOrder);
    EXPECT_EQ(forms::Application::title(), "Sitecraft");
    EXPECT_EQ(m.caption(), "Sitecraft");
    EXPECT_TRUE(m.visible());
    EXPECT_EQ(m.app_dir.back(), '\\');
    EXPECT_EQ(m.lib_dir, m.app_dir + "data\\library\\");
    EXPECT_EQ(m.tr("Pytanie:"), "Pytanie:") << "the shipped message list is loaded";
    EXPECT_EQ(m.tr("Czy chcesz usunąć trwale ten plik? Ta operacja nie jest odwracalna."_w),
              "Czy chcesz trwale usunąć ten plik? Tej operacji nie można cofnąć."_w);
    // The library list shows the shipped folders, with the folder picture.
    ASSERT_EQ(m.ListView3->count(), 3);
    EXPECT_EQ(m.ListView3->caption(0), "Ozdobniki");
    EXPECT_EQ(m.ListView3->caption(2), "Teksty");
    EXPECT_EQ(m.ListView3->imageIndex(0), 2);
    // Dialogs stay hidden; the progress window is not shown at start.
    EXPECT_FALSE(all->prog->visible());
    EXPECT_EQ(all->dlgfrm->name(), "Tdlgfrm");
}

TEST_F(MainWindow, TheShippedPackAddressesRealComponentsAndKeepsTheirCaptions) {
    TMainForm& m = start(shippedFolder());
    std::vector<std::string> lines;
    ASSERT_TRUE(text::readLines(shippedFolder() / "data" / "lang" / "pl" / "transui.lng", lines));
    auto owned = all->owned();
    int triples = 0;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (lines[i] != "#Win:") continue;
        forms::Form& f = *owned.at(std::stoul(lines[i + 1]));
        EXPECT_EQ(f.caption(), lines[i + 2]) << f.name();
        for (i += 4; lines[i] != "}"; i += 3) {
            std::size_t k = std::stoul(lines[i]);
            ASSERT_LT(k, f.components().size()) << f.name();
            forms::Component& c = *f.components()[k];
            std::string caption;
            if (auto* mi = dynamic_cast<forms::MenuItem*>(&c)) caption = mi->caption();
            else if (auto* a = dynamic_cast<forms::Action*>(&c)) caption = a->caption();
            else if (auto* t = dynamic_cast<forms::ToolButton*>(&c)) caption = t->caption();
            else if (auto* s = dynamic_cast<forms::SpeedButton*>(&c)) caption = s->caption();
            else if (auto* l = dynamic_cast<forms::Label*>(&c)) caption = l->caption();
            else if (auto* b = dynamic_cast<forms::CommandButton*>(&c)) caption = b->caption();
            else if (auto* k = dynamic_cast<forms::CheckBox*>(&c)) caption = k->caption();
            else if (auto* d = dynamic_cast<FileChooser*>(&c)) caption = d->filter;
            else if (auto* box = dynamic_cast<forms::ComboBox*>(&c)) {
                std::vector<std::string> items;
                for (int n = 0; n < box->listCount(); ++n) items.push_back(box->list(n));
                caption = joinCommaText(items);
            } else if (dynamic_cast<forms::Panel*>(&c) == nullptr && c.name().rfind("TabSheet", 0) != 0)
                ADD_FAILURE() << f.name() << " component " << k << " (" << c.name() << ") is of no pack class";
            if (!caption.empty() || dynamic_cast<forms::Label*>(&c))
                EXPECT_EQ(caption, dynamic_cast<forms::Label*>(&c)
                                       ? std::regex_replace(lines[i + 1], std::regex("\\|"), "\n")
                                       : lines[i + 1])
                    << c.name();
            ++triples;
        }
    }
    EXPECT_GT(triples, 60);
    EXPECT_EQ(m.Zapisz1->caption(), "Zapi&sz dokument");
}

TEST_F(MainWindow, TheShippedPackCoversEveryCaptionOfEveryForm) {
    // Every component that shows a caption or hint of a pack class is
    // re-captioned by the shipped pack: what a writer writes for it (a menu
    // item bound to a command shows the command's caption) must be there.
    start(shippedFolder());
    std::vector<std::string> lines;
    ASSERT_TRUE(text::readLines(shippedFolder() / "data" / "lang" / "pl" / "transui.lng", lines));
    std::set<std::pair<std::size_t, std::size_t>> covered;
    for (std::size_t i = 2; i + 1 < lines.size(); ++i) {
        if (lines[i] != "#Win:") continue;
        std::size_t form = std::stoul(lines[i + 1]);
        for (i += 4; i < lines.size() && lines[i] != "}"; i += 3) covered.insert({form, std::stoul(lines[i])});
    }
    fs::path saved = tmp / "saved.lng";
    auto owned = all->owned();
    SaveLANG(files::platformName(saved), owned);
    std::vector<std::string> live;
    ASSERT_TRUE(text::readLines(saved, live));
    for (std::size_t i = 2; i + 1 < live.size(); ++i) {
        if (live[i] != "#Win:") continue;
        std::size_t form = std::stoul(live[i + 1]);
        for (i += 4; i + 2 < live.size() && live[i] != "}"; i += 3) {
            if (live[i + 1].empty() && live[i + 2].empty()) continue;  // nothing to re-caption
            std::size_t k = std::stoul(live[i]);
            EXPECT_TRUE(covered.count({form, k}))
                << owned[form]->name() << " component " << k << " (" << owned[form]->components()[k]->name()
                << ") \"" << live[i + 1] << "\" is not in the shipped pack";
        }
    }
}

TEST_F(MainWindow, CommandGroupsFollowTheSiteAndTheDocuments) {
    TMainForm& m = start(programFolder({{"data/lang/pl/trans.msg", ""}}));
    std::vector<forms::MenuItem*> siteItems = {m.PrzygotujstronjakoprezentacjnaCD1, m.Publikujstronwsieci1,
                                               m.Eksportujplikistronydokatalogu1, m.Dodajdokumentdostrony1};
    std::vector<forms::MenuItem*> docItems = {m.Element1, m.Wstaw1,  m.Szukaj1, m.Cofnij1, m.Wstawdat1,
                                              m.Podgldwprzegldarce1, m.Zapisz1, m.Zamknij1, m.Wstawdodokumentu1,
                                              m.Wstawodnonikdopliku1, m.Wstawodnonik1};
    std::vector<forms::ToolButton*> siteButtons = {m.ToolButton12, m.ToolButton17};
    std::vector<forms::ToolButton*> docButtons = {m.ToolButton16, m.ToolButton9, m.ToolButton2};
    std::vector<forms::SpeedButton*> docSpeed = {m.SpeedButton12, m.SpeedButton9, m.SpeedButton6};
    auto check = [&](bool site, bool doc, bool copy, const char* when) {
        for (auto* i : siteItems) EXPECT_EQ(i->enabled(), site) << when << " " << i->name();
        for (auto* b : siteButtons) EXPECT_EQ(b->enabled(), site) << when << " " << b->name();
        for (auto* i : docItems) EXPECT_EQ(i->enabled(), doc) << when << " " << i->name();
        for (auto* b : docButtons) EXPECT_EQ(b->enabled(), doc) << when << " " << b->name();
        for (auto* b : docSpeed) EXPECT_EQ(b->enabled(), doc) << when << " " << b->name();
        EXPECT_EQ(m.Zapiszkopi1->enabled(), copy) << when;
        EXPECT_EQ(m.Panel1->visible(), site) << when;
        // Commands that need neither stay on.
        EXPECT_TRUE(m.FileNew1->enabled() && m.FileOpen1->enabled() && m.FileExit1->enabled() &&
                    m.HelpAbout1->enabled())
            << when;
    };
    check(false, false, false, "no site, no document");
    m.enable(1);
    check(true, false, true, "a site, no document");
    openDocument(m, "C:\\a.html");
    check(true, true, true, "a site and a document");
    openDocument(m, "C:\\b.html");
    m.Zamknij1->click();  // closes the active window: one is left
    forms::drive::processEvents();
    check(true, true, true, "one of two documents closed");
    m.Zamknij1->click();
    forms::drive::processEvents();
    EXPECT_TRUE(m.documentWindows().empty());
    check(true, false, false, "the last document closed");
    m.enable(0);
    check(false, false, false, "site commands off");
}

TEST_F(MainWindow, EditCommandsFollowTheActiveFrame) {
    TMainForm& m = start(programFolder({{"data/lang/pl/trans.msg", ""}}));
    m.ActionList1->updateAll();
    EXPECT_FALSE(m.EditCut1->enabled());
    EXPECT_FALSE(m.EditCopy1->enabled());
    EXPECT_FALSE(m.EditPaste1->enabled());
    m.EditCopy1->execute();  // disabled: nothing happens, nothing breaks

    FakeFrame& f = openDocument(m, "C:\\a.html");
    f.copy = true;
    m.ActionList1->updateAll();
    EXPECT_FALSE(m.EditCut1->enabled());
    EXPECT_TRUE(m.EditCopy1->enabled());
    EXPECT_FALSE(m.EditPaste1->enabled());
    f.cut = f.paste = true;
    m.ActionList1->updateAll();
    EXPECT_TRUE(m.EditCut1->enabled() && m.EditPaste1->enabled());
    EXPECT_TRUE(m.WindowCascade1->enabled());

    // The frame sets the client size of its document window (the page-size choice).
    TMDIChild& w = *m.activeDocument();
    m.MdiArea1->setChildClientSize(w, 640, 400);
    forms::drive::processEvents();
    EXPECT_EQ(w.clientWidth(), 640);
    EXPECT_EQ(w.clientHeight(), 400);
}

TEST_F(MainWindow, MenuCommandsReachTheActiveFrameOnly) {
    TMainForm& m = start(programFolder({{"data/lang/pl/trans.msg", ""}}));
    struct Case {
        forms::MenuItem* item;
        const char* call;
    } cases[] = {
        {m.Cofnij1, "MenuUndo"},           {m.Wytnij1, "CutSelection"},        {m.Kopiuj1, "btnCopyClick"},
        {m.Wklej1, "btnPasteClick"},       {m.Szukaj1, "btnFindClick"},        {m.Obrazek1, "btnImageClick"},
        {m.Obrazekjakoto1, "SpeedButton3Click"}, {m.Animowanytekst1, "SpeedButton9Click"},
        {m.AnimacjFlash1, "SpeedButton7Click"},  {m.Film1, "SpeedButton10Click"},
        {m.Muzykdwik1, "SpeedButton8Click"},     {m.abelk1, "SpeedButton11Click"},
        {m.Pywajcwarstw1, "btnUser4Click"},      {m.Wa1, "DHTMLondblclick"},
        {m.Odnonik1, "SpeedButton1Click"},
    };
    // Without a document every command is a no-op.
    for (const auto& c : cases) c.item->click();

    FakeFrame& first = openDocument(m, "C:\\a.html");
    FakeFrame& second = openDocument(m, "C:\\b.html");
    first.cut = first.copy = first.paste = second.cut = second.copy = second.paste = true;
    m.ActionList1->updateAll();
    for (const auto& c : cases) {
        second.calls.clear();
        c.item->click();
        ASSERT_EQ(second.calls.size(), 1u) << c.call;
        EXPECT_EQ(second.calls[0], c.call);
    }
    EXPECT_TRUE(first.calls.empty()) << "only the active window's frame is asked";

    // The insert-date command puts the date text at the caret.
    second.calls.clear();
    m.Wstawdat1->click();
    ASSERT_EQ(second.calls.size(), 1u);
    EXPECT_TRUE(std::regex_match(second.calls[0], std::regex("InsertHTML:[^ ]+ - \\d\\d\\.\\d\\d\\.\\d{4}, \\d\\d\\.\\d\\d")))
        << second.calls[0];

    // An error inside a command ends that command silently: no message, the
    // window goes on.
    second.failFind = true;
    answers.clear();
    m.Szukaj1->click();
    EXPECT_TRUE(answers.asked().empty());
    second.failFind = false;
    m.Szukaj1->click();
    EXPECT_EQ(second.calls.back(), "btnFindClick");

    // Save writes the page to its own path and clears the modified flag;
    // a copy goes beside it, named "Kopia ...".
    second.calls.clear();
    m.ToolButton2->click();
    m.Zapiszkopi1->click();
    EXPECT_EQ(second.calls, (std::vector<std::string>{"SaveDocument:C:\\b.html", "SaveDocument:C:\\Kopia b.html"}));
    EXPECT_FALSE(second.mod);
}

TEST_F(MainWindow, APageThatDoesNotLoadLeavesNoWindow) {
    TMainForm& m = start(programFolder({{"data/lang/pl/trans.msg", ""}}));
    FakeFrame::loads = false;
    EXPECT_EQ(m.doc_open("C:\\broken.html"), nullptr);
    FakeFrame::loads = true;
    forms::drive::processEvents();
    EXPECT_TRUE(m.documentWindows().empty());
    EXPECT_TRUE(m.MdiArea1->children().empty());
    EXPECT_FALSE(m.Zapisz1->enabled());
}

// Two windows of one page would each save over what was typed in the other:
// opening a page that has a window brings that window back instead.
TEST_F(MainWindow, APageHasOneWindowAndOpeningItAgainActivatesIt) {
    TMainForm& m = start(programFolder({{"data/lang/pl/trans.msg", ""},
                                        {"webpages/moja/project.prj", "[project]\r\nname=moja\r\n"},
                                        {"webpages/moja/index.html", "<p>O nas</p>"},
                                        {"webpages/moja/oferta.html", "<p>Oferta</p>"}}));
    ASSERT_TRUE(m.page_open("moja"));
    ASSERT_EQ(m.ListView1->count(), 2);
    auto openFromList = [&](int item) {
        m.ListView1->setSelectedIndex(item);
        m.SpeedButton5Click();
        forms::drive::processEvents();
    };
    openFromList(0);
    TMDIChild* index = m.activeDocument();
    ASSERT_NE(index, nullptr);
    auto* typedIn = dynamic_cast<FakeFrame*>(index->HTMLEdit1);
    typedIn->dirty = true;
    openFromList(1);
    TMDIChild* oferta = m.activeDocument();
    ASSERT_NE(oferta, index);
    const std::string indexPath = m.app_dir + "webpages\\moja\\index.html";
    struct Case {
        const char* how;
        std::function<TMDIChild*()> open;
    } cases[] = {
        {"from the page list", [&] { openFromList(0); return m.activeDocument(); }},
        {"by its name", [&] { return m.doc_open(indexPath); }},
        {"by another name of the same file", [&] { return m.doc_open(m.app_dir + "webpages\\moja\\.\\index.html"); }},
        {"by its name in other letters", [&] { return m.doc_open(m.app_dir + "webpages\\moja\\INDEX.Html"); }},
        {"after another program saved it anew, renaming its new file into place",
         [&] {
             const fs::path file = files::realPath(indexPath);
             EXPECT_TRUE(text::writeFile(file.string() + ".new", "<p>O nas, zapisane gdzie indziej</p>"));
             fs::rename(file.string() + ".new", file);
             openFromList(0);
             return m.activeDocument();
         }},
    };
    for (const auto& c : cases) {
        m.MdiArea1->activateChild(*oferta);
        forms::drive::processEvents();
        typedIn->calls.clear();
        EXPECT_EQ(c.open(), index) << c.how;
        forms::drive::processEvents();
        EXPECT_EQ(m.documentWindows().size(), 2u) << c.how;
        EXPECT_EQ(m.activeDocument(), index) << c.how;
        EXPECT_EQ(m.documents.active(), index->document) << c.how;
        EXPECT_TRUE(typedIn->calls.empty()) << c.how << ": the page was loaded again over what was typed";
        EXPECT_TRUE(typedIn->dirty) << c.how;
    }
    // Saved, it goes to its one file; closed, the page opens afresh.
    m.Zapisz1Click();
    EXPECT_EQ(typedIn->calls, std::vector<std::string>{"SaveDocument:" + indexPath});
    index->closeWithoutQuestion();
    forms::drive::processEvents();
    ASSERT_EQ(m.documentWindows().size(), 1u);
    TMDIChild* again = m.doc_open(indexPath);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(m.documentWindows().size(), 2u);
    EXPECT_EQ(dynamic_cast<FakeFrame*>(again->HTMLEdit1)->calls,
              std::vector<std::string>{"LoadDocument:" + indexPath});
}

// A page deleted from the page list keeps its window, which is no longer
// that page's: a new page made under its name opens in a window of its own.
TEST_F(MainWindow, ADeletedPagesWindowIsNotTheWindowOfANewPageOfItsName) {
    TMainForm& m = start(programFolder({{"data/lang/pl/trans.msg", ""},
                                        {"webpages/moja/project.prj", "[project]\r\nname=moja\r\n"},
                                        {"webpages/moja/index.html", "<p>O nas</p>"},
                                        {"webpages/moja/oferta.html", "<p>Oferta</p>"}}));
    ASSERT_TRUE(m.page_open("moja"));
    const std::string oferta = m.app_dir + "webpages\\moja\\oferta.html";
    TMDIChild* old = m.doc_open(oferta);
    ASSERT_NE(old, nullptr);
    forms::drive::processEvents();
    m.ListView1->setSelectedIndex(1);
    ASSERT_EQ(m.ListView1->caption(1), "oferta.html");
    answers.answerMessage(6);
    m.SpeedButton4Click();
    forms::drive::processEvents();
    ASSERT_FALSE(fs::exists(files::realPath(oferta)));
    EXPECT_EQ(m.documentWindows().size(), 1u) << "the window of a deleted page stays open";
    EXPECT_EQ(m.documents.find(oferta), nullptr);

    // Made again under its name (in other letters, too): a fresh window.
    ASSERT_TRUE(text::writeFile(files::realPath(oferta), "<p>Nowa oferta</p>"));
    TMDIChild* made = m.doc_open(m.app_dir + "webpages\\moja\\Oferta.html");
    ASSERT_NE(made, nullptr);
    EXPECT_NE(made, old);
    EXPECT_EQ(m.documentWindows().size(), 2u);
    EXPECT_EQ(dynamic_cast<FakeFrame*>(made->HTMLEdit1)->calls,
              std::vector<std::string>{"LoadDocument:" + m.app_dir + "webpages\\moja\\Oferta.html"});
    m.MdiArea1->activateChild(*old);
    forms::drive::processEvents();
    EXPECT_EQ(m.doc_open(oferta), made);
    EXPECT_EQ(m.activeDocument(), made);
    EXPECT_EQ(m.documentWindows().size(), 2u);

    // That window closed, the page saved from the old one is its page again.
    made->closeWithoutQuestion();
    forms::drive::processEvents();
    ASSERT_EQ(m.activeDocument(), old);
    m.Zapisz1Click();
    EXPECT_EQ(dynamic_cast<FakeFrame*>(old->HTMLEdit1)->calls.back(), "SaveDocument:" + oferta);
    EXPECT_EQ(m.doc_open(m.app_dir + "webpages\\moja\\OFERTA.html"), old);
    EXPECT_EQ(m.documentWindows().size(), 1u);
}

// A copy saved onto a page that another window holds is not written: that
// window comes to the front, and the user is told why.
TEST_F(MainWindow, ACopyOntoAPageOpenInAnotherWindowBringsThatWindowBack) {
    TMainForm& m = start(programFolder({{"data/lang/pl/trans.msg", ""},
                                        {"webpages/moja/index.html", "<p>O nas</p>"},
                                        {"webpages/moja/Kopia index.html", "<p>Kopia</p>"}}));
    TMDIChild* copy = m.doc_open(m.app_dir + "webpages\\moja\\Kopia index.html");
    TMDIChild* page = m.doc_open(m.app_dir + "webpages\\moja\\index.html");
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(page, nullptr);
    forms::drive::processEvents();
    ASSERT_EQ(m.activeDocument(), page);
    auto* frame = dynamic_cast<FakeFrame*>(page->HTMLEdit1);
    frame->calls.clear();
    m.Zapiszkopi1Click();
    forms::drive::processEvents();
    EXPECT_TRUE(frame->calls.empty()) << frame->calls.front();
    EXPECT_EQ(m.activeDocument(), copy);
    ASSERT_EQ(answers.asked("message").size(), 1u);
    EXPECT_EQ(answers.asked("message")[0].text,
              "Dokument Kopia index.html jest otwarty w innym oknie. Zamknij tamto okno, zanim zapiszesz go tutaj."_w);
}

TEST_F(MainWindow, ExitAsksEveryUnsavedPageFirstThenTheExitQuestion) {
    TMainForm& m = start(programFolder({{"data/lang/pl/trans.msg", ""}}));
    FakeFrame& a = openDocument(m, "C:\\a.html");
    openDocument(m, "C:\\b.html");
    a.dirty = true;

    // Cancel on the page's question: nothing closes and no exit question.
    answers.answerMessage(2);
    m.FileExit1->execute();
    EXPECT_EQ(m.documentWindows().size(), 2u);
    EXPECT_FALSE(forms::Application::endRequested());
    ASSERT_EQ(answers.asked("message").size(), 1u);
    EXPECT_EQ(answers.asked("message")[0].text, "Edytowany plik nie jest zapisany. Czy chcesz go zapisać?"_w);
    EXPECT_EQ(answers.asked("message")[0].flags, 35);

    // No to the page (not saved), No to the exit question: every window stays.
    answers.clear();
    answers.answerMessage(7);
    answers.answerMessage(7);
    m.FileExit1->execute();
    EXPECT_EQ(answers.asked("message").size(), 2u);
    EXPECT_EQ(answers.asked("message")[1].text, "Czy zakończyć działanie aplikacji?"_w);
    EXPECT_EQ(answers.asked("message")[1].flags, 36);
    EXPECT_EQ(m.documentWindows().size(), 2u);
    EXPECT_TRUE(m.isLoaded());
    EXPECT_FALSE(forms::Application::endRequested());
    EXPECT_TRUE(a.calls.empty());

    // Yes saves the page, Yes to the exit question ends the program without
    // asking the windows again.
    answers.clear();
    answers.answerMessage(6);
    answers.answerMessage(6);
    FakeFrame::saved.clear();
    m.FileExit1->execute();
    EXPECT_EQ(answers.asked("message").size(), 2u);
    EXPECT_EQ(FakeFrame::saved, (std::vector<std::string>{"C:\\a.html"})) << "only the changed page is saved";
    EXPECT_TRUE(forms::Application::endRequested());
    EXPECT_TRUE(m.documentWindows().empty());
}

TEST_F(MainWindow, ExitWithoutPagesAsksOnlyTheExitQuestion) {
    TMainForm& m = start(programFolder({{"data/lang/pl/trans.msg", "Pytanie:\r\nPytanie!\r\n"}}));
    answers.answerMessage(7);
    forms::drive::closeByUser(m);
    EXPECT_TRUE(m.isLoaded());
    ASSERT_EQ(answers.asked("message").size(), 1u);
    EXPECT_EQ(answers.asked("message")[0].title, "Pytanie!") << "the title passes through the message list";
    answers.answerMessage(6);
    forms::drive::closeByUser(m);
    EXPECT_TRUE(forms::Application::endRequested());
}

TEST_F(MainWindow, MissingMessageListLeavesTheProgramRunningUntranslated) {
    fs::path dir = programFolder({{"data/lang/pl/transui.lng", "header\r\nMój tytuł\r\n"_w}});
    fs::create_directories(dir / "data" / "library" / "Teksty");
    TMainForm& m = start(dir);
    EXPECT_TRUE(m.visible());
    EXPECT_EQ(m.tr("Pytanie:"), "Pytanie:");
    EXPECT_EQ(m.app_dir, files::platformName(dir) + "\\");
    // The show handler still runs: commands switched off, pack and library applied.
    EXPECT_FALSE(m.Zapisz1->enabled());
    EXPECT_EQ(forms::Application::title(), "Mój tytuł"_w);
    EXPECT_EQ(m.ListView3->count(), 1);
}

TEST_F(MainWindow, MissingLanguagePackLeavesTheLibraryListEmpty) {
    fs::path dir = programFolder({{"data/lang/pl/trans.msg", ""}});
    fs::create_directories(dir / "data" / "library" / "Teksty");
    TMainForm& m = start(dir);
    EXPECT_TRUE(m.visible());
    EXPECT_EQ(m.caption(), "Sitecraft");
    EXPECT_FALSE(m.Zapisz1->enabled()) << "the steps before the pack ran";
    EXPECT_EQ(m.ListView3->count(), 0) << "the steps after the failed pack are skipped";
}

TEST_F(MainWindow, BrowserVersionBelowSixAsksForTheKeyboardHook) {
    struct Case {
        const char* version;  // nullptr: no value
        bool wanted;
    } cases[] = {{"5.50.4134.0600", true}, {"6.0.2900", false}, {"11.0.9600", false}, {"", false}, {nullptr, false}};
    fs::path dir = programFolder({{"data/lang/pl/trans.msg", ""}});
    for (const auto& c : cases) {
        registry::store().deleteKey(registry::Hive::LocalMachine, registry::kBrowserKey);
        if (c.version)
            registry::store().setString(registry::Hive::LocalMachine, registry::kBrowserKey, registry::kBrowserValue,
                                        c.version);
        TMainForm& m = start(dir);
        EXPECT_EQ(m.keyboardHookWanted, c.wanted) << (c.version ? c.version : "(none)");
        all.reset();
    }
}

TEST_F(MainWindow, InputBoxGivesTheTextBlankPageOrTheOldValue) {
    start(programFolder({{"data/lang/pl/trans.msg", ""}}));
    Tdlgfrm& d = *all->dlgfrm;
    struct Case {
        const char* typed;
        int key;
        const char* before;
        const char* after;
    } cases[] = {
        {"Moja strona", forms::key::Return, "stary", "Moja strona"},
        {"", forms::key::Return, "stary", "about:blank"},
        {"Moja strona", forms::key::Escape, "stary", "stary"},
    };
    for (const auto& c : cases) {
        forms::drive::setModalHook([&](forms::Form& f) {
            ASSERT_EQ(&f, &d);
            EXPECT_EQ(d.caption(), "Podaj nowy tytuł:"_w);
            EXPECT_EQ(d.Label1->caption(), "Tytuł dokumentu:"_w);
            EXPECT_EQ(d.Edit1->text(), "domyślny"_w);
            EXPECT_EQ(d.Button1->caption(), "&OK");
            EXPECT_EQ(d.Button2->caption(), "&Anuluj");
            d.Edit1->setText(c.typed);
            // The form sees the key before the edit does.
            forms::drive::pressKey(*d.Edit1, c.key);
        });
        std::string result = c.before;
        d.input_box("Podaj nowy tytuł:"_w, "Tytuł dokumentu:"_w, result, "&Anuluj", "&OK", "domyślny"_w);
        EXPECT_EQ(result, c.after) << c.typed << " " << c.key;
    }
    // The buttons give the same results as the keys.
    forms::drive::setModalHook([&](forms::Form&) {
        d.Edit1->setText("z przycisku");
        d.Button1->press();
    });
    std::string result = "stary";
    d.input_box("a", "b", result, "Nie", "Tak", "");
    EXPECT_EQ(result, "z przycisku");
    forms::drive::setModalHook([&](forms::Form&) { d.Button2->press(); });
    d.input_box("a", "b", result, "Nie", "Tak", "inny");
    EXPECT_EQ(result, "z przycisku");
}

TEST_F(MainWindow, KeywordsDialogConfirmsWithEnterEvenInsideAMemo) {
    start(programFolder({{"data/lang/pl/trans.msg", ""}}));
    Tkeyform& k = *all->keyform;
    EXPECT_EQ(k.caption(), "Słowa kluczowe i opis dokumentu:"_w);
    k.Memo1->setText("strona, edytor");
    forms::drive::setModalHook([&](forms::Form&) {
        k.Memo1->setFocus();
        forms::drive::pressKey(*k.Memo1, forms::key::Return);
    });
    EXPECT_EQ(k.showModal(), 1);
    EXPECT_EQ(k.Memo1->text(), "strona, edytor") << "Enter started no new line";
    forms::drive::setModalHook([&](forms::Form&) { forms::drive::pressKey(*k.Memo2, forms::key::Escape); });
    EXPECT_EQ(k.showModal(), 2);
    forms::drive::setModalHook([&](forms::Form&) { k.SpeedButton1->press(); });
    EXPECT_EQ(k.showModal(), 1);
}

TEST_F(MainWindow, AboutBoxOpensTheMakersPagesAndClosesWithOk) {
    TMainForm& m = start(programFolder({{"data/lang/pl/trans.msg", ""}}));
    TAboutBox& a = *all->AboutBox;
    forms::drive::setModalHook([&](forms::Form&) {
        forms::drive::click(*a.Image8);
        forms::drive::click(*a.Image10);
        a.OKButton->press();
    });
    m.Oprogramie1->click();
    auto shells = answers.asked("shell");
    ASSERT_EQ(shells.size(), 2u);
    EXPECT_EQ(shells[0].text, TAboutBox::kHomePage);
    EXPECT_EQ(shells[1].text, TAboutBox::kHelpPage);
    EXPECT_EQ(a.modalResult(), 1);
}

TEST_F(MainWindow, PlacementAndPanelSizesComeBackAtTheNextStart) {
    fs::path dir = programFolder({{"data/lang/pl/trans.msg", ""}});
    {
        TMainForm& m = start(dir);
        m.setClientSize(900, 600);
        m.Panel1->resize(310, m.Panel1->height());
        m.ListView3->resize(m.ListView3->width(), 170);
        answers.answerMessage(6);
        m.FileExit1->execute();
        ASSERT_TRUE(forms::Application::endRequested());
        all.reset();
    }
    forms::Application::clearEndRequest();
    TMainForm& m = start(dir);
    EXPECT_EQ(m.clientWidth(), 900);
    EXPECT_EQ(m.clientHeight(), 600);
    EXPECT_EQ(m.Panel1->width(), 310);
    EXPECT_EQ(m.ListView3->height(), 170);
}

TEST(FormPlacementValues, NonsenseIsDroppedSoTheWindowOpensUsable) {
    struct Case {
        std::optional<int> left, top, width, height, panel;
        bool keepPosition, keepSize, keepPanel;
    } cases[] = {
        {100, 50, 800, 600, 250, true, true, true},
        {5000, 50, 800, 600, 250, false, true, true},   // off the screen to the right
        {100, -400, 800, 600, 250, false, true, true},  // title bar above the screen
        {100, 50, 10, 600, 250, true, false, true},     // too narrow to use
        {100, 50, 800, 600, 0, true, true, false},      // a panel of no size
        {100, 50, 800, 600, 99999, true, true, false},
    };
    for (const auto& c : cases) {
        FormPlacement p;
        p.left = c.left;
        p.top = c.top;
        p.width = c.width;
        p.height = c.height;
        p.panel1Width = c.panel;
        p.sanitize(1280, 800);
        EXPECT_EQ(p.left.has_value() && p.top.has_value(), c.keepPosition) << *c.left << "," << *c.top;
        EXPECT_EQ(p.width.has_value(), c.keepSize) << *c.width;
        EXPECT_EQ(p.panel1Width.has_value(), c.keepPanel) << *c.panel;
    }
}
