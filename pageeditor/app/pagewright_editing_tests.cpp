// A new user's first work with the real editor frame and its browser
// engine, headless: a site from the dialogs, its first page from a shipped
// template, typed into, saved, closed and opened again from the page list,
// a second page, its preview, and a site deleted.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <deque>
#include <filesystem>

#include "forms/Action.h"
#include "forms/Application.h"
#include "forms/Drive.h"
#include "forms/ListView.h"
#include "forms/MenuItem.h"
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/ToolButton.h"
#include "htmledit/EditControl.h"
#include "htmledit/TestApplication.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/TMDIChild.h"
#include "forms/ImageView.h"
#include "text/CaseRules.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/app/Tmacros_vals.h"
#include "pageeditor/app/Tdocnew.h"
#include "pageeditor/app/Tpageedit.h"
#include "pageeditor/app/Tpageopen.h"
#include "pageeditor/frame/EditorFrameInstall.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "registry/Registry.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace pageeditor;
using namespace text::literals;
namespace fs = std::filesystem;

namespace {

fs::path shippedFolder() { return fs::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "Pagewright"; }

class Editing : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        installEditorFrame();
    }

    void SetUp() override {
        tmp = fs::temp_directory_path() / ("pw_editing_" + std::to_string(::getpid()));
        fs::remove_all(tmp);
        dir = tmp / "Pagewright";
        fs::create_directories(dir);
        fs::copy(shippedFolder() / "data", dir / "data", fs::copy_options::recursive);
        registry::setPath(tmp / "registry");
        forms::setModal(&answers);
        forms::drive::setModalHook([this](forms::Form& f) {
            forms::drive::processEvents();
            ASSERT_FALSE(steps.empty()) << "unexpected dialog " << f.name();
            auto [form, act] = std::move(steps.front());
            steps.pop_front();
            EXPECT_EQ(form, &f);
            act();
            if (f.modalResult() == 0) f.setModalResult(2);
        });
        TMainForm::setProgramFolder(dir.string());
        all = std::make_unique<EditorForms>();
        all->createAll();
        all->MainForm->show();
        forms::drive::processEvents();
        m = all->MainForm.get();
    }

    void TearDown() override {
        EXPECT_TRUE(steps.empty());
        all.reset();
        forms::setModal(nullptr);
        forms::drive::setModalHook(nullptr);
        forms::Application::clearEndRequest();
        registry::setPath({});
        fs::remove_all(tmp);
    }

    void inDialog(forms::Form& form, std::function<void()> act) { steps.push_back({&form, std::move(act)}); }
    void newPageDialog(const std::string& title, const std::string& file, const std::string& tpl) {
        inDialog(*all->docnew, [this, title, file, tpl] {
            Tdocnew& d = *all->docnew;
            if (!title.empty()) d.Edit971->setText(title);  // else as prepared
            if (d.Edit972->visible()) d.Edit972->setText(file);
            select(*d.ListView1, tpl);
            d.SpeedButton1->press();
        });
    }
    static void select(forms::ListView& l, const std::string& caption) {
        for (int i = 0; i < l.count(); ++i)
            if (l.caption(i) == caption) return l.setSelectedIndex(i);
        ADD_FAILURE() << "no item " << caption;
    }
    // The active window's frame once its page has loaded.
    THTMLEdit& readyFrame() {
        TMDIChild* w = m->activeDocument();
        EXPECT_NE(w, nullptr);
        auto* f = dynamic_cast<THTMLEdit*>(w->HTMLEdit1);
        EXPECT_NE(f, nullptr);
        auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!f->DocumentReady && std::chrono::steady_clock::now() < until) forms::drive::processEvents();
        EXPECT_TRUE(f->DocumentReady) << "the page did not load";
        return *f;
    }
    std::string read(const fs::path& rel) const {
        std::string s;
        text::readFile(dir / rel, s);
        return s;
    }
    void shoot(forms::Form& f, const std::string& name) {
        if (const char* out = std::getenv("PAGEWRIGHT_SCREENSHOTS"))
            forms::drive::saveScreenshot(f, (fs::path(out) / (name + ".png")).string());
    }

    fs::path tmp, dir;
    forms::ScriptedAnswers answers;
    std::unique_ptr<EditorForms> all;
    TMainForm* m = nullptr;
    std::deque<std::pair<forms::Form*, std::function<void()>>> steps;
};

}  // namespace

TEST_F(Editing, NewUserMakesASiteAndItsPagesWithTheRealEditor) {
    inDialog(*all->pageedit, [this] {
        all->pageedit->Edit971->setText("Wakacje");
        all->pageedit->Edit972->setText("Ola");
        all->pageedit->SpeedButton1->press();
    });
    newPageDialog("", "", "Nowoczesny");
    m->FileNew1->execute();
    ASSERT_EQ(m->site_name, "Wakacje");

    THTMLEdit& first = readyFrame();
    EXPECT_FALSE(first.changed()) << "a page just loaded has no changes";
    first.InsertHTML("<P>Nad morzem</P>");
    forms::drive::processEvents();
    EXPECT_TRUE(first.changed());
    shoot(*m, "editing_first_page");
    m->Zapisz1->click();
    forms::drive::processEvents();
    std::string saved = read("webpages/Wakacje/index.html");
    EXPECT_NE(saved.find("Nad morzem"), std::string::npos);
    EXPECT_NE(saved.find("<TITLE>Wakacje</TITLE>"), std::string::npos) << "the site's name is the first title";
    EXPECT_FALSE(first.changed());
    m->Zamknij1->click();
    forms::drive::processEvents();
    EXPECT_TRUE(m->documentWindows().empty());
    EXPECT_TRUE(answers.asked("message").empty()) << "a saved page closes without a question";

    // Opened again from the page list: the text is there.
    select(*m->ListView1, "index.html");
    m->SpeedButton5->press();
    THTMLEdit& again = readyFrame();
    EXPECT_NE(again.control().DocumentHTML().find("Nad morzem"), std::string::npos);

    // A second page with Polish letters in its title, previewed after a change.
    newPageDialog("Plaża i słońce"_w, "plaza", "Pastelowy");
    m->SpeedButton3->press();
    ASSERT_EQ(m->documentWindows().size(), 2u);
    THTMLEdit& second = readyFrame();
    EXPECT_NE(second.control().DocumentHTML().find("Plaża i słońce"_w), std::string::npos)
        << "the ISO-8859-2 page reads back as the title";
    second.InsertHTML("<P>Zdj\xEA" "cia</P>");
    forms::drive::processEvents();
    answers.answerMessage(6);  // save before the preview
    m->ToolButton16->click();
    ASSERT_EQ(answers.asked("shell").size(), 1u);
    EXPECT_EQ(fs::path(answers.asked("shell")[0].text), dir / "webpages" / "Wakacje" / "plaza.html");
    EXPECT_NE(read("webpages/Wakacje/plaza.html").find("Zdj\xEA" "cia"), std::string::npos);
    shoot(*m, "editing_second_page");

    // The open site deleted in the site chooser: its windows close first.
    answers.clear();
    inDialog(*all->pageopen, [this] {
        select(*all->pageopen->ListView1, "Wakacje");
        answers.answerMessage(6);
        all->pageopen->SpeedButton3->press();
        all->pageopen->SpeedButton2->press();
    });
    m->FileOpen1->execute();
    forms::drive::processEvents();
    EXPECT_FALSE(fs::exists(dir / "webpages" / "Wakacje"));
    EXPECT_TRUE(m->documentWindows().empty());
    EXPECT_TRUE(m->site_name.empty());
    EXPECT_EQ(answers.asked("message").size(), 1u) << "only the site question: both pages were saved";
}

TEST_F(Editing, ClipsFromTheLibraryGoIntoTheRealPageAndStayAfterSaving) {
    inDialog(*all->pageedit, [this] {
        all->pageedit->Edit971->setText("Firma");
        all->pageedit->SpeedButton1->press();
    });
    newPageDialog("", "", "Klasyczny");
    m->FileNew1->execute();
    THTMLEdit& page = readyFrame();

    // The price list: its colour key asks for a colour, the rest are typed.
    select(*m->ListView3, "Tabelki");
    m->ListView3DblClick();
    select(*m->ListView4, "cennik.ht");
    EXPECT_FALSE(m->Image2->empty()) << "the item's preview shows";
    inDialog(*all->macros_vals, [this] {
        Tmacros_vals& g = *all->macros_vals;
        ASSERT_EQ(g.rowCount(), 5);
        answers.answerColor(true, 0x00E0FFFF);
        g.selectCell(0);
        g.setValue(1, "Strona <WWW>");
        g.setValue(2, "900 zł"_w);
        g.setValue(3, "Logo & wizytówki"_w);
        g.setValue(4, "300 zł"_w);
        shoot(g, "library_values");
        g.BitBtn1->press();
    });
    m->SpeedButton12->press();
    forms::drive::processEvents();
    std::string html = page.control().DocumentHTML();
    EXPECT_NE(html.find("Strona &lt;WWW&gt;"), std::string::npos) << "typed markup stays text";
    EXPECT_NE(html.find("Logo &amp; wizyt"), std::string::npos);
    EXPECT_NE(text::lower(html).find("#ffffe0"), std::string::npos);
    EXPECT_EQ(html.find("%("), std::string::npos) << "no macro is left";

    // The ornament copies its picture into the site, next to the page.
    select(*m->ListView3, "[Wstecz]");
    m->ListView3DblClick();
    select(*m->ListView3, "Ozdobniki");
    m->ListView3DblClick();
    select(*m->ListView4, "linia.ht");
    m->SpeedButton12->press();
    forms::drive::processEvents();
    EXPECT_TRUE(fs::exists(dir / "webpages" / "Firma" / "linia.bmp"));
    shoot(*m, "library_inserted");

    m->Zapisz1->click();
    forms::drive::processEvents();
    std::string saved = read("webpages/Firma/index.html");
    EXPECT_NE(saved.find("Strona &lt;WWW&gt;"), std::string::npos);
    EXPECT_NE(saved.find("linia.bmp"), std::string::npos);
}
