// The element, keywords, title and body dialogs on pages the program did
// not write (foreign_pages/: a generated manual page with navigation tables
// and pictures under images/, a UTF-8 page with viewport, generator and
// keywords META lines, the price-list clip filled in, a table with class,
// summary and width beside one whose border has a sign, an XHTML page with
// self-closed anchors, a UTF-8 page with its description before its
// keywords and words in scripts the program's text lacks, a UTF-8 page that
// only its byte order mark declares, an ISO-8859-2 page whose file begins
// with the bytes of that mark, a page with scrolling text, a video, a Flash
// movie and an inline frame with attributes of their own, whose sources lie
// in folders of the site).
// Each dialog is opened on each page in a document window on the browser
// engine and answered as a user would: OK without a change saves the page
// byte for byte as it is saved without the dialog, and one value changed
// changes only that value.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/FileSystem.h"
#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/ComboBox.h"
#include "forms/Drive.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "htmledit/EditControl.h"
#include "htmledit/TestApplication.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/dialogs/Tbody.h"
#include "pageeditor/dialogs/Tdlgfrm.h"
#include "pageeditor/dialogs/Tflashins.h"
#include "pageeditor/dialogs/Tiframe.h"
#include "pageeditor/dialogs/Tinsertimg.h"
#include "pageeditor/dialogs/Tinstbl.h"
#include "pageeditor/dialogs/Tkeyform.h"
#include "pageeditor/dialogs/Tlinkinsert.h"
#include "pageeditor/dialogs/Tmarquee.h"
#include "pageeditor/dialogs/Tmovie.h"
#include "pageeditor/app/EditorWindowsTest.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace pageeditor;
using namespace text::literals;
namespace fs = std::filesystem;
using enginetest::EditorWindowsTest;
using enginetest::shippedFolder;
using enginetest::waitFor;

namespace {

fs::path foreignPages() { return fs::path(std::getenv("SUITE_SOURCE_DIR")) / "pageeditor" / "app" / "foreign_pages"; }

// What the user does on the page before the command: puts the caret in a
// text, or selects an element as a whole.
struct Selection {
    std::string text;  // the caret goes into the first occurrence of this text
    std::string css;   // or this element is selected
};

// One dialog on one page: where it is opened, which command opens it, and
// the one value a user changes in it with the change that makes in the saved
// page (the first occurrence of `was` becomes `becomes`).
struct DialogCase {
    const char* page;
    const char* what;
    Selection at;
    std::function<void(THTMLEdit&)> command;
    std::function<void(EditorForms&)> change;
    std::string was, becomes;
};

class ForeignPages : public EditorWindowsTest {
protected:
    void SetUp() override {
        makeTemp("pw_foreign");
        fs::create_directories(site() / "data");
        fs::copy(foreignPages(), site(), fs::copy_options::recursive);
        startEditor(shippedFolder());
        all->MainForm->app_dir = files::platformName(tmp / "prog") + "\\";
        all->MainForm->site_name = "s";
    }
    fs::path site() const { return tmp / "prog" / "webpages" / "s"; }

    THTMLEdit& open(const std::string& name) {
        TMDIChild* d = all->MainForm->doc_open(files::platformName(site() / name));
        EXPECT_NE(d, nullptr);
        auto* f = dynamic_cast<THTMLEdit*>(d->HTMLEdit1);
        EXPECT_NE(f, nullptr);
        EXPECT_TRUE(waitFor([f] { return f->DocumentReady; }));
        return *f;
    }
    void closeAll() {
        while (TMDIChild* d = all->MainForm->activeDocument()) d->closeWithoutQuestion();
        forms::drive::processEvents();
    }
    static std::string js(THTMLEdit& f, const std::string& s) { return f.control().engine()->evaluate(s); }
    static void select(THTMLEdit& f, const Selection& at) {
        if (!at.css.empty()) {
            js(f, "(function(){const r=document.createRange();r.selectNode(document.querySelector('" + at.css +
                      "'));getSelection().removeAllRanges();getSelection().addRange(r)})()");
            ASSERT_EQ(f.control().selectionType(), "Control") << at.css;
            return;
        }
        ASSERT_EQ(js(f, "String(pw.x('selectText',['" + at.text + "',0]).v)"), "true") << at.text;
        js(f, "getSelection().collapseToStart()");
    }
    // The page as saved under `name` beside it.
    std::string saved(THTMLEdit& f, const std::string& name) {
        EXPECT_TRUE(f.SaveDocument(files::platformName(site() / name)));
        std::string bytes;
        EXPECT_TRUE(text::readFile(site() / name, bytes));
        return bytes;
    }
    // The next dialog is changed by `change` (when given) and closed with
    // its own OK button; `shownName` gets the dialog's name.
    void okOnNextDialog(std::function<void(EditorForms&)> change, std::string& shownName) {
        forms::drive::setModalHook([this, change, &shownName](forms::Form& shown) {
            // Clearing the hook destroys this lambda: what it holds is taken first.
            auto keep = change;
            EditorForms* all = this->all.get();
            std::string* name = &shownName;
            forms::drive::setModalHook({});
            forms::drive::processEvents();
            *name = shown.name();
            if (keep) keep(*all);
            if (&shown == all->instbl.get()) all->instbl->SpeedButton1Click();
            if (&shown == all->insertimg.get()) all->insertimg->SpeedButton1Click();
            if (&shown == all->linkinsert.get()) forms::drive::click(*all->linkinsert->SpeedButton1);
            if (&shown == all->body.get()) forms::drive::click(*all->body->SpeedButton1);
            if (&shown == all->keyform.get()) forms::drive::click(*all->keyform->SpeedButton1);
            if (&shown == all->dlgfrm.get()) forms::drive::click(*all->dlgfrm->Button1);
            if (&shown == all->iframe.get()) forms::drive::click(*all->iframe->SpeedButton1);
            if (&shown == all->movie.get()) forms::drive::click(*all->movie->SpeedButton2);
            if (&shown == all->marquee.get()) forms::drive::click(*all->marquee->SpeedButton1);
            if (&shown == all->flashins.get()) forms::drive::click(*all->flashins->SpeedButton2);
        });
    }
};

std::string replacedOnce(std::string s, const std::string& was, const std::string& becomes) {
    std::size_t at = s.find(was);
    if (at == std::string::npos) return "(\"" + was + "\" is not in the page)";
    return s.replace(at, was.size(), becomes);
}

// Where two pages differ: the first differing stretch of each, with a
// little of what stands before it.
std::string difference(const std::string& a, const std::string& b) {
    std::size_t p = 0;
    while (p < a.size() && p < b.size() && a[p] == b[p]) ++p;
    std::size_t e = 0;
    while (e < a.size() - p && e < b.size() - p && a[a.size() - 1 - e] == b[b.size() - 1 - e]) ++e;
    const std::size_t from = p < 40 ? 0 : p - 40;
    return "\n  was:      ..." + a.substr(from, a.size() - e - from) + "\n  becomes:  ..." + b.substr(from, b.size() - e - from);
}

// How many A elements a page's markup opens.
std::size_t anchors(const std::string& html) {
    const std::string upper = text::upper(html);
    std::size_t n = 0;
    for (std::size_t at = upper.find("<A "); at != std::string::npos; at = upper.find("<A ", at + 1)) ++n;
    return n;
}

void image(THTMLEdit& f) { f.btnImageClick(); }
void table(THTMLEdit& f) { f.SpeedButton11Click(); }
void link(THTMLEdit& f) { f.SpeedButton1Click(); }
void keywords(THTMLEdit& f) { f.SpeedButton2Click(); }
void title(THTMLEdit& f) { f.btnUser1Click(); }
void pageBody(THTMLEdit& f) { f.SpeedButton3Click(); }
void inlineFrame(THTMLEdit& f) { f.SpeedButton12Click(); }
void video(THTMLEdit& f) { f.SpeedButton10Click(); }
void scrollingText(THTMLEdit& f) { f.SpeedButton9Click(); }
void flash(THTMLEdit& f) { f.EditFlash({}); }

TEST_F(ForeignPages, OkWithoutAChangeKeepsThePageAndOneChangeChangesOnlyItsValue) {
    const DialogCase cases[] = {
        // A generated manual page: UTF-8, navigation tables, pictures under images/.
        {"manual.html", "navigation table", {"Kapitel 3", ""}, table,
         [](EditorForms& d) { d.instbl->SpinEdit3->setValue(2); },
         "<TABLE width=\"100%\" summary=\"Navigation header\">",
         "<TABLE width=\"100%\" summary=\"Navigation header\" border=\"2\">"},
        {"manual.html", "note table", {"Hinweis", ""}, table,
         [](EditorForms& d) { d.instbl->SpinEdit5->setValue(4); }, "summary=\"Note: Hinweis\">",
         "summary=\"Note: Hinweis\" cellpadding=\"4\">"},
        {"manual.html", "picture under images/", {"", "img[src=\"images/prev.png\"]"}, image,
         [](EditorForms& d) { d.insertimg->Edit972->setText("Poprzedni"); }, "alt=\"Zur\xC3\xBC\x63k\"",
         "alt=\"Poprzedni\""},
        {"manual.html", "picture that is missing", {"", "img[src=\"images/home.png\"]"}, image, nullptr, "", ""},
        {"manual.html", "link with a title", {"Wortlisten", ""}, link,
         [](EditorForms& d) { d.linkinsert->edit971->setText("ch05.html"); }, "href=\"ch04.html\" title=\"Kapitel 4. Wortlisten\">Wortlisten",
         "href=\"ch05.html\" title=\"Kapitel 4. Wortlisten\">Wortlisten"},
        {"manual.html", "keywords where there are none", {"Das", ""}, keywords,
         [](EditorForms& d) { d.keyform->Memo1->setText("Wörterbuch"_w); }, "<HTML><HEAD>\r\n",
         "<HTML><HEAD>\r\n<META NAME =\"Keywords\" CONTENT=\"W\xC3\xB6rterbuch\">\r\n"},
        {"manual.html", "title", {"Das", ""}, title,
         [](EditorForms& d) { d.dlgfrm->Edit1->setText("Kapitel 3"); }, "Kapitel 3. W\xC3\xB6rterbuch einrichten</TITLE>",
         "Kapitel 3</TITLE>"},
        {"manual.html", "body colours by name", {"Das", ""}, pageBody,
         [](EditorForms& d) { d.body->setBox(d.body->CheckBox6, false); }, " vlink=\"#840084\"", " vlink=\"\""},

        // A UTF-8 page with viewport, generator, keywords and description.
        {"telefon.html", "keywords read from the page", {"Wymieniamy", ""}, keywords,
         [](EditorForms& d) { d.keyform->Memo1->setText("serwis, Łódź"_w); },
         "<META name=\"keywords\" content=\"naprawa telefon\xC3\xB3w, serwis, \xC5\x81\xC3\xB3\x64\xC5\xBA\">",
         "<META NAME =\"Keywords\" CONTENT=\"serwis, \xC5\x81\xC3\xB3\x64\xC5\xBA\">"},
        {"telefon.html", "title with quotes", {"Wymieniamy", ""}, title, nullptr, "", ""},
        {"telefon.html", "background picture under images/", {"Wymieniamy", ""}, pageBody,
         [](EditorForms& d) { d.body->setBox(d.body->CheckBox3, false); }, " text=\"#333333\"", " text=\"\""},
        {"telefon.html", "link to a phone number", {"42 123", ""}, link,
         [](EditorForms& d) { d.linkinsert->Edit972->setText("Serwis"); }, "title=\"Zadzwo\xC5\x84 do nas\"",
         "title=\"Serwis\""},
        {"telefon.html", "picture with its size", {"", "img"}, image,
         [](EditorForms& d) { d.insertimg->SpinEdit1->setValue(1); },
         "style=\"vertical-align: middle\">", "style=\"vertical-align: middle\" border=\"1\">"},
        {"telefon.html", "inline frame", {"", "iframe"}, inlineFrame, nullptr, "", ""},

        // The price-list clip, filled in.
        {"cennik.html", "price-list table", {"Strona wizyt", ""}, table,
         [](EditorForms& d) { d.instbl->SpinEdit4->setValue(3); }, "cellSpacing=0", "cellSpacing=3"},
        {"cennik.html", "keywords beside the author line", {"Ceny", ""}, keywords, nullptr, "", ""},
        {"cennik.html", "body", {"Ceny", ""}, pageBody, nullptr, "", ""},

        // A table with class, summary and width.
        {"tabela.html", "table with class, summary and width", {"6:15", ""}, table,
         [](EditorForms& d) { d.instbl->SpeedButton3Click(); d.instbl->setColor(0x00E0E0E0); },
         "style=\"margin: 0 auto\">", "style=\"margin: 0 auto\" bgcolor=\"#E0E0E0\">"},
        // A border with a sign, spacing with a blank and padding with a unit,
        // shown as the engine draws them and kept as written.
        {"tabela.html", "table with a signed border", {"normalny", ""}, table,
         [](EditorForms& d) {
             EXPECT_EQ(d.instbl->SpinEdit3->value(), 4);
             EXPECT_EQ(d.instbl->SpinEdit4->value(), 3);
             EXPECT_EQ(d.instbl->SpinEdit5->value(), 2);
             d.instbl->SpinEdit5->setValue(6);
         },
         "cellpadding=\"2px\"", "cellpadding=\"6\""},
        {"tabela.html", "table with a signed border, the border changed", {"ulgowy", ""}, table,
         [](EditorForms& d) { d.instbl->SpinEdit3->setValue(5); }, "border=\"+4\"", "border=\"5\""},
        {"tabela.html", "keywords", {"Uwaga", ""}, keywords, nullptr, "", ""},
        {"tabela.html", "title", {"Uwaga", ""}, title, nullptr, "", ""},
        {"tabela.html", "body", {"Uwaga", ""}, pageBody, nullptr, "", ""},

        // XHTML written by a generator: self-closed anchors, <br />, an XML head line.
        {"xhtml.html", "link with a title", {"odmian", ""}, link,
         [](EditorForms& d) { d.linkinsert->Edit972->setText("Odmiana"); }, "title=\"Odmiana rzeczownik\xF3w\"",
         "title=\"Odmiana\""},
        {"xhtml.html", "navigation table", {"", "img[src=\"images/prev.png\"]"}, table, nullptr, "", ""},
        {"xhtml.html", "picture", {"", "img[src=\"images/next.png\"]"}, image,
         [](EditorForms& d) { d.insertimg->Edit972->setText("Następny"_w); }, "alt=\"Dalej\"", "alt=\"Nast\xEApny\""},
        {"xhtml.html", "title", {"Przyk", ""}, title,
         [](EditorForms& d) { d.dlgfrm->Edit1->setText("Słowniczek"_w); }, "Rozdzia\xB3 2. S\xB3owniczek</TITLE>",
         "S\xB3owniczek</TITLE>"},
        {"xhtml.html", "keywords", {"Przyk", ""}, keywords, nullptr, "", ""},
        {"xhtml.html", "body", {"Przyk", ""}, pageBody, nullptr, "", ""},

        // UTF-8, the description before the keywords, words in scripts the
        // program's text lacks (which its text carries as references).
        {"kawiarnia.html", "keywords with letters the program lacks", {"Czynne", ""}, keywords,
         [](EditorForms& d) { d.keyform->Memo1->setText(d.keyform->Memo1->text() + ", herbata"); },
         "<META name=\"keywords\" content=\"kawa, caf\xC3\xA9, \xC3\xA0 la carte, \xD0\xBA\xD0\xBE\xD1\x84\xD0\xB5\">",
         "<META NAME =\"Keywords\" CONTENT=\"kawa, caf\xC3\xA9, \xC3\xA0 la carte, \xD0\xBA\xD0\xBE\xD1\x84\xD0\xB5, herbata\">"},
        {"kawiarnia.html", "description and keywords both changed", {"Czynne", ""}, keywords,
         [](EditorForms& d) {
             d.keyform->Memo1->setText("kawa");
             d.keyform->Memo2->setText("Kawiarnia");
         },
         "<META name=\"description\" content=\"Kawiarnia \xE2\x80\x9EPod Lip\xC4\x85\xE2\x80\x9D przy rynku \xE2\x80\x93 kawa, "
         "herbata i ciasta domowe.\">\r\n<META name=\"keywords\" content=\"kawa, caf\xC3\xA9, \xC3\xA0 la carte, "
         "\xD0\xBA\xD0\xBE\xD1\x84\xD0\xB5\">",
         "<META NAME=\"Description\" content=\"Kawiarnia\">\r\n<META NAME =\"Keywords\" CONTENT=\"kawa\">"},
        // The title holds letters the program's text lacks, which the title
        // dialog cannot show: left as it is, it stays as it is.
        {"kawiarnia.html", "title with letters the program lacks", {"Czynne", ""}, title, nullptr, "", ""},

        // UTF-8 declared by the byte order mark alone.
        {"bom.html", "keywords", {"Wyp", ""}, keywords,
         [](EditorForms& d) { d.keyform->Memo1->setText("żeglarstwo, Mazury"_w); },
         "<META name=\"keywords\" content=\"\xC5\xBC" "eglarstwo, Mazury, rejsy\">",
         "<META NAME =\"Keywords\" CONTENT=\"\xC5\xBC" "eglarstwo, Mazury\">"},
        {"bom.html", "title", {"Wyp", ""}, title, [](EditorForms& d) { d.dlgfrm->Edit1->setText("Rejsy – „Żagle”"_w); },
         "<TITLE>Rejsy po Mazurach \xE2\x80\x93 \xE2\x80\x9E\xC5\xBB\x61gle\xE2\x80\x9D</TITLE>",
         "<TITLE>Rejsy \xE2\x80\x93 \xE2\x80\x9E\xC5\xBB\x61gle\xE2\x80\x9D</TITLE>"},
        {"bom.html", "body", {"Wyp", ""}, pageBody, nullptr, "", ""},

        // A byte order mark before ISO-8859-2 text, which its META declares:
        // the mark declares nothing, and the page's letters are its own.
        {"bom_latin2.html", "keywords", {"Wyp", ""}, keywords,
         [](EditorForms& d) {
             EXPECT_EQ(d.keyform->Memo1->text(), "żeglarstwo, śluzy, Mazury"_w);
             d.keyform->Memo1->setText("żagle, śluzy"_w);
         },
         "<META name=\"keywords\" content=\"\xBF" "eglarstwo, \xB6luzy, Mazury\">",
         "<META NAME =\"Keywords\" CONTENT=\"\xBF" "agle, \xB6luzy\">"},
        {"bom_latin2.html", "title", {"Wyp", ""}, title,
         [](EditorForms& d) {
             EXPECT_EQ(d.dlgfrm->Edit1->text(), "Spływy - Wypłyń z nami"_w);
             d.dlgfrm->Edit1->setText("Spływy"_w);
         },
         "<TITLE>Sp\xB3ywy - Wyp\xB3y\xF1 z nami</TITLE>", "<TITLE>Sp\xB3ywy</TITLE>"},
        {"bom_latin2.html", "body", {"Wyp", ""}, pageBody, nullptr, "", ""},

        // Scrolling text, a video, a Flash movie and an inline frame with
        // attributes of their own, their sources in folders of the site:
        // left as they are, they stay where they are; one value changed
        // changes that value alone.
        {"media.html", "scrolling text", {"", "marquee"}, scrollingText, nullptr, "", ""},
        {"media.html", "scrolling text, its direction changed", {"", "marquee"}, scrollingText,
         [](EditorForms& d) { d.marquee->ComboBox2->setText("RIGHT"); }, "direction=\"left\"", "direction=\"RIGHT\""},
        {"media.html", "scrolling text that slides, to and fro", {"", "marquee"}, scrollingText,
         [](EditorForms& d) {
             EXPECT_EQ(d.marquee->ComboBox3->text(), "SLIDE");
             d.marquee->ComboBox3->setText("ALTERNATE");
         },
         "behavior=\"slide\"", "behavior=\"ALTERNATE\""},
        {"media.html", "scrolling text without a loop, three times", {"", "marquee"}, scrollingText,
         [](EditorForms& d) {
             EXPECT_TRUE(d.marquee->CheckBox1->checked()) << "no loop scrolls for ever";
             d.marquee->setEndless(false);
             d.marquee->SpinEdit7->setValue(3);
         },
         "style=\"color: navy\">", "style=\"color: navy\" LOOP=\"3\">"},
        {"media.html", "scrolling text, its text changed", {"", "marquee"}, scrollingText,
         [](EditorForms& d) { d.marquee->Edit1->setText("Rejsy <b>codziennie</b>"); },
         ">Nowo\xB6\xE6: rejsy o zachodzie s\xB3o\xF1" "ca!</MARQUEE>", ">Rejsy <B>codziennie</B></MARQUEE>"},
        {"media.html", "scrolling text placed apart from the text", {"", "marquee"}, scrollingText,
         [](EditorForms& d) { d.marquee->CheckBox3->setValue(0); }, "style=\"color: navy\"",
         "style=\"color: navy; position: absolute;\""},
        {"media.html", "video in a folder", {"", "embed.film"}, video, nullptr, "", ""},
        {"media.html", "video in a folder, placed apart from the text", {"", "embed.film"}, video,
         [](EditorForms& d) { d.movie->CheckBox3->setValue(0); }, "autostart=\"true\">",
         "autostart=\"true\" style=\"position: absolute;\">"},
        {"media.html", "video from an address", {"", "embed.film"}, video,
         [](EditorForms& d) { d.movie->Edit1->setText("http://www.example.com/rejs.avi"); }, "src=\"filmy/rejs.avi\"",
         "src=\"http://www.example.com/rejs.avi\""},
        {"media.html", "Flash movie in a folder", {"", "object"}, flash, nullptr, "", ""},
        {"media.html", "Flash movie at low quality", {"", "object"}, flash,
         [](EditorForms& d) {
             EXPECT_EQ(d.flashins->ComboBox1->text(), "auto high");
             EXPECT_EQ(d.flashins->Geometry, "width: 400px; height: 300px; ");
             d.flashins->ComboBox1->setListIndex(1);
         },
         "value=\"autohigh\"><EMBED src=\"media/intro.swf\" quality=\"autohigh\"",
         "value=\"low\"><EMBED src=\"media/intro.swf\" quality=\"low\""},
        {"media.html", "Flash movie of another name", {"", "object"}, flash,
         [](EditorForms& d) { d.flashins->Edit1->setText("nowy.swf"); },
         "value=\"media/intro.swf\"><PARAM name=\"quality\" value=\"autohigh\"><EMBED src=\"media/intro.swf\"",
         "value=\"data\\nowy.swf\"><PARAM name=\"quality\" value=\"autohigh\"><EMBED src=\"data\\nowy.swf\""},
        {"media.html", "Flash movie placed apart from the text", {"", "object"}, flash,
         [](EditorForms& d) { d.flashins->CheckBox3->setValue(0); }, "height=\"300\"><PARAM",
         "height=\"300\" style=\"position: absolute;\"><PARAM"},
        {"media.html", "inline frame from a folder", {"", "iframe"}, inlineFrame, nullptr, "", ""},
        {"media.html", "inline frame from a folder, renamed", {"", "iframe"}, inlineFrame,
         [](EditorForms& d) {
             EXPECT_EQ(d.iframe->Geometry, "width: 400px; height: 300px; ");
             d.iframe->Edit1->setText("plan");
         },
         "name=\"mapa\"", "name=\"plan\""},
        {"media.html", "inline frame without its border", {"", "iframe"}, inlineFrame,
         [](EditorForms& d) { d.iframe->CheckBox1->setValue(0); }, "frameborder=\"1\"", "frameborder=\"0\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.page) + ": " + c.what);
        THTMLEdit& f = open(c.page);
        const std::string before = saved(f, "before.html");
        std::string source;
        ASSERT_TRUE(text::readFile(site() / c.page, source));
        EXPECT_EQ(anchors(before), anchors(source)) << "the page's links and anchors, each saved once";
        select(f, c.at);
        std::string shown;
        okOnNextDialog(nullptr, shown);
        c.command(f);
        EXPECT_FALSE(shown.empty()) << "no dialog was shown";
        const std::string after = saved(f, "after.html");
        EXPECT_EQ(after, before) << difference(before, after);
        closeAll();
        // The saved page opened again and saved once more is the same page.
        const std::string again = saved(open("after.html"), "again.html");
        EXPECT_EQ(again, after) << "the second save" << difference(after, again);
        closeAll();
        if (!c.change) continue;

        THTMLEdit& g = open(c.page);
        select(g, c.at);
        okOnNextDialog(c.change, shown);
        c.command(g);
        const std::string changed = saved(g, "changed.html");
        const std::string expected = replacedOnce(before, c.was, c.becomes);
        EXPECT_EQ(changed, expected) << difference(expected, changed);
        closeAll();
    }
}

// A new element put on a page written elsewhere is written as the dialog
// writes it on any page: the page differs from its save without the dialog
// by the element's tag alone, where the caret stood.
TEST_F(ForeignPages, NewElementsAreWrittenWhole) {
    struct NewElement {
        const char* what;
        std::function<void(THTMLEdit&)> command;
        std::function<void(EditorForms&)> fill;
        std::string tag;  // as the saved page holds it
    };
    const NewElement cases[] = {
        {"scrolling text", scrollingText,
         [](EditorForms& d) {
             Tmarquee& m = *d.marquee;
             m.Edit1->setText("Rejsy <b>codziennie</b>");
             m.ComboBox1->setText("MIDDLE");
             m.ComboBox2->setText("RIGHT");
             m.ComboBox3->setText("slide");  // not one of the three words: no BEHAVIOR
             m.setColour(0x00FFCC99);
             m.SpinEdit5->setValue(4);
             m.SpinEdit4->setValue(100);
             m.SpinEdit7->setValue(3);
             m.setEndless(false);
             m.CheckBox3->setValue(0);
             m.Geometry = "left: 10px; ";
         },
         "<MARQUEE style=\"position: absolute; left: 10px; \" ALIGN=\"MIDDLE\" DIRECTION=\"RIGHT\" BGCOLOR=\"#99CCFF\" "
         "SCROLLAMOUNT=\"4\" SCROLLDELAY=\"100\" LOOP=\"3\">Rejsy <B>codziennie</B></MARQUEE>"},
        {"scrolling text for ever, in the text", scrollingText,
         [](EditorForms& d) {
             Tmarquee& m = *d.marquee;
             m.Edit1->setText("Hej");
             m.ComboBox1->setText("");
             m.ComboBox2->setText("");
             m.ComboBox3->setText("ALTERNATE");
             m.SpeedButton3Click();
             m.SpinEdit5->setValue(6);
             m.SpinEdit4->setValue(85);
             m.setEndless(true);
             m.CheckBox3->setValue(1);
             m.Geometry.clear();
         },
         "<MARQUEE BEHAVIOR=\"ALTERNATE\" BGCOLOR=\"\" SCROLLAMOUNT=\"6\" SCROLLDELAY=\"85\" LOOP=\"INFINITE\">Hej</MARQUEE>"},
        {"video", video,
         [](EditorForms& d) {
             d.movie->Edit1->setText("http://www.example.com/rejs.avi");
             d.movie->CheckBox3->setValue(0);
             d.movie->Geometry = "width: 320px; height: 240px; ";
         },
         "<EMBED style=\"position: absolute; width: 320px; height: 240px; \" SRC=\"http://www.example.com/rejs.avi\" "
         "AUTOSTART=\"TRUE\">"},
        {"inline frame", inlineFrame,
         [](EditorForms& d) {
             Tiframe& i = *d.iframe;
             i.Edit1->setText("plan");
             i.FilenameEdit1->setText("http://www.example.com/plan.html");
             i.ComboBox1->setText("RIGHT");
             i.CheckBox1->setValue(1);
             i.CheckBox3->setValue(1);
             i.Geometry.clear();
         },
         "<IFRAME NAME=\"plan\" SRC='http://www.example.com/plan.html' FRAMEBORDER=\"1\" ALIGN=\"RIGHT\"></IFRAME>"},
        {"Flash movie", flash,
         [](EditorForms& d) {
             Tflashins& f = *d.flashins;
             f.Edit1->setText("http://www.example.com/intro.swf");
             f.ComboBox1->setListIndex(3);
             f.CheckBox3->setValue(0);
             f.Geometry = "top: 5px; ";
         },
         " <OBJECT style=\"position: absolute; top: 5px; \" classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" "
         "codebase=\"http://download.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=6,0,0,0\" ALIGN=\"\"> "
         "<PARAM NAME=movie VALUE=\"http://www.example.com/intro.swf\"> <PARAM NAME=quality VALUE=\"auto high\"> "
         "<PARAM NAME=bgcolor VALUE=#FFFFFF> <EMBED style=\"position: absolute; top: 5px; \" "
         "src=\"http://www.example.com/intro.swf\" quality=\"auto high\" bgcolor=#FFFFFF NAME=\"\" ALIGN=\"\" "
         "TYPE=\"application/x-shockwave-flash\" PLUGINSPAGE=\"http://www.macromedia.com/go/getflashplayer\"></OBJECT>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        THTMLEdit& f = open("media.html");
        const std::string before = saved(f, "before.html");
        select(f, {"Film z rejsu", ""});
        std::string shown;
        okOnNextDialog(c.fill, shown);
        c.command(f);
        EXPECT_FALSE(shown.empty()) << "no dialog was shown";
        const std::string written = saved(f, "written.html");
        const std::string expected = replacedOnce(before, "<H2>Film z rejsu", "<H2>" + c.tag + "Film z rejsu");
        EXPECT_EQ(written, expected) << difference(expected, written);
        closeAll();
    }
}

// What the user types into the keywords, the description and the title is
// what the page stores and shows, on an ISO-8859-2 page and on a UTF-8 one:
// the six Windows-1250 signs whose bytes ISO-8859-2 gives to other letters
// (± ¶ ¦ ˇ ¬ Ľ) beside those letters (ą ś Ś Ą Ź ź), and text in the form of
// a character reference. The page saved and opened again shows it as typed.
TEST_F(ForeignPages, WhatIsTypedIntoTheHeadIsWhatThePageStores) {
    struct Typed {
        const char* what;
        std::string typed;             // Windows-1250, as the memo holds it
        std::string iso, utf8;         // as the saved page holds it
    };
    const Typed cases[] = {
        {"signs ISO-8859-2 holds elsewhere or not at all", "± ¶ ¦ ˇ ¬ Ľ"_w,
         "&#177; &#182; &#166; \xB7 &#172; \xA5", "\xC2\xB1 \xC2\xB6 \xC2\xA6 \xCB\x87 \xC2\xAC \xC4\xBD"},
        {"the letters at those bytes", "ą ś Ś Ą Ź ź"_w, "\xB1 \xB6 \xA6 \xA1 \xAC \xBC",
         "\xC4\x85 \xC5\x9B \xC5\x9A \xC4\x84 \xC5\xB9 \xC5\xBA"},
        {"text in the form of references", "&amp; &#261; & &quot;x&quot; &#1082;", "", ""},
    };
    struct Page {
        const char* name;
        bool utf8;
        Selection at;
    };
    const Page pages[] = {{"cennik.html", false, {"Ceny", ""}}, {"telefon.html", true, {"Wymieniamy", ""}}};
    for (const Page& p : pages)
        for (const Typed& c : cases) {
            SCOPED_TRACE(std::string(p.name) + ": " + c.what);
            const std::string typed = "x " + c.typed;
            THTMLEdit& f = open(p.name);
            select(f, p.at);
            std::string shown;
            okOnNextDialog([&](EditorForms& d) {
                d.keyform->Memo1->setText(typed);
                d.keyform->Memo2->setText(typed + " opis");
            }, shown);
            keywords(f);
            okOnNextDialog([&](EditorForms& d) { d.dlgfrm->Edit1->setText(typed + " tytu\xB3"); }, shown);
            title(f);
            const std::string stored = saved(f, "typed.html");
            const std::string letters = p.utf8 ? c.utf8 : c.iso;
            if (!letters.empty()) {
                EXPECT_NE(stored.find("CONTENT=\"x " + letters + "\">"), std::string::npos) << stored;
                EXPECT_NE(stored.find("content=\"x " + letters + " opis\">"), std::string::npos) << stored;
                EXPECT_NE(stored.find("<TITLE>x " + letters + " tytu"), std::string::npos) << stored;
            }
            closeAll();

            THTMLEdit& g = open("typed.html");
            std::string keywordsShown, descriptionShown, titleShown;
            okOnNextDialog([&](EditorForms& d) {
                keywordsShown = d.keyform->Memo1->text();
                descriptionShown = d.keyform->Memo2->text();
            }, shown);
            keywords(g);
            okOnNextDialog([&](EditorForms& d) { titleShown = d.dlgfrm->Edit1->text(); }, shown);
            title(g);
            EXPECT_EQ(keywordsShown, typed);
            EXPECT_EQ(descriptionShown, typed + " opis");
            EXPECT_EQ(titleShown, typed + " tytu\xB3");
            closeAll();
        }
}

}  // namespace
