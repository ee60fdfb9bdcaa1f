// Sites, pages and document windows driven through the editor's windows,
// headless: the site dialog, the site chooser, the new page dialog, the page
// and media lists with their commands, and the document windows' saving and
// close questions. Document windows hold a stand-in frame that keeps the page
// as text and reads and writes the real file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <filesystem>

#include "files/FileSystem.h"
#include "forms/Action.h"
#include "forms/Application.h"
#include "forms/Drive.h"
#include "forms/ImageView.h"
#include "forms/Label.h"
#include "forms/ListView.h"
#include "forms/ListViewDrive.h"
#include "forms/MenuItem.h"
#include "forms/Panel.h"
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "forms/StatusBar.h"
#include "forms/TextBox.h"
#include "forms/ToolButton.h"
#include "pageeditor/IEditorFrame.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/app/Tdocnew.h"
#include "pageeditor/app/Tpageedit.h"
#include "pageeditor/app/Tpageopen.h"
#include "pageeditor/core/PageDocument.h"
#include "registry/Registry.h"
#include "text/CodePage.h"
#include "text/LineFile.h"
#include "text/Paths.h"

using namespace pageeditor;
using namespace text::literals;
namespace fs = std::filesystem;

namespace {

// The page as text: loaded from and saved to the real file.
class PageFrameStub : public forms::Component, public IEditorFrame {
public:
    PageFrameStub(forms::Form& f, std::string name) : forms::Component(f, std::move(name)) {}
    std::string html;
    bool dirty = false;
    std::vector<std::string> calls;

    void type(const std::string& more) {
        html += more;
        dirty = true;
    }

    bool LoadDocument(const std::string& page) override {
        dirty = false;
        return text::readFile(files::realPath(page), html);
    }
    bool SaveDocument(const std::string& page) override {
        if (!text::writeFile(files::realPath(page), html)) return false;
        dirty = false;
        return true;
    }
    bool changed() const override { return dirty; }
    void clearModified() override {}
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
    void SpeedButton8Click() override {}
    void SpeedButton11Click() override {}
    void btnUser4Click() override {}
    void DHTMLondblclick() override {}
    void SpeedButton1Click() override {}
    bool cutEnabled() const override { return false; }
    bool copyEnabled() const override { return false; }
    bool pasteEnabled() const override { return false; }
    void InsertHTML(const std::string& h) override { calls.push_back("InsertHTML:" + h); }
    void EditLink(const std::string& p) override { calls.push_back("EditLink:" + p); }
    void EditImage(const std::string& p) override { calls.push_back("EditImage:" + p); }
    void EditFlash(const std::string& p) override { calls.push_back("EditFlash:" + p); }
    bool MouseOverEditor() const override { return false; }
};

fs::path shippedFolder() { return fs::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "Pagewright"; }

class SitesUi : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "pagewright_sites_tests";
        static char* argv[] = {arg0, nullptr};
        static forms::Application* app = new forms::Application(argc, argv);  // lives to the end of the run
        (void)app;
        setEditorFrameFactory([](forms::Form& w) { return w.add<PageFrameStub>("HTMLEdit1"); });
    }

    void SetUp() override {
        tmp = fs::temp_directory_path() / ("pw_sites_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(tmp);
        // The shipped data tree, without webpages\: the state of a first run.
        dir = tmp / "Pagewright";
        fs::create_directories(dir);
        fs::copy(shippedFolder() / "data", dir / "data", fs::copy_options::recursive);
        registry::setPath(tmp / "registry");
        forms::setModal(&answers);
        forms::drive::setModalHook([this](forms::Form& f) { nextStep(f); });
        forms::Application::clearEndRequest();
        TMainForm::setProgramFolder(dir.string());
        all = std::make_unique<EditorForms>();
        all->createAll();
        all->MainForm->show();
        forms::drive::processEvents();
        m = all->MainForm.get();
    }

    void TearDown() override {
        EXPECT_TRUE(steps.empty()) << steps.size() << " dialog steps were never reached";
        all.reset();
        forms::setModal(nullptr);
        forms::drive::setModalHook(nullptr);
        forms::Application::clearEndRequest();
        registry::setPath({});
        fs::remove_all(tmp);
    }

    // What the user does in the next modal dialog; it must close the dialog.
    void inDialog(forms::Form& form, std::function<void()> act) { steps.push_back({&form, std::move(act)}); }
    void nextStep(forms::Form& f) {
        forms::drive::processEvents();
        if (steps.empty()) {
            ADD_FAILURE() << "unexpected dialog " << f.name();
            f.setModalResult(2);
            return;
        }
        auto [form, act] = std::move(steps.front());
        steps.pop_front();
        EXPECT_EQ(form, &f) << "expected " << form->name() << ", got " << f.name();
        act();
        shoot(f);
        if (f.modalResult() == 0) {
            ADD_FAILURE() << f.name() << " left open";
            f.setModalResult(2);
        }
    }
    // Pictures of the dialogs, when a folder for them is named.
    void shoot(forms::Form& f) {
        if (const char* out = std::getenv("PAGEWRIGHT_SCREENSHOTS"))
            forms::drive::saveScreenshot(f, (fs::path(out) / (f.name() + "_" + std::to_string(++shots) + ".png")).string());
    }

    Tpageedit& pageedit() { return *all->pageedit; }
    Tpageopen& pageopen() { return *all->pageopen; }
    Tdocnew& docnew() { return *all->docnew; }

    // The site dialog filled in and confirmed with OK.
    void newSiteDialog(const std::string& name, const std::string& author = "Ala") {
        inDialog(pageedit(), [this, name, author] {
            pageedit().Edit971->setText(name);
            pageedit().Edit972->setText(author);
            pageedit().SpeedButton1->press();
        });
    }
    // The new page dialog: the title, the file name (when shown), a template, OK.
    void newPageDialog(const std::string& title, const std::string& file, const std::string& tpl = "Klasyczny") {
        inDialog(docnew(), [this, title, file, tpl] {
            Tdocnew& d = docnew();
            if (!title.empty()) d.Edit971->setText(title);  // else as prepared
            if (d.Edit972->visible()) d.Edit972->setText(file);
            selectCaption(*d.ListView1, tpl);
            d.SpeedButton1->press();
        });
    }
    static int indexOf(const forms::ListView& l, const std::string& caption) {
        for (int i = 0; i < l.count(); ++i)
            if (l.caption(i) == caption) return i;
        ADD_FAILURE() << "no item " << caption;
        return -1;
    }
    static void selectCaption(forms::ListView& l, const std::string& caption) { l.setSelectedIndex(indexOf(l, caption)); }
    static std::vector<std::string> captions(const forms::ListView& l) {
        std::vector<std::string> out;
        for (int i = 0; i < l.count(); ++i) out.push_back(l.caption(i));
        return out;
    }
    // A site made through the dialogs, its first page from a template.
    void makeSite(const std::string& name) {
        newSiteDialog(name);
        newPageDialog("", "");
        m->FileNew1->execute();
        forms::drive::processEvents();
        ASSERT_EQ(m->site_name, name);
    }
    PageFrameStub& frameOf(TMDIChild* w) {
        EXPECT_NE(w, nullptr);
        return *dynamic_cast<PageFrameStub*>(w->HTMLEdit1);
    }
    std::string read(const fs::path& rel) const {
        std::string s;
        text::readFile(dir / rel, s);
        return s;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& a : answers.asked("message")) out.push_back(a.text);
        return out;
    }

    fs::path tmp, dir;
    forms::ScriptedAnswers answers;
    std::unique_ptr<EditorForms> all;
    TMainForm* m = nullptr;
    std::deque<std::pair<forms::Form*, std::function<void()>>> steps;
    int shots = 0;
};

}  // namespace

TEST_F(SitesUi, NewUserMakesASiteEditsItsPagesPreviewsAndDeletesASite) {
    ASSERT_FALSE(fs::exists(dir / "webpages"));
    EXPECT_FALSE(m->Panel1->visible());

    // A new site: the settings dialog, then the first page at once.
    inDialog(pageedit(), [this] {
        Tpageedit& d = pageedit();
        EXPECT_EQ(d.caption(), "Ustawienia projektu strony:");
        forms::drive::typeText(*d.Edit971, "Wycieczki");
        forms::drive::typeText(*d.Edit972, "Ala Kot");
        d.Edit973->setText("ala@example.com");
        d.Edit976->setText("tajne");
        forms::drive::pressKey(*d.Edit977, forms::key::Return);  // Enter is OK
    });
    inDialog(docnew(), [this] {
        Tdocnew& d = docnew();
        EXPECT_EQ(d.Edit971->text(), "Wycieczki") << "a first page takes the site's name as its title";
        EXPECT_EQ(d.Edit972->text(), "index");
        EXPECT_FALSE(d.Edit972->visible());
        EXPECT_FALSE(d.Label2->visible());
        EXPECT_EQ(captions(*d.ListView1), (std::vector<std::string>{"Klasyczny", "Nowoczesny", "Pastelowy"}));
        EXPECT_TRUE(d.Image2->empty());
        selectCaption(*d.ListView1, "Klasyczny");
        EXPECT_FALSE(d.Image2->empty()) << "the template's thumbnail is shown";
        d.SpeedButton1->press();
    });
    m->ToolButton15->click();
    forms::drive::processEvents();

    fs::path site = dir / "webpages" / "Wycieczki";
    ASSERT_TRUE(fs::is_directory(site / "data"));
    EXPECT_EQ(m->site_name, "Wycieczki");
    EXPECT_TRUE(m->Panel1->visible());
    EXPECT_EQ(read("webpages/Wycieczki/project.prj"),
              "[project]\r\nauthor=Ala Kot\r\nname=Wycieczki\r\nemail=ala@example.com\r\nhost=\r\nuser=\r\n"
              "pass=tajne\r\ndir=\r\n");
    struct stat st{};
    ASSERT_EQ(::stat((site / "project.prj").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600) << "the password is readable by its owner only";
    EXPECT_TRUE(fs::exists(site / "data" / "klasyczny.css")) << "the template's media came with the page";
    std::string page = read("webpages/Wycieczki/index.html");
    EXPECT_NE(page.find("<TITLE>Wycieczki</TITLE>"), std::string::npos);
    EXPECT_EQ(page.find("${TITLE}"), std::string::npos);
    EXPECT_EQ(captions(*m->ListView1), std::vector<std::string>{"index.html"});
    EXPECT_EQ(m->ListView2->count(), 0) << "media copied with a page show at the next refill";

    // The page is open: edit and save it.
    ASSERT_EQ(m->documentWindows().size(), 1u);
    TMDIChild* w = m->activeDocument();
    EXPECT_EQ(w->caption(), "index.html");
    EXPECT_TRUE(m->Zapisz1->enabled());
    frameOf(w).type("<P>Mazury</P>");
    m->Zapisz1->click();
    EXPECT_EQ(m->StatusBar->simpleText(), "Zapisano.");
    EXPECT_NE(read("webpages/Wycieczki/index.html").find("<P>Mazury</P>"), std::string::npos);
    m->Zamknij1->click();
    forms::drive::processEvents();
    EXPECT_TRUE(m->documentWindows().empty());
    EXPECT_FALSE(m->Zapisz1->enabled()) << "the last window closed: document commands off";
    EXPECT_TRUE(messages().empty()) << "a saved page closes without a question";

    // Opened again from the page list.
    m->ListView1->setSelectedIndex(0);
    m->SpeedButton5->press();
    forms::drive::processEvents();
    ASSERT_EQ(m->documentWindows().size(), 1u);
    EXPECT_NE(frameOf(m->activeDocument()).html.find("<P>Mazury</P>"), std::string::npos);

    // A second page, with Polish letters in its title.
    inDialog(docnew(), [this] {
        Tdocnew& d = docnew();
        EXPECT_TRUE(d.Edit972->visible());
        EXPECT_EQ(d.Edit972->text(), "") << "the file name starts empty";
        d.Edit971->setText("Jeziora i ścieżki"_w);
        d.Edit972->setText("jeziora");
        selectCaption(*d.ListView1, "Pastelowy");
        d.SpeedButton1->press();
    });
    m->SpeedButton3->press();
    forms::drive::processEvents();
    EXPECT_EQ(captions(*m->ListView1), (std::vector<std::string>{"index.html", "jeziora.html"}));
    ASSERT_EQ(m->documentWindows().size(), 2u);
    EXPECT_EQ(m->activeDocument()->caption(), "jeziora.html");
    std::string second = read("webpages/Wycieczki/jeziora.html");
    EXPECT_NE(second.find("Jeziora i \xB6" "cie\xBF" "ki"), std::string::npos) << "written in ISO-8859-2 letters";
    shoot(*m);

    // Preview: the page is saved, so no question; the browser gets its file.
    m->ToolButton16->click();
    ASSERT_EQ(answers.asked("shell").size(), 1u);
    EXPECT_EQ(answers.asked("shell")[0].title, "open");
    EXPECT_EQ(fs::path(answers.asked("shell")[0].text), site / "jeziora.html");
    EXPECT_TRUE(messages().empty());

    // A second site, then the first one deleted in the site chooser while it
    // is not the open one.
    makeSite("Inna");
    EXPECT_EQ(m->documentWindows().size(), 3u);
    inDialog(pageopen(), [this] {
        Tpageopen& d = pageopen();
        EXPECT_EQ(captions(*d.ListView1), (std::vector<std::string>{"Inna", "Wycieczki"}));
        selectCaption(*d.ListView1, "Wycieczki");
        answers.answerMessage(6);
        d.SpeedButton3->press();
        EXPECT_EQ(captions(*d.ListView1), std::vector<std::string>{"Inna"});
        d.SpeedButton2->press();
    });
    m->FileOpen1->execute();
    EXPECT_FALSE(fs::exists(site));
    EXPECT_EQ(m->site_name, "Inna");
    EXPECT_EQ(messages().back(), m->tr("Czy chcesz usunąć wybraną stronę i wszystkie jej pliki? (Operacja nie jest odwracalna)"_w));
}

TEST_F(SitesUi, SiteDialogKeepsItselfOpenForABadOrTakenName) {
    makeSite("Stara");
    std::string taken = m->tr("Nie można utworzyć strony o takiej nazwie, ponieważ już ona występuje."_w);
    std::string bad = m->tr("Nie podałeś nazwy strony, lub zawiera ona nieprawidłowe znaki (\" , | * ?)"_w);
    struct Case {
        const char* name;
        const char* message;  // nullptr: accepted
    } cases[] = {
        {"Stara", "taken"}, {"", "bad"},       {"a/b", "bad"},      {"..", "bad"},      {"a\\b", "bad"},
        {"x,y", "bad"},     {"it's", "bad"},   {"a*", "bad"},       {"a?", "bad"},      {"a|b", "bad"},
        {"\"q\"", "bad"},   {"c:d", "bad"},    {"a..b", "bad"},     {"Moja strona", nullptr},
    };
    for (const auto& c : cases) {
        for (bool byEnter : {false, true}) {
            answers.clear();
            int result = -1;
            inDialog(pageedit(), [&] {
                Tpageedit& d = pageedit();
                d.Edit971->setText(c.name);
                if (byEnter)
                    forms::drive::pressKey(*d.Edit971, forms::key::Return);
                else
                    d.SpeedButton1->press();
                result = d.modalResult();
                if (result == 0) d.SpeedButton2->press();
            });
            EXPECT_EQ(pageedit().showModal(), c.message ? 2 : 1) << c.name;
            EXPECT_EQ(result, c.message ? 0 : 1) << c.name << (byEnter ? " by Enter" : " by OK");
            if (!c.message) {
                EXPECT_TRUE(answers.asked("message").empty());
                continue;
            }
            ASSERT_EQ(answers.asked("message").size(), 1u) << c.name;
            const auto asked = answers.asked("message")[0];
            bool isTaken = std::string(c.message) == "taken";
            EXPECT_EQ(asked.text, isTaken ? taken : bad) << c.name;
            EXPECT_EQ(asked.flags, isTaken ? 64 : 48) << c.name;
        }
    }
    // Nothing was made outside webpages\ and no site of a bad name exists.
    std::vector<std::string> sites;
    for (const auto& e : fs::directory_iterator(dir / "webpages")) sites.push_back(e.path().filename().string());
    EXPECT_EQ(sites, std::vector<std::string>{"Stara"});
    EXPECT_FALSE(fs::exists(dir / "a")) << "no folder beside webpages";

    // Cancel makes nothing, and the password is masked.
    inDialog(pageedit(), [this] {
        pageedit().Edit971->setText("Nowa");
        forms::drive::pressKey(*pageedit().Edit971, forms::key::Escape);
    });
    m->FileNew1->execute();
    EXPECT_FALSE(fs::exists(dir / "webpages" / "Nowa"));
    EXPECT_EQ(pageedit().Edit971->text(), "Nowa") << "the dialog keeps what it showed last";
}

TEST_F(SitesUi, SettingsEditorShowsTheOpenSiteAndKeepsItsName) {
    makeSite("Moja");
    fs::path prj = dir / "webpages" / "Moja" / "project.prj";
    // Another key in the file stays when the settings are saved.
    text::writeFile(prj, read("webpages/Moja/project.prj") + "extra=1\r\n");
    inDialog(pageedit(), [this] {
        Tpageedit& d = pageedit();
        EXPECT_EQ(d.Edit971->text(), "Moja");
        EXPECT_EQ(d.Edit972->text(), "Ala");
        EXPECT_FALSE(d.nameEditable());
        d.Edit974->setText("ftp.example.com");
        d.Edit975->setText("ala");
        d.SpeedButton1->press();  // the name exists, but it is the site's own
    });
    m->SpeedButton1->press();
    EXPECT_TRUE(answers.asked("message").empty());
    EXPECT_EQ(m->GetPageVal("Moja", "host"), "ftp.example.com");
    EXPECT_EQ(m->GetPageVal("Moja", "user"), "ala");
    EXPECT_EQ(m->GetPageVal("Moja", "extra"), "1");
    EXPECT_TRUE(pageedit().nameEditable()) << "a new site may be named again";

    // Cancel writes nothing.
    inDialog(pageedit(), [this] {
        pageedit().Edit974->setText("inny");
        pageedit().SpeedButton2->press();
    });
    m->SpeedButton1->press();
    EXPECT_EQ(m->GetPageVal("Moja", "host"), "ftp.example.com");
}

// The site dialog keeps what it showed last, but never a password: not the
// one of the last new site, nor the one of the open site's settings.
TEST_F(SitesUi, ANewSiteNeverShowsAnotherSitesPassword) {
    inDialog(pageedit(), [this] {
        Tpageedit& d = pageedit();
        d.Edit971->setText("Pierwsza");
        d.Edit974->setText("ftp.example.com");
        d.Edit975->setText("ala");
        d.Edit976->setText("tajne1");
        d.SpeedButton1->press();
    });
    newPageDialog("", "");
    m->FileNew1->execute();
    forms::drive::processEvents();
    ASSERT_EQ(m->GetPageVal("Pierwsza", "pass"), "tajne1");
    for (const char* opened : {"after a new site", "after the settings of the open site"}) {
        if (std::string(opened) == "after the settings of the open site") {
            inDialog(pageedit(), [this] {
                EXPECT_EQ(pageedit().Edit976->text(), "tajne1");  // the open site's own
                pageedit().SpeedButton2->press();
            });
            m->SpeedButton1->press();
        }
        inDialog(pageedit(), [this, opened] {
            Tpageedit& d = pageedit();
            EXPECT_EQ(d.Edit976->text(), "") << opened;
            EXPECT_EQ(d.Edit974->text(), "ftp.example.com") << opened;
            EXPECT_TRUE(d.nameEditable()) << opened;
            d.SpeedButton2->press();
        });
        m->FileNew1->execute();
        forms::drive::processEvents();
    }
}

TEST_F(SitesUi, SiteChooserOpensOnlyASelectedSite) {
    makeSite("Pierwsza");
    makeSite("Druga");
    fs::create_directories(dir / "webpages" / ".ukryta");
    for (TMDIChild* w : m->documentWindows()) w->unload();
    forms::drive::processEvents();

    // OK without a selection is Cancel; Cancel and Esc open nothing.
    inDialog(pageopen(), [this] { pageopen().SpeedButton1->press(); });
    m->FileOpen1->execute();
    inDialog(pageopen(), [this] {
        selectCaption(*pageopen().ListView1, "Pierwsza");
        forms::drive::pressKey(*pageopen().ListView1, forms::key::Escape);
    });
    m->FileOpen1->execute();
    EXPECT_EQ(m->site_name, "Druga");

    // Enter opens the selected site, with its lists.
    inDialog(pageopen(), [this] {
        EXPECT_EQ(captions(*pageopen().ListView1), (std::vector<std::string>{".ukryta", "Druga", "Pierwsza"}))
            << "a leading dot hides no site";
        selectCaption(*pageopen().ListView1, "Pierwsza");
        forms::drive::pressKey(*pageopen().ListView1, forms::key::Return);
    });
    m->FileOpen1->execute();
    EXPECT_EQ(m->site_name, "Pierwsza");
    EXPECT_EQ(captions(*m->ListView1), std::vector<std::string>{"index.html"});
    EXPECT_TRUE(m->documentWindows().empty()) << "a site with a page opens no window";

    // A double click opens too.
    inDialog(pageopen(), [this] {
        forms::drive::doubleClickItem(*pageopen().ListView1, indexOf(*pageopen().ListView1, "Druga"));
    });
    m->FileOpen1->execute();
    EXPECT_EQ(m->site_name, "Druga");
}

TEST_F(SitesUi, DeletingTheOpenSiteClosesItsWindowsFirst) {
    makeSite("Jedna");
    frameOf(m->activeDocument()).type("zmiana");
    // No to the site question keeps everything.
    inDialog(pageopen(), [this] {
        selectCaption(*pageopen().ListView1, "Jedna");
        answers.answerMessage(7);
        pageopen().SpeedButton3->press();
        pageopen().SpeedButton2->press();
    });
    m->FileOpen1->execute();
    EXPECT_TRUE(fs::exists(dir / "webpages" / "Jedna"));
    EXPECT_EQ(m->documentWindows().size(), 1u);

    // Cancel on the page's own question keeps the site and its window.
    inDialog(pageopen(), [this] {
        selectCaption(*pageopen().ListView1, "Jedna");
        answers.answerMessage(6);
        answers.answerMessage(2);
        pageopen().SpeedButton3->press();
        EXPECT_EQ(captions(*pageopen().ListView1), std::vector<std::string>{"Jedna"});
        pageopen().SpeedButton2->press();
    });
    m->FileOpen1->execute();
    EXPECT_TRUE(fs::exists(dir / "webpages" / "Jedna" / "index.html"));
    EXPECT_EQ(m->documentWindows().size(), 1u);
    EXPECT_EQ(m->site_name, "Jedna");

    // Yes, then No to saving: the window closes, the site goes, nothing is open.
    inDialog(pageopen(), [this] {
        selectCaption(*pageopen().ListView1, "Jedna");
        answers.answerMessage(6);
        answers.answerMessage(7);
        pageopen().SpeedButton3->press();
        EXPECT_TRUE(captions(*pageopen().ListView1).empty());
        pageopen().SpeedButton2->press();
    });
    m->FileOpen1->execute();
    forms::drive::processEvents();
    EXPECT_FALSE(fs::exists(dir / "webpages" / "Jedna"));
    EXPECT_TRUE(m->documentWindows().empty());
    EXPECT_TRUE(m->site_name.empty());
    EXPECT_FALSE(m->Panel1->visible());
    EXPECT_FALSE(m->Zapisz1->enabled());
    EXPECT_EQ(m->ListView1->count(), 0);
    m->SpeedButton3Click();  // no site: the new-page command does nothing
}

TEST_F(SitesUi, DeletingASiteThatIsNoLongerOpenClosesTheWindowsOfItsPages) {
    makeSite("Stara");
    TMDIChild* old = m->activeDocument();
    frameOf(old).type("zmiana");
    makeSite("Nowa");
    ASSERT_EQ(m->documentWindows().size(), 2u);
    TMDIChild* current = m->activeDocument();
    inDialog(pageopen(), [this] {
        selectCaption(*pageopen().ListView1, "Stara");
        answers.answerMessage(6);  // delete the site
        answers.answerMessage(7);  // do not save its changed page
        pageopen().SpeedButton3->press();
        pageopen().SpeedButton2->press();
    });
    m->FileOpen1->execute();
    forms::drive::processEvents();
    EXPECT_FALSE(fs::exists(dir / "webpages" / "Stara"));
    EXPECT_EQ(m->documentWindows(), std::vector<TMDIChild*>{current}) << "only the deleted site's window closed";
    EXPECT_EQ(answers.asked("message").size(), 2u);
    EXPECT_EQ(m->site_name, "Nowa");
    EXPECT_TRUE(m->Panel1->visible());
    EXPECT_TRUE(m->Zapisz1->enabled());
}

TEST_F(SitesUi, NewPageDialogChecksAndCancel) {
    makeSite("Strona");
    std::string exists = m->tr("Nie można utworzyć dokumentu ponieważ taki plik już istnieje"_w);
    std::string choose = m->tr("Musisz wybrać szablon graficzny, oraz ustalić nazwę pliku."_w);
    struct Case {
        const char* file;
        bool pickTemplate;
        std::string message;
    } cases[] = {
        {"index", true, exists},   {"", true, choose},        {"nowa", false, choose},
        {"../wyjdz", true, choose}, {"a\\b", true, choose},    {"a:b", true, choose},
    };
    for (const auto& c : cases) {
        answers.clear();
        std::string before = read("webpages/Strona/index.html");
        inDialog(docnew(), [&] {
            Tdocnew& d = docnew();
            d.Edit971->setText("Tytuł"_w);
            d.Edit972->setText(c.file);
            if (c.pickTemplate) selectCaption(*d.ListView1, "Nowoczesny");
            d.SpeedButton1->press();
            EXPECT_EQ(d.modalResult(), 0) << c.file << ": the dialog stays open";
            d.SpeedButton2->press();
        });
        m->SpeedButton3->press();
        EXPECT_EQ(messages(), std::vector<std::string>{c.message}) << c.file;
        EXPECT_EQ(read("webpages/Strona/index.html"), before) << c.file;
    }
    EXPECT_EQ(captions(*m->ListView1), std::vector<std::string>{"index.html"});
    EXPECT_FALSE(fs::exists(dir / "webpages" / "wyjdz.html"));

    // Cancel with good fields: no message, no page; Esc cancels the same way.
    // A template without a thumbnail leaves the last one shown.
    answers.clear();
    fs::create_directories(dir / "data" / "templates" / "Bez obrazka");
    text::writeFile(dir / "data" / "templates" / "Bez obrazka" / "index.html", "<title>${TITLE}</title>");
    inDialog(docnew(), [this] {
        docnew().Edit972->setText("nowa");
        selectCaption(*docnew().ListView1, "Nowoczesny");
        ASSERT_FALSE(docnew().Image2->empty());
        selectCaption(*docnew().ListView1, "Bez obrazka");
        EXPECT_FALSE(docnew().Image2->empty());
        docnew().SpeedButton2->press();
    });
    m->SpeedButton3->press();
    inDialog(docnew(), [this] { forms::drive::pressKey(*docnew().ListView1, forms::key::Escape); });
    m->ToolButton17->click();
    EXPECT_TRUE(answers.asked("message").empty());
    EXPECT_FALSE(fs::exists(dir / "webpages" / "Strona" / "nowa.html"));

    // A double click on a template is OK.
    inDialog(docnew(), [this] {
        docnew().Edit972->setText("druga");
        forms::drive::doubleClickItem(*docnew().ListView1, indexOf(*docnew().ListView1, "Nowoczesny"));
    });
    m->Dodajdokumentdostrony1->click();
    EXPECT_TRUE(fs::exists(dir / "webpages" / "Strona" / "druga.html"));
    EXPECT_EQ(captions(*m->ListView1), (std::vector<std::string>{"druga.html", "index.html"}));
}

TEST_F(SitesUi, PageAndMediaListCommandsActOnTheSelectedItem) {
    makeSite("Media");
    fs::path data = dir / "webpages" / "Media" / "data";
    fs::copy_file(dir / "data" / "templates" / "Klasyczny" / "thumb.bmp", data / "foto.bmp");
    for (const char* name : {"FOTO.JPG", "film.swf", "opis.txt", "menu.ht.bmp", "x.CLASS.bmp", "stare.prj"})
        text::writeFile(data / name, "x");
    text::writeFile(dir / "webpages" / "Media" / "notatki.txt", "x");
    m->page_open("Media");
    EXPECT_EQ(captions(*m->ListView1), (std::vector<std::string>{"index.html", "notatki.txt"}));
    struct Icon {
        const char* name;
        int image;
    } icons[] = {{"film.swf", 4}, {"foto.bmp", 1}, {"FOTO.JPG", 1}, {"klasyczny.css", 1}, {"opis.txt", 6}};
    ASSERT_EQ(m->ListView2->count(), 5) << "previews and project files are not listed";
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(m->ListView2->caption(i), icons[i].name);
        EXPECT_EQ(m->ListView2->imageIndex(i), icons[i].image) << icons[i].name;
    }
    EXPECT_EQ(m->ListView1->imageIndex(1), 6);
    EXPECT_EQ(m->ListView1->imageIndex(0), 0);

    PageFrameStub& f = frameOf(m->activeDocument());
    std::string site = m->app_dir + "webpages\\Media\\";
    // Without a selection nothing happens.
    m->ListView2->setSelectedIndex(-1);
    m->ListView1->setSelectedIndex(-1);
    for (forms::SpeedButton* b : {m->SpeedButton4, m->SpeedButton5, m->SpeedButton9, m->SpeedButton6,
                                  m->SpeedButton7, m->SpeedButton8})
        b->press();
    EXPECT_TRUE(f.calls.empty());
    EXPECT_TRUE(answers.asked().empty());

    struct Insert {
        const char* name;
        forms::SpeedButton* button;
        forms::MenuItem* item;
        std::string call;  // empty: nothing
    } inserts[] = {
        {"foto.bmp", m->SpeedButton6, nullptr, "EditImage:" + site + "data\\foto.bmp"},
        {"film.swf", nullptr, m->Wstawdodokumentu1, "EditFlash:" + site + "data\\film.swf"},
        {"FOTO.JPG", m->SpeedButton6, nullptr, ""},
        {"opis.txt", nullptr, m->Wstawodnonikdopliku1, "EditLink:data\\opis.txt"},
    };
    for (const auto& c : inserts) {
        f.calls.clear();
        selectCaption(*m->ListView2, c.name);
        if (c.button) c.button->press();
        else c.item->click();
        EXPECT_EQ(f.calls, c.call.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.call}) << c.name;
    }
    f.calls.clear();
    selectCaption(*m->ListView1, "index.html");
    m->SpeedButton9->press();
    EXPECT_EQ(f.calls, std::vector<std::string>{"EditLink:" + site + "index.html"});

    // The preview shows a picture and keeps it for a file that is none.
    m->Image1->clear();
    selectCaption(*m->ListView2, "foto.bmp");
    EXPECT_FALSE(m->Image1->empty());
    selectCaption(*m->ListView2, "opis.txt");
    EXPECT_FALSE(m->Image1->empty());

    // Open in the default program: media by button, double click and menu;
    // a page that is no HTML from the edit command too.
    answers.clear();
    selectCaption(*m->ListView2, "opis.txt");
    m->SpeedButton8->press();
    forms::drive::doubleClickItem(*m->ListView2, indexOf(*m->ListView2, "opis.txt"));
    m->Otwrz2->click();
    selectCaption(*m->ListView1, "notatki.txt");
    m->SpeedButton5->press();
    m->Otwrz1->click();
    auto shells = answers.asked("shell");
    ASSERT_EQ(shells.size(), 5u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(fs::path(shells[i].text), data / "opis.txt");
    for (int i = 3; i < 5; ++i) EXPECT_EQ(fs::path(shells[i].text), dir / "webpages" / "Media" / "notatki.txt");
    EXPECT_EQ(m->documentWindows().size(), 1u) << "a file that is no page opens no window";
    m->activeDocument()->closeWithoutQuestion();
    forms::drive::processEvents();
    forms::drive::doubleClickItem(*m->ListView1, indexOf(*m->ListView1, "index.html"));
    forms::drive::processEvents();
    ASSERT_EQ(m->documentWindows().size(), 1u) << "a double click on a page opens it";

    // Delete: No keeps the file; Yes removes it and refills the list.
    answers.clear();
    selectCaption(*m->ListView2, "opis.txt");
    answers.answerMessage(7);
    m->SpeedButton7->press();
    EXPECT_TRUE(fs::exists(data / "opis.txt"));
    selectCaption(*m->ListView2, "opis.txt");  // the list was refilled
    answers.answerMessage(6);
    m->Usuplik1->click();
    EXPECT_FALSE(fs::exists(data / "opis.txt"));
    EXPECT_EQ(captions(*m->ListView2), (std::vector<std::string>{"film.swf", "foto.bmp", "FOTO.JPG", "klasyczny.css"}));
    selectCaption(*m->ListView1, "index.html");
    answers.answerMessage(6);
    m->SpeedButton4->press();
    EXPECT_EQ(captions(*m->ListView1), std::vector<std::string>{"notatki.txt"});
    EXPECT_EQ(messages().back(), m->tr("Czy chcesz usunąć trwale ten plik? Ta operacja nie jest odwracalna."_w));
    EXPECT_EQ(m->documentWindows().size(), 1u) << "the window of a deleted page stays open";
}

TEST_F(SitesUi, DocumentWindowsSaveTheirOwnPagesAndAskOnClosing) {
    makeSite("Okna");
    newPageDialog("Druga", "druga");
    m->SpeedButton3->press();
    ASSERT_EQ(m->documentWindows().size(), 2u);
    TMDIChild* first = m->documentWindows()[0];
    TMDIChild* second = m->documentWindows()[1];
    frameOf(first).html = "pierwsza";
    frameOf(first).dirty = true;
    frameOf(second).html = "druga";
    frameOf(second).dirty = true;

    // A copy leaves the page's own file unsaved: closing still asks.
    m->Zapiszkopi1->click();
    EXPECT_EQ(read("webpages/Okna/Kopia druga.html"), "druga");
    EXPECT_NE(read("webpages/Okna/druga.html"), "druga");
    EXPECT_EQ(m->StatusBar->simpleText(), "Zapisano.");
    EXPECT_EQ(second->document->file_path(), m->app_dir + "webpages\\Okna\\druga.html");
    EXPECT_EQ(captions(*m->ListView1), (std::vector<std::string>{"druga.html", "index.html"}))
        << "the page list is not refilled for a copy";
    answers.answerMessage(2);
    m->Zamknij1->click();
    forms::drive::processEvents();
    ASSERT_EQ(answers.asked("message").size(), 1u);
    EXPECT_EQ(answers.asked("message")[0].flags, 35);
    EXPECT_EQ(m->documentWindows().size(), 2u) << "Cancel keeps the window";

    // The window's own pop-up item saves its page.
    frameOf(first).html = "pierwsza";
    first->Zapisz1->click();
    EXPECT_EQ(read("webpages/Okna/index.html"), "pierwsza");
    frameOf(first).type(" zmieniona");

    // Closing the program asks both windows in turn; each saves its own page.
    answers.clear();
    for (int answer : {6, 6, 6}) answers.answerMessage(answer);
    m->FileExit1->execute();
    ASSERT_EQ(answers.asked("message").size(), 3u);
    EXPECT_EQ(read("webpages/Okna/index.html"), "pierwsza zmieniona");
    EXPECT_EQ(read("webpages/Okna/druga.html"), "druga");
    EXPECT_TRUE(forms::Application::endRequested());
}

TEST_F(SitesUi, PreviewOfAChangedPageAsksToSaveFirst) {
    makeSite("Podgląd łąki"_w);
    PageFrameStub& f = frameOf(m->activeDocument());
    for (int answer : {7, 6}) {
        answers.clear();
        f.html = answer == 6 ? "tak" : "nie";
        f.dirty = true;
        answers.answerMessage(answer);
        m->Podgldwprzegldarce1->click();
        EXPECT_EQ(answers.asked("message").size(), 1u);
        ASSERT_EQ(answers.asked("shell").size(), 1u) << "the browser opens after No too";
        // The shell gets the page's real path as the program's text, Polish
        // letters included.
        EXPECT_EQ(answers.asked("shell")[0].text, text::pathText(dir / "webpages" / "Podgląd łąki" / "index.html"));
        EXPECT_EQ(text::toPath(answers.asked("shell")[0].text), dir / "webpages" / "Podgląd łąki" / "index.html");
        EXPECT_EQ(read(fs::path("webpages") / "Podgląd łąki" / "index.html") == "tak", answer == 6);
    }
}
