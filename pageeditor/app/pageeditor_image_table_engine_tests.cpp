// The picture, table and floating-layer commands of the editor frame on the
// browser engine: a page of a site is opened in a document window, elements
// are inserted and edited through the dialogs as the user works them, and
// the document shows the result.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "files/FileSystem.h"
#include "forms/Application.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Drive.h"
#include "forms/ScriptedAnswers.h"
#include "forms/TextBox.h"
#include "htmledit/EditControl.h"
#include "htmledit/TestApplication.h"
#include "htmledit/Element.h"
#include "htmledit/Range.h"
#include "htmledit/Selection.h"
#include "htmledit/Style.h"
#include "image/Picture.h"
#include "image/testing/ClaimedSize.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/dialogs/Tinsertimg.h"
#include "pageeditor/dialogs/Tinstbl.h"
#include "pageeditor/frame/EditorFrameInstall.h"
#include "pageeditor/app/EditorWindowsTest.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "registry/Registry.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/LineFile.h"
#include "text/Paths.h"

using namespace pageeditor;
using namespace text::literals;
namespace fs = std::filesystem;
using enginetest::EditorWindowsTest;
using enginetest::shippedFolder;
using enginetest::waitFor;

namespace {


std::size_t count(const std::string& s, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
    return n;
}

class ElementsOnEngine : public EditorWindowsTest {
protected:
    void SetUp() override {
        makeTemp("pw_images");
        dir = tmp / "Pagewright";
        site = dir / "webpages" / "Strona";
        fs::create_directories(site / "data");
        fs::create_directories(dir / "zdjecia");
        fs::copy(shippedFolder() / "data", dir / "data", fs::copy_options::recursive);
        startEditor(dir);
        all->MainForm->site_name = "Strona";
    }

    THTMLEdit& open(const std::string& body) {
        fs::path file = site / "index.html";
        closeWindowOf(file);
        fs::remove(file);
        text::writeFile(file, "<HTML><HEAD><TITLE>Strona</TITLE></HEAD><BODY>" + body + "</BODY></HTML>\r\n");
        TMDIChild* d = all->MainForm->doc_open(files::platformName(file));
        EXPECT_NE(d, nullptr);
        auto* f = dynamic_cast<THTMLEdit*>(d->HTMLEdit1);
        EXPECT_NE(f, nullptr);
        EXPECT_TRUE(waitFor([f] { return f->DocumentReady; }));
        return *f;
    }
    static std::string js(THTMLEdit& f, const std::string& code) { return f.control().engine()->evaluate(code); }
    static void selectText(THTMLEdit& f, const std::string& text) {
        ASSERT_EQ(js(f, "String(pw.x('selectText',['" + text + "',0]).v)"), "true");
    }
    static void caretIn(THTMLEdit& f, const std::string& text) {
        selectText(f, text);
        js(f, "getSelection().collapseToStart()");
    }
    static void selectElement(THTMLEdit& f, const std::string& css) {
        js(f, "(function(){const r=document.createRange();r.selectNode(document.querySelector('" + css +
                  "'));getSelection().removeAllRanges();getSelection().addRange(r)})()");
        ASSERT_TRUE(waitFor([&f] { return f.GetDocument().selection().type() == "Control"; }));
    }
    static std::string body(THTMLEdit& f) {
        std::string h = f.control().DocumentHTML();
        auto b = h.find('>', h.find("<BODY")) + 1;
        return h.substr(b, h.rfind("</BODY>") - b);
    }
    // What the user does in the dialog the next command opens; it ends with
    // OK or Cancel.
    void inDialog(std::function<void(forms::Form&)> act) {
        forms::drive::setModalHook([act](forms::Form& shown) {
            forms::drive::processEvents();
            act(shown);
            if (shown.modalResult() == 0) shown.setModalResult(2);
        });
    }
    std::string name(const fs::path& rel) const { return files::platformName(dir / rel); }

    Tinsertimg& img() { return *all->insertimg; }
    Tinstbl& tbl() { return *all->instbl; }

    fs::path dir, site;
};

TEST_F(ElementsOnEngine, NewPictureIsCopiedIntoTheSiteAndInsertedAtTheSelection) {
    ASSERT_TRUE(image::Picture::filled(200, 100, 0x00336699).saveJpeg(dir / "zdjecia" / "a.jpg"));
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    selectText(f, "kota");
    inDialog([this](forms::Form&) {
        Tinsertimg& d = img();
        d.Edit971->setText(name("zdjecia/a.jpg"));
        d.Edit972->setText("Kot – „ąśź ĄŚŹ”"_w);
        d.ComboBox1->setListIndex(1);
        d.CheckBox1->setValue(1);
        d.SpeedButton1Click();
    });
    f.btnImageClick();
    std::string b = body(f);
    EXPECT_NE(b.find("SRC=\"data/a.jpg\""), std::string::npos) << b;
    // The description as typed, though the dialog hands it over in
    // ISO-8859-2 letters; the page declares no charset.
    EXPECT_NE(b.find("ALT=\"Kot – „ąśź ĄŚŹ”\""_w), std::string::npos) << b;
    const fs::path saved = dir / "saved.html";
    ASSERT_TRUE(f.control().engine()->saveDocument(text::pathText(saved), false));
    std::string bytes;
    ASSERT_TRUE(text::readFile(saved, bytes));
    EXPECT_NE(bytes.find("ALT=\"Kot – „ąśź ĄŚŹ”\""_w), std::string::npos) << "a page without a charset is Windows-1250";
    EXPECT_NE(b.find("WIDTH=\"200\""), std::string::npos) << b;
    EXPECT_NE(b.find("HEIGHT=\"100\""), std::string::npos) << b;
    EXPECT_NE(b.find("ALIGN=\"LEFT\""), std::string::npos) << b;
    EXPECT_EQ(b.find("kota"), std::string::npos) << b;
    EXPECT_EQ(b.find("position"), std::string::npos) << b;
    EXPECT_TRUE(fs::exists(site / "data" / "a.jpg"));

    // Cancel inserts nothing.
    caretIn(f, "Ala");
    inDialog([this](forms::Form&) { img().SpeedButton2Click(); });
    f.btnImageClick();
    EXPECT_EQ(count(body(f), "<IMG"), 1u);
}

TEST_F(ElementsOnEngine, SelectedImageIsReadBackAndChangedInPlace) {
    THTMLEdit& f = open("<P>x<IMG style=\"position: absolute; width: 120px\" src=\"data/b.jpg\" alt=\"stary\" "
                        "border=\"2\" align=\"left\">y<IMG id=\"c\" src=\"data/c.jpg\" align=\"absmiddle\"></P>");
    selectElement(f, "img");
    img().ComboBox1->setListIndex(3);
    inDialog([this](forms::Form&) {
        Tinsertimg& d = img();
        EXPECT_EQ(d.Edit971->text(), "data/b.jpg");
        EXPECT_EQ(d.Edit972->text(), "stary");
        EXPECT_EQ(d.SpinEdit1->value(), 2);
        EXPECT_EQ(d.ComboBox1->listIndex(), 1);
        EXPECT_FALSE(d.CheckBox1->checked());
        EXPECT_EQ(d.SpinEdit2->value(), 120);  // the style width
        d.CheckBox1->setValue(1);
        d.SpinEdit3->setValue(60);
        d.Edit972->setText("nowy");
        d.SpeedButton1Click();
    });
    f.btnImageClick();
    htmledit::Element e = f.GetDocument().selection().createRange().commonParentElement();
    ASSERT_EQ(e.tagName(), "IMG");
    EXPECT_EQ(e.getAttribute("src"), "data/b.jpg");
    EXPECT_EQ(e.getAttribute("alt"), "nowy");
    EXPECT_EQ(e.getAttribute("align"), "left");  // not changed: written as the page had it
    EXPECT_EQ(e.getAttribute("border"), "2");
    EXPECT_EQ(e.style().position(), "");
    EXPECT_EQ(e.style().width(), "120px");
    EXPECT_EQ(e.style().height(), "60px");

    // An align outside the list keeps the wrapping choice.
    selectElement(f, "#c");
    inDialog([this](forms::Form&) {
        EXPECT_EQ(img().ComboBox1->listIndex(), 1);
        EXPECT_TRUE(img().CheckBox1->checked());
        img().SpeedButton2Click();
    });
    f.btnImageClick();
}

TEST_F(ElementsOnEngine, PictureReadBackAndOkWithoutAChangeLeaveThePageByteForByte) {
    ASSERT_TRUE(image::Picture::filled(320, 240, 0x00336699).saveJpeg(dir / "zdjecia" / "duze.jpg"));
    ASSERT_TRUE(image::Picture::filled(200, 100, 0x00996633).saveJpeg(site / "data" / "a.jpg"));
    struct Case {
        const char* img;
        long width, height;  // what the dialog shows
    } cases[] = {
        {"<IMG src=\"data/a.jpg\">", 200, 100},
        {"<IMG src=\"data/a.jpg\" width=150 height=\"75\" align=left alt=\"Kot\">", 150, 75},
        {"<IMG style=\"width: 120px; height: 60px\" src=\"data/a.jpg\" border=1>", 120, 60},
    };
    for (const auto& c : cases) {
        // An earlier picture of another size leaves its values in the dialog.
        THTMLEdit& f = open(std::string("<P>Ala ma kota</P><P>x") + c.img + "y</P>");
        caretIn(f, "kota");
        inDialog([this](forms::Form&) {
            img().Edit971->setText(name("zdjecia/duze.jpg"));
            img().SpeedButton1Click();
        });
        f.btnImageClick();
        ASSERT_TRUE(waitFor([&] { return js(f, "String(document.images[1].complete && document.images[1].naturalWidth)") == "200"; }));
        const fs::path page = site / "index.html";
        ASSERT_TRUE(f.SaveDocument(files::platformName(page)));
        std::string before, after;
        ASSERT_TRUE(text::readFile(page, before));
        selectElement(f, "p + p img");
        inDialog([&](forms::Form&) {
            EXPECT_EQ(img().SpinEdit2->value(), c.width) << c.img;
            EXPECT_EQ(img().SpinEdit3->value(), c.height) << c.img;
            EXPECT_EQ(img().previewFile(), files::platformName(site / "data" / "a.jpg")) << c.img;
            img().SpeedButton1Click();
        });
        f.btnImageClick();
        ASSERT_TRUE(f.SaveDocument(files::platformName(page)));
        ASSERT_TRUE(text::readFile(page, after));
        EXPECT_EQ(after, before) << c.img;
    }
}

TEST_F(ElementsOnEngine, QuotesInTheNameAndDescriptionStayInsideTheirAttributes) {
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    caretIn(f, "kota");
    inDialog([this](forms::Form&) {
        img().Edit971->setText("http://example.com/a\"b.jpg");
        img().Edit972->setText("Żółw \"duży\" <b>"_w);
        img().SpeedButton1Click();
    });
    f.btnImageClick();
    EXPECT_EQ(js(f, "document.images.length"), "1");
    EXPECT_EQ(js(f, "document.images[0].getAttribute('src')"), "http://example.com/a\"b.jpg");
    EXPECT_EQ(js(f, "Array.from(document.images[0].attributes).map(a => a.name).filter(n => n[0] != '_').join()"),
              "src,alt,width,align,height,border")
        << body(f);
    EXPECT_EQ(js(f, "document.images[0].alt.replace(/[^ -~]/g, '?')"), "???w \"du?y\" <b>") << body(f);
}

TEST_F(ElementsOnEngine, ScaledCopyReplacesAnEarlierCopyOfItsName) {
    ASSERT_TRUE(image::Picture::filled(1000, 800, 0x00336699).saveJpeg(dir / "zdjecia" / "duzy.jpg"));
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    for (int use = 0; use < 2; ++use) {
        caretIn(f, "kota");
        inDialog([this](forms::Form&) {
            img().Edit971->setText(name("zdjecia/duzy.jpg"));
            img().Label11Click();
            EXPECT_EQ(img().Edit971->text(), name("zdjecia/s_duzy.jpg"));
            img().SpeedButton1Click();
        });
        f.btnImageClick();
    }
    std::vector<std::string> beside, inSite;
    for (const auto& e : fs::directory_iterator(dir / "zdjecia")) beside.push_back(e.path().filename().string());
    for (const auto& e : fs::directory_iterator(site / "data")) inSite.push_back(e.path().filename().string());
    std::sort(beside.begin(), beside.end());
    EXPECT_EQ(beside, (std::vector<std::string>{"duzy.jpg", "s_duzy.jpg"}));
    EXPECT_EQ(inSite, std::vector<std::string>{"s_duzy.jpg"});
    EXPECT_EQ(image::Picture::load(dir / "zdjecia" / "s_duzy.jpg").width(), 320);
    EXPECT_EQ(count(body(f), "SRC=\"data/s_duzy.jpg\""), 2u) << body(f);
}

// Taking the copy's name looks the picture up again; the size the user
// typed after that is still the size written.
TEST_F(ElementsOnEngine, TheSizeTypedAfterAScaledCopyIsTheSizeWritten) {
    ASSERT_TRUE(image::Picture::filled(1000, 800, 0x00336699).saveJpeg(dir / "zdjecia" / "duzy.jpg"));
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    caretIn(f, "kota");
    inDialog([this](forms::Form&) {
        img().Edit971->setText(name("zdjecia/duzy.jpg"));
        img().Label10Click();
        EXPECT_EQ(img().SpinEdit2->value(), 640);
        img().SpinEdit2->setValue(320);
        img().SpinEdit3->setValue(240);
        img().SpeedButton1Click();
        EXPECT_EQ(img().SpinEdit2->value(), 320);
    });
    f.btnImageClick();
    const std::string b = body(f);
    EXPECT_NE(b.find("SRC=\"data/m_duzy.jpg\""), std::string::npos) << b;
    EXPECT_NE(b.find("WIDTH=\"320\""), std::string::npos) << b;
    EXPECT_NE(b.find("HEIGHT=\"240\""), std::string::npos) << b;
}

TEST_F(ElementsOnEngine, ABrokenPictureIsRefusedWithAMessageAndNoCopyIsMade) {
    const std::string bomb = image::testing::jpegClaimingSize(tmp / "scratch.jpg", image::Picture::filled(8, 8, 0x00808080), 14000, 14000);
    ASSERT_LT(bomb.size(), 1000u);
    ASSERT_TRUE(image::Picture::filled(1000, 800, 0x00336699).saveJpeg(tmp / "whole.jpg"));
    std::string whole;
    ASSERT_TRUE(text::readFile(tmp / "whole.jpg", whole));
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"bomba.jpg", bomb},                                   // claims a size it cannot be
        {"polowa.jpg", whole.substr(0, whole.size() / 2)},     // the first half of a picture
    };
    ASSERT_TRUE(image::Picture::filled(50, 40, 0x00336699).saveJpeg(dir / "zdjecia" / "maly.jpg"));
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    for (const auto& c : cases) {
        ASSERT_TRUE(text::writeFile(dir / "zdjecia" / c.name, c.bytes));
        caretIn(f, "kota");
        inDialog([this, &c](forms::Form&) {
            img().Edit971->setText(name("zdjecia/maly.jpg"));
            img().Edit971->setText(name(fs::path("zdjecia") / c.name));
            // The picture before stays in the preview and the size fields.
            EXPECT_EQ(img().previewFile(), name("zdjecia/maly.jpg")) << c.name;
            EXPECT_EQ(img().SpinEdit2->value(), 50) << c.name;
            EXPECT_FALSE(img().resizePanelShown()) << c.name;
            // A scaled copy asked for anyway is made of neither picture.
            img().Label10Click();
            EXPECT_EQ(img().Edit971->text(), name(fs::path("zdjecia") / c.name)) << c.name;
            img().SpeedButton2Click();
        });
        f.btnImageClick();
        const auto messages = answers.asked("message");
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_EQ(messages[0].text, "Nie można wczytać tego obrazka: plik jest uszkodzony albo obrazek jest zbyt duży."_w);
        answers.clear();
        fs::remove(dir / "zdjecia" / c.name);
    }
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(dir / "zdjecia")) left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"maly.jpg"});
}

TEST_F(ElementsOnEngine, ANonImageControlIsLeftAsItIs) {
    THTMLEdit& f = open("<P>a<IFRAME src=\"x.html\"></IFRAME>b</P>");
    selectElement(f, "iframe");
    const std::string before = body(f);
    inDialog([this](forms::Form&) {
        img().Edit971->setText("z.jpg");
        img().SpeedButton1Click();
    });
    f.btnImageClick();
    EXPECT_EQ(body(f), before);
}

TEST_F(ElementsOnEngine, NewTableHasTheCountsOfTheDialog) {
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    caretIn(f, "kota");
    inDialog([this](forms::Form&) {
        Tinstbl& d = tbl();
        EXPECT_EQ(d.TableEditMode, 0);
        d.SpinEdit1->setValue(3);
        d.SpinEdit2->setValue(2);
        d.SpinEdit3->setValue(1);
        d.SpeedButton3Click();
        d.CheckBox3->setValue(1);
        d.SpeedButton1Click();
    });
    f.SpeedButton11Click();
    std::string b = body(f);
    EXPECT_EQ(count(b, "<TR>"), 3u) << b;
    EXPECT_EQ(count(b, "<TD"), 6u) << b;
    EXPECT_NE(b.find("rows=\"3\""), std::string::npos) << b;
    EXPECT_NE(b.find("cols=\"2\""), std::string::npos) << b;
    EXPECT_NE(b.find("bgcolor=\"\""), std::string::npos) << b;
    EXPECT_TRUE(answers.asked("message").empty());
}

TEST_F(ElementsOnEngine, EditedTableKeepsItsCellsUnlessTheCountsChange) {
    THTMLEdit& f = open("<TABLE rows=\"2\" cols=\"1\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" bgcolor=\"\">"
                        "<TR><TD>jeden</TD></TR><TR><TD>dwa</TD></TR></TABLE>");
    caretIn(f, "dwa");
    inDialog([this](forms::Form&) {
        Tinstbl& d = tbl();
        EXPECT_EQ(d.TableEditMode, 1);
        EXPECT_EQ(d.SpinEdit1->value(), 2);
        EXPECT_EQ(d.SpinEdit2->value(), 1);
        d.SpinEdit3->setValue(4);
        d.SpeedButton1Click();
    });
    f.SpeedButton11Click();
    std::string b = body(f);
    EXPECT_NE(b.find("border=\"4\""), std::string::npos) << b;
    EXPECT_NE(b.find("jeden"), std::string::npos) << b;
    EXPECT_NE(b.find("dwa"), std::string::npos) << b;

    // More rows: the question, Yes, empty cells.
    caretIn(f, "jeden");
    answers.answerMessage(forms::mb::Yes);
    inDialog([this](forms::Form&) {
        tbl().SpinEdit1->setValue(3);
        tbl().SpeedButton1Click();
    });
    f.SpeedButton11Click();
    b = body(f);
    EXPECT_EQ(answers.asked("message").size(), 1u);
    EXPECT_EQ(b.find("jeden"), std::string::npos) << b;
    EXPECT_EQ(count(b, "<TR>"), 3u) << b;
}

TEST_F(ElementsOnEngine, PositionedTableKeepsItsGeometry) {
    THTMLEdit& f = open("<TABLE style=\"position: absolute; left: 10px; top: 20px\" rows=\"1\" cols=\"1\" border=\"1\" "
                        "cellspacing=\"0\" cellpadding=\"0\" bgcolor=\"#FF0000\"><TR><TD>tu</TD></TR></TABLE>");
    caretIn(f, "tu");
    tbl().CheckBox3->setValue(1);
    inDialog([this](forms::Form&) {
        EXPECT_FALSE(tbl().CheckBox3->checked());
        tbl().SpeedButton1Click();
    });
    f.SpeedButton11Click();
    std::string b = body(f);
    EXPECT_NE(b.find("position: absolute; left: 10px; top: 20px"), std::string::npos) << b;
    EXPECT_NE(b.find("tu"), std::string::npos) << b;
    EXPECT_NE(b.find("bgcolor=\"#FF0000\""), std::string::npos) << b;

    // A new table gets none of that geometry.
    caretIn(f, "tu");
    js(f, "document.body.insertAdjacentHTML('beforeend','<P>nowa</P>')");
    caretIn(f, "nowa");
    inDialog([this](forms::Form&) { tbl().SpeedButton1Click(); });
    f.SpeedButton11Click();
    EXPECT_EQ(count(body(f), "left: 10px"), 1u) << body(f);
    // The box ticked takes the table into the text flow; its geometry stays
    // and so does a new row's worth of cells after Yes.
    selectElement(f, "table[style]");
    answers.answerMessage(forms::mb::Yes);
    inDialog([this](forms::Form&) {
        tbl().CheckBox3->setValue(1);
        tbl().SpinEdit1->setValue(2);
        tbl().SpeedButton1Click();
    });
    f.SpeedButton11Click();
    b = body(f);
    EXPECT_EQ(count(b, "absolute"), 1u) << b;  // the new table's only
    EXPECT_NE(b.find("style=\"left: 10px; top: 20px"), std::string::npos) << b;
    EXPECT_NE(b.find("bgcolor=\"#FF0000\""), std::string::npos) << b;
    EXPECT_EQ(count(b, "<TR>"), 3u) << b;  // two here, one in the new table
}

// A page made from each shipped template is laid out without tables, so a
// table made in its text is a new one at the caret and the text all stays.
TEST_F(ElementsOnEngine, TableInAPageOfEachTemplateIsNewAndKeepsTheText) {
    struct Case {
        const char* name;
        const char* caretAt;
    } cases[] = {{"Klasyczny", "Kliknij"}, {"Nowoczesny", "Dwa, trzy"}, {"Pastelowy", "kilka"}};
    const std::string textWithoutTables =
        "(() => { const b = document.body.cloneNode(true); b.querySelectorAll('table').forEach(t => t.remove());"
        " return b.textContent.replace(/\\s+/g, ''); })()";
    for (const auto& c : cases) {
        const fs::path tpl = dir / "data" / "templates" / c.name;
        std::string page;
        ASSERT_TRUE(text::readFile(tpl / "index.html", page)) << c.name;
        EXPECT_EQ(text::lower(page).find("<table"), std::string::npos) << c.name;
        for (std::size_t at; (at = page.find("${TITLE}")) != std::string::npos;) page.replace(at, 8, "Moja strona");
        const fs::path file = site / (text::lower(c.name) + ".html");
        ASSERT_TRUE(text::writeFile(file, page));
        fs::copy(tpl / "data", site / "data", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        TMDIChild* d = all->MainForm->doc_open(files::platformName(file));
        ASSERT_NE(d, nullptr);
        auto& f = *dynamic_cast<THTMLEdit*>(d->HTMLEdit1);
        ASSERT_TRUE(waitFor([&f] { return f.DocumentReady; }));
        const std::string before = js(f, textWithoutTables);
        caretIn(f, c.caretAt);
        inDialog([this, &c](forms::Form&) {
            EXPECT_EQ(tbl().TableEditMode, 0) << c.name;
            tbl().SpinEdit1->setValue(2);
            tbl().SpinEdit2->setValue(3);
            tbl().SpeedButton1Click();
        });
        f.SpeedButton11Click();
        EXPECT_EQ(js(f, "String(document.querySelectorAll('table').length)"), "1") << c.name;
        EXPECT_EQ(js(f, "String(document.querySelectorAll('td').length)"), "6") << c.name;
        EXPECT_EQ(js(f, textWithoutTables), before) << c.name;
        EXPECT_TRUE(answers.asked("message").empty()) << c.name;
    }
}

TEST_F(ElementsOnEngine, FloatingLayerGoesAtTheSelectionOrOverASelectedPicture) {
    THTMLEdit& f = open("<TABLE><TR><TD>w celi</TD></TR></TABLE><P>obok<IMG src=\"data/a.jpg\"></P>");
    selectText(f, "celi");
    f.btnUser4Click();
    std::string b = body(f);
    EXPECT_EQ(count(b, "position:absolute") + count(b, "position: absolute"), 1u) << b;
    EXPECT_EQ(b.find("celi"), std::string::npos) << b;
    selectElement(f, "img");
    f.btnUser4Click();
    b = body(f);
    EXPECT_EQ(b.find("a.jpg"), std::string::npos) << b;
    EXPECT_EQ(count(b, "<TABLE"), 3u) << b;
}

}  // namespace

namespace {

TEST_F(ElementsOnEngine, InsertedElementsAreSavedAndOpenAgain) {
    ASSERT_TRUE(image::Picture::filled(1000, 800, 0x00336699).saveJpeg(dir / "zdjecia" / "duzy.jpg"));
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    caretIn(f, "kota");
    // A large picture is offered smaller; the small copy is what goes in.
    inDialog([this](forms::Form&) {
        Tinsertimg& d = img();
        d.Edit971->setText(name("zdjecia/duzy.jpg"));
        EXPECT_TRUE(d.resizePanelShown());
        d.Label11Click();
        d.CheckBox1->setValue(0);
        d.SpeedButton1Click();
    });
    f.btnImageClick();
    caretIn(f, "Ala");
    inDialog([this](forms::Form&) {
        tbl().SpinEdit1->setValue(2);
        tbl().SpinEdit2->setValue(2);
        tbl().CheckBox3->setValue(1);
        tbl().SpeedButton1Click();
    });
    f.SpeedButton11Click();
    const std::string page = files::platformName(site / "index.html");
    ASSERT_TRUE(f.SaveDocument(page));
    EXPECT_EQ(image::Picture::load(site / "data" / "s_duzy.jpg").width(), 320);
    EXPECT_TRUE(fs::exists(dir / "zdjecia" / "duzy.jpg"));

    closeWindowOf(site / "index.html");
    TMDIChild* again = all->MainForm->doc_open(page);
    ASSERT_NE(again, nullptr);
    auto* g = dynamic_cast<THTMLEdit*>(again->HTMLEdit1);
    ASSERT_TRUE(waitFor([g] { return g->DocumentReady; }));
    std::string b = body(*g);
    EXPECT_NE(b.find("SRC=\"data/s_duzy.jpg\""), std::string::npos) << b;
    EXPECT_NE(b.find("WIDTH=\"320\""), std::string::npos) << b;
    EXPECT_NE(b.find("position: absolute"), std::string::npos) << b;
    EXPECT_EQ(count(b, "<TD"), 4u) << b;
}

}  // namespace

namespace {

TEST_F(ElementsOnEngine, DoubleClickOpensTheDialogOfTheSelectedPictureOrTable) {
    THTMLEdit& f = open("<P>a<IMG src=\"data/p.jpg\" alt=\"obraz\">b</P><TABLE rows=\"1\" cols=\"2\" border=\"3\" "
                        "cellspacing=\"0\" cellpadding=\"0\"><TR><TD>x</TD><TD>y</TD></TR></TABLE>");
    std::vector<std::string> shown;
    inDialog([&](forms::Form& d) {
        shown.push_back(d.name());
        if (&d == &img()) EXPECT_EQ(img().Edit972->text(), "obraz");
        if (&d == &tbl()) EXPECT_EQ(tbl().SpinEdit3->value(), 3);
    });
    selectElement(f, "img");
    f.DHTMLondblclick();
    selectElement(f, "table");
    f.DHTMLondblclick();
    EXPECT_EQ(shown, (std::vector<std::string>{"Tinsertimg", "Tinstbl"}));
}

}  // namespace
