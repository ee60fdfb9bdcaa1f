// The frame's selection and whole-document commands on the browser engine:
// a page of a site is opened in a document window, the user selects text or
// elements and uses the buttons, menus and dialogs; the page is saved and
// opened again where the stored text matters.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "files/FileSystem.h"
#include "forms/Application.h"
#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/ComboBox.h"
#include "forms/Drive.h"
#include "forms/MenuItem.h"
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "htmledit/EditControl.h"
#include "htmledit/TestApplication.h"
#include "keyhook/KeyboardHook.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/LStrokeHook.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/dialogs/Tdlgfrm.h"
#include "pageeditor/dialogs/Tinsert_snd.h"
#include "pageeditor/dialogs/Tkeyform.h"
#include "pageeditor/frame/EditorFrameInstall.h"
#include "pageeditor/app/EditorWindowsTest.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "registry/BrowserVersion.h"
#include "registry/Registry.h"
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


// The head of the pages the editor writes, and one without a charset
// (its text is Windows-1250).
const char* kIsoHead =
    "<HTML><HEAD>\r\n<META http-equiv=Content-Type content=\"text/html; charset=iso-8859-2\">\r\n"
    "<TITLE>Alt</TITLE>\r\n</HEAD>\r\n";
const char* kPlainHead = "<HTML><HEAD>\r\n<TITLE>Alt</TITLE>\r\n</HEAD>\r\n";

// The ISO-8859-2 form of Windows-1250 text.
std::string isoOf(const std::string& w) { return text::convert(w, text::CodePage::Windows1250, text::CodePage::Iso8859_2); }

class SelectionOnEngine : public EditorWindowsTest {
protected:
    void SetUp() override {
        makeTemp("pw_selection");
        fs::create_directories(tmp / "prog" / "webpages" / "s" / "data");
        startEditor(shippedFolder());
    }

    fs::path page() const { return tmp / "prog" / "webpages" / "s" / "index.html"; }
    // Opens the page (its whole text given) in a new document window.
    THTMLEdit& openText(const std::string& text) {
        closeWindowOf(page());
        text::writeFile(page(), text);
        TMDIChild* d = all->MainForm->doc_open(files::platformName(page()));
        EXPECT_NE(d, nullptr);
        auto* f = dynamic_cast<THTMLEdit*>(d->HTMLEdit1);
        EXPECT_NE(f, nullptr);
        EXPECT_TRUE(waitFor([f] { return f->DocumentReady; }));
        all->MainForm->app_dir = files::platformName(tmp / "prog") + "\\";
        all->MainForm->site_name = "s";
        return *f;
    }
    THTMLEdit& open(const std::string& body, const char* head = kIsoHead) {
        return openText(head + std::string("<BODY>") + body + "</BODY></HTML>\r\n");
    }
    // Waits for the reload that a rewrite starts.
    static void reloaded(THTMLEdit& f, int before) {
        EXPECT_TRUE(waitFor([&] { return f.control().engine()->completedDocuments() > before && f.DocumentReady; }));
        forms::drive::processEvents();
    }
    static int documents(THTMLEdit& f) { return f.control().engine()->completedDocuments(); }
    static std::string js(THTMLEdit& f, const std::string& s) { return f.control().engine()->evaluate(s); }
    static void selectText(THTMLEdit& f, const std::string& text) {
        ASSERT_EQ(js(f, "String(pw.x('selectText',['" + text + "',0]).v)"), "true") << text;
    }
    static void selectElement(THTMLEdit& f, const std::string& css) {
        js(f, "(function(){const r=document.createRange();r.selectNode(document.querySelector('" + css +
                  "'));getSelection().removeAllRanges();getSelection().addRange(r)})()");
        ASSERT_EQ(f.control().selectionType(), "Control");
    }
    static void caretAfter(THTMLEdit& f, const std::string& text) {
        selectText(f, text);
        js(f, "getSelection().collapseToEnd()");
        ASSERT_EQ(f.control().selectionType(), "None");
    }
    static std::string body(THTMLEdit& f) {
        std::string h = f.control().DocumentHTML();
        auto b = h.find('>', h.find("<BODY")) + 1;
        std::string s = h.substr(b, h.rfind("</BODY>") - b);
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
        return s;
    }
    static std::string head(THTMLEdit& f) {
        std::string h = f.control().DocumentHTML();
        return h.substr(0, h.find("</HEAD>"));
    }
    // Saves the page and opens it again in a new document window.
    THTMLEdit& saveAndReopen(THTMLEdit& f) {
        EXPECT_TRUE(f.SaveDocument(files::platformName(page())));
        all->MainForm->activeDocument()->closeWithoutQuestion();
        forms::drive::processEvents();
        std::string bytes;
        EXPECT_TRUE(text::readFile(page(), bytes));
        return openText(bytes);
    }
    // The next modal dialog is answered by `answer`.
    void onDialog(std::function<void(forms::Form&)> answer) {
        forms::drive::setModalHook([answer, this](forms::Form& form) {
            auto keep = answer;
            forms::drive::setModalHook({});
            shown.push_back(form.name());
            keep(form);
        });
    }

    std::vector<std::string> shown;
};

TEST_F(SelectionOnEngine, InsertHtmlAtTheCaretOrInPlaceOfTheSelectedElement) {
    THTMLEdit& f = open("<P>Ala ma kota<IMG src=\"data/a.gif\" width=10 height=10></P>");
    caretAfter(f, "Ala");
    f.InsertHTML("<B>X</B>");
    EXPECT_NE(body(f).find("Ala<B>X</B> ma kota"), std::string::npos) << body(f);
    // Text selected: replaced.
    selectText(f, "kota");
    f.N16->click();
    EXPECT_NE(body(f).find("ma ß"_w), std::string::npos) << body(f);
    // The image selected as a whole: a special character takes its place.
    selectElement(f, "img");
    EXPECT_EQ(text::lower(f.GetSelectedElement().tagName()), "img");
    f.N10->click();
    EXPECT_EQ(body(f).find("<IMG"), std::string::npos) << body(f);
    EXPECT_EQ(js(f, "document.body.textContent.includes('\\u201D')"), "true") << body(f);
    caretAfter(f, "Ala");
    f.N11->click();
    EXPECT_EQ(js(f, "document.body.textContent.includes('Ala\\u201C')"), "true") << body(f);
}

TEST_F(SelectionOnEngine, StrikeSuperscriptSubscriptWrapAndUnwrap) {
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    struct Case {
        forms::SpeedButton* button;
        const char* tag;
    } cases[] = {{f.SpeedButton4, "STRIKE"}, {f.SpeedButton5, "SUP"}, {f.SpeedButton6, "SUB"}};
    for (const auto& c : cases) {
        const std::string marked = std::string("<") + c.tag + ">kota</" + c.tag + ">";
        selectText(f, "kota");
        c.button->press();
        EXPECT_EQ(body(f), "<P>Ala ma " + marked + "</P>") << c.tag;
        selectText(f, "kota");
        c.button->press();
        EXPECT_EQ(body(f), "<P>Ala ma kota</P>") << c.tag;
    }
    // A text range over differently marked text: only the pair's own tags go.
    THTMLEdit& g = open("<P>Ala <STRIKE>ma</STRIKE> <SUP>kota</SUP></P>");
    selectText(g, "Ala ma kota");
    g.SpeedButton4->press();
    EXPECT_EQ(body(g).find("STRIKE"), std::string::npos) << body(g);
    EXPECT_NE(body(g).find("<SUP>kota</SUP>"), std::string::npos) << body(g);
    // A whole selected element has no HTML text: nothing happens.
    THTMLEdit& h = open("<P>x<IMG src=\"data/a.gif\"></P>");
    std::string before = body(h);
    selectElement(h, "img");
    h.SpeedButton4->press();
    EXPECT_EQ(body(h), before);
}

TEST_F(SelectionOnEngine, DoubleClickOpensTheDialogOfTheSelectedElementOnly) {
    THTMLEdit& f = open("<P>Ala</P><TABLE border=1><TR><TD>cell</TD></TR></TABLE><P><IMG src=\"data/a.gif\"></P>"
                        "<MARQUEE>news</MARQUEE><IFRAME src=\"x.html\"></IFRAME>");
    auto cancelled = [this](forms::Form& form) { form.setModalResult(2); };
    // Text or a caret: nothing.
    selectText(f, "Ala");
    onDialog(cancelled);
    f.DHTMLondblclick();
    EXPECT_TRUE(shown.empty());
    selectText(f, "cell");
    f.DHTMLondblclick();
    EXPECT_TRUE(shown.empty());
    forms::drive::setModalHook({});
    struct Case {
        const char* css;
        const char* dialog;
    } cases[] = {{"table", "Tinstbl"}, {"img", "Tinsertimg"}, {"marquee", "Tmarquee"}, {"iframe", "Tiframe"}};
    for (const auto& c : cases) {
        shown.clear();
        selectElement(f, c.css);
        onDialog(cancelled);
        f.W1->click();  // "Właściwości elementu"
        EXPECT_EQ(shown, std::vector<std::string>{c.dialog}) << c.css;
        forms::drive::setModalHook({});
    }
    // The main window's "Właściwości" reaches the same dispatch.
    shown.clear();
    selectElement(f, "table");
    onDialog(cancelled);
    all->MainForm->activeFrame()->DHTMLondblclick();
    EXPECT_EQ(shown, std::vector<std::string>{"Tinstbl"});
}

TEST_F(SelectionOnEngine, ContextMenuCellItemsFollowTheCaret) {
    THTMLEdit& f = open("<P>Ala</P><TABLE><TR><TD>cell</TD><TD>other</TD></TR></TABLE>");
    selectText(f, "cell");
    f.PopupMenu1Popup();
    EXPECT_TRUE(f.Komrka1->enabled());
    EXPECT_EQ(text::lower(f.GetSelectedElement().tagName()), "td");
    // The control's right click opens the menu, which first looks at the caret.
    selectText(f, "Ala");
    f.control().events().showContextMenu(10, 10);
    EXPECT_FALSE(f.Komrka1->enabled());
    selectText(f, "cell");
    f.control().events().showContextMenu(10, 10);
    EXPECT_TRUE(f.Komrka1->enabled());
    selectText(f, "Ala");
    f.PopupMenu1Popup();
    EXPECT_FALSE(f.Komrka1->enabled());
    EXPECT_EQ(text::lower(f.GetSelectedElement().tagName()), "p");

    // The cell commands act on the cell of the caret.
    selectText(f, "cell");
    f.d1->click();
    answers.answerColor(true, 0x0000FF);
    f.Kolor1->click();
    selectText(f, "other");
    f.Dogry1->click();
    EXPECT_NE(body(f).find("valign=\"bottom\""), std::string::npos) << body(f);
    EXPECT_NE(body(f).find("valign=\"top\""), std::string::npos) << body(f);
    EXPECT_EQ(js(f, "document.querySelector('td').style.background.length > 0"), "true") << body(f);
    EXPECT_EQ(js(f, "getComputedStyle(document.querySelector('td')).backgroundColor"), "rgb(255, 0, 0)");
}

TEST_F(SelectionOnEngine, TitleCommandSetsBlankOrKeepsTheTitle) {
    THTMLEdit& f = open(isoOf("<P>Zażółć gęślą jaźń</P>"_w));
    Tdlgfrm& d = *all->dlgfrm;
    struct Case {
        const char* typed;
        bool ok;
        const char* title;
    } cases[] = {
        {"Neu", true, "Neu"},
        {"", true, "about:blank"},
        {"Anders", false, "about:blank"},
        {"Łódź – „x”", true, "Łódź – „x”"},
        {"Świat <b>\"ąź\"</b> & co", true, "Świat <b>\"ąź\"</b> & co"},
    };
    for (const auto& c : cases) {
        int before = documents(f);
        onDialog([&](forms::Form&) {
            EXPECT_EQ(d.caption(), "Podaj nowy tytuł:"_w);
            EXPECT_EQ(d.Label1->caption(), "Tytuł dokumentu:"_w);
            d.Edit1->setText(text::ansi(c.typed));
            forms::drive::click(c.ok ? *d.Button1 : *d.Button2);
        });
        f.btnUser1->press();
        if (c.ok) reloaded(f, before);
        EXPECT_EQ(f.GetDocument().title(), text::ansi(c.title)) << c.typed;
        EXPECT_EQ(body(f), "<P>Zażółć gęślą jaźń</P>"_w) << c.typed;
    }
    // The dialog shows the current title as Windows-1250 text.
    onDialog([&](forms::Form&) {
        EXPECT_EQ(d.Edit1->text(), "Świat <b>\"ąź\"</b> & co"_w);
        forms::drive::click(*d.Button2);
    });
    f.ytustrony1->click();
    THTMLEdit& g = saveAndReopen(f);
    EXPECT_EQ(g.GetDocument().title(), "Świat <b>\"ąź\"</b> & co"_w);
    EXPECT_EQ(body(g), "<P>Zażółć gęślą jaźń</P>"_w);
    std::string file;
    EXPECT_TRUE(text::readFile(page(), file));
    EXPECT_NE(file.find("\xA6wiat &lt;b&gt;\"\xB1\xBC\"&lt;/b&gt; &amp; co</TITLE>"), std::string::npos) << file;
    EXPECT_NE(file.find(isoOf("<P>Zażółć gęślą jaźń</P>"_w)), std::string::npos) << file;
}

TEST_F(SelectionOnEngine, KeywordsReplaceTheMetaLinesAndKeepEveryLetter) {
    struct Case {
        const char* name;
        const char* head;
    } cases[] = {{"ISO-8859-2 page", kIsoHead}, {"page without a charset", kPlainHead}};
    for (const auto& c : cases) {
        const bool iso = c.head == kIsoHead;
        const std::string letters = "<P>Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ</P>"_w;
        THTMLEdit& f = open(iso ? isoOf(letters) : letters, c.head);
        Tkeyform& k = *all->keyform;
        // Cancel changes nothing.
        std::string before = f.control().DocumentHTML();
        onDialog([&](forms::Form&) { forms::drive::click(*k.SpeedButton2); });
        f.SpeedButton2->press();
        EXPECT_EQ(f.control().DocumentHTML(), before) << c.name;

        int count = documents(f);
        onDialog([&](forms::Form&) {
            k.Memo1->setText("strona, \"źródło\""_w);
            k.Memo2->setText("");
            forms::drive::click(*k.SpeedButton1);
        });
        f.Sowakluczowe1->click();
        reloaded(f, count);
        std::string h = head(f);
        EXPECT_NE(h.find("Keywords"), std::string::npos) << c.name << h;
        EXPECT_EQ(h.find("Description"), std::string::npos) << c.name << h;
        EXPECT_NE(text::lower(h).find("charset=iso-8859-2"), std::string::npos) << c.name << h;
        // The keywords are one attribute value, quotes and letters intact.
        EXPECT_EQ(js(f, "document.querySelector('meta[name=Keywords]').content"), "strona, \"źródło\""_w) << c.name;
        EXPECT_EQ(js(f, "document.querySelectorAll('meta').length"), "2") << c.name << h;

        THTMLEdit& g = saveAndReopen(f);
        EXPECT_EQ(body(g), letters) << c.name;
        EXPECT_EQ(g.GetDocument().title(), "Alt") << c.name;
        std::string file;
        EXPECT_TRUE(text::readFile(page(), file));
        EXPECT_NE(file.find(isoOf("gęślą jaźń"_w)), std::string::npos) << c.name;
        EXPECT_NE(file.find("strona, &quot;\xBCr\xF3" "d\xB3o&quot;"), std::string::npos) << c.name << file;
        all->MainForm->activeDocument()->closeWithoutQuestion();
        forms::drive::processEvents();
    }
}

TEST_F(SelectionOnEngine, PageSizeComboWritesOneMarkerAndSizesTheWindow) {
    THTMLEdit& f = open("<P>Ala</P><!--SIZE:0-->");
    EXPECT_TRUE(f.SizeMarkerRead);
    EXPECT_EQ(f.ComboBox1->text(), "800x600");
    std::vector<std::pair<int, int>> sizes;
    f.sizeWindow = [&](int w, int h) { sizes.emplace_back(w, h); };
    for (int i = 0; i < 2; ++i) {
        int count = documents(f);
        f.ComboBox1->setListIndex(1);  // the user's pick runs ComboBox1Change
        reloaded(f, count);
    }
    EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{1024, 828}, {1024, 828}}));
    std::string html = f.control().DocumentHTML();
    EXPECT_EQ(html.find("<!--SIZE:0-->"), std::string::npos) << html;
    auto first = html.find("<!--SIZE:1-->");
    ASSERT_NE(first, std::string::npos) << html;
    EXPECT_EQ(html.find("<!--SIZE:1-->", first + 1), std::string::npos) << html;
    EXPECT_EQ(html.find("</BODY>"), first + 13) << html;
    EXPECT_EQ(body(f).find("<P>Ala</P>"), 0u) << body(f);
}

TEST_F(SelectionOnEngine, BackgroundSoundReplacesTheOldOneAndKeepsTheBaseAddress) {
    THTMLEdit& f = open("<P>Ala</P>");
    const std::string base = f.control().engine()->baseURL();
    Tinsert_snd& snd = *all->insert_snd;
    // Cancel: nothing.
    onDialog([&](forms::Form&) { forms::drive::pressKey(*snd.Edit1, forms::key::Escape); });
    f.SpeedButton8->press();
    EXPECT_EQ(body(f), "<P>Ala</P>");

    for (const char* address : {"http://h/s.mid", "http://h/t.wav"}) {
        int count = documents(f);
        onDialog([&](forms::Form&) {
            snd.Edit1->setText(address);
            snd.CheckBox1->setValue(1);
            forms::drive::click(*snd.SpeedButton2);
        });
        f.SpeedButton8->press();
        reloaded(f, count);
    }
    std::string b = body(f);
    EXPECT_EQ(b.find("s.mid"), std::string::npos) << b;
    EXPECT_NE(b.find("t.wav"), std::string::npos) << b;
    EXPECT_NE(b.find("INFINITE"), std::string::npos) << b;
    EXPECT_EQ(f.control().engine()->baseURL(), base);
}

}  // namespace

namespace {

void altGrL(bool shift) {
    keyhook::EventMsg m;
    m.message = keyhook::WM_KEYDOWN;
    for (unsigned vk : {17u, 18u}) {
        m.paramL = vk;
        keyhook::feed(m);
    }
    lstrokeHook().getKeyState = [shift](int vk) -> unsigned short { return vk == 16 && shift ? 0x8000 : 0; };
    m.paramL = 'L';
    keyhook::feed(m);
    lstrokeHook().getKeyState = [](int vk) { return keyhook::GetKeyState(vk); };
}

}  // namespace

TEST_F(SelectionOnEngine, LStrokeHookTypesTheLetterOnlyOverThePage) {
    // With this engine the main window installs no hook.
    EXPECT_FALSE(all->MainForm->keyboardHookInstalled);
    EXPECT_EQ(lstrokeHook().handle, 0);

    // An old browser version: the hook is installed.
    all.reset();
    registry::store().setString(registry::Hive::LocalMachine, registry::kBrowserKey, registry::kBrowserValue,
                                "5.50.4134.0600");
    all = std::make_unique<EditorForms>();
    all->createAll();
    all->MainForm->show();
    forms::drive::processEvents();
    ASSERT_TRUE(all->MainForm->keyboardHookInstalled);
    EXPECT_NE(lstrokeHook().handle, 0);

    THTMLEdit& f = open("<P>Ala</P>");
    caretAfter(f, "Ala");
    f.DHTMLonmouseover();
    altGrL(false);
    forms::drive::processEvents();  // the posted message
    altGrL(true);
    forms::drive::processEvents();
    EXPECT_EQ(body(f), "<P>Ala\xB3\xA3</P>");
    // The pointer outside the editing area: nothing, and the keys are used up.
    f.DHTMLonmouseout();
    altGrL(false);
    forms::drive::processEvents();
    EXPECT_EQ(body(f), "<P>Ala\xB3\xA3</P>");
    EXPECT_EQ(lstrokeHook().key_buffer, "");

    // Closing the main window removes the hook.
    all->MainForm->FormClose();
    EXPECT_EQ(lstrokeHook().handle, 0);
    forms::Application::clearEndRequest();
}
