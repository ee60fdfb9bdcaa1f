// The link, media and page body dialogs on the browser engine: a page of a
// site is opened in a document window, elements are inserted and edited
// through the frame's routines with the dialogs answered as a user would, and
// the files they name are brought into the site.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "files/FileSystem.h"
#include "forms/Application.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Drive.h"
#include "forms/Label.h"
#include "forms/ListView.h"
#include "forms/Panel.h"
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "htmledit/EditControl.h"
#include "htmledit/TestApplication.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/EditorWindowsTest.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/dialogs/Tbody.h"
#include "pageeditor/dialogs/Tflashins.h"
#include "pageeditor/dialogs/Tiframe.h"
#include "pageeditor/dialogs/Tinsert_snd.h"
#include "pageeditor/dialogs/Tlinkinsert.h"
#include "pageeditor/dialogs/Tmarquee.h"
#include "pageeditor/dialogs/Tmovie.h"
#include "pageeditor/frame/EditorFrameInstall.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "registry/Registry.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace pageeditor;
using namespace text::literals;
namespace fs = std::filesystem;
using enginetest::EditorWindowsTest;
using enginetest::shippedFolder;
using enginetest::waitFor;

namespace {


const char* kHead =
    "<HTML><HEAD>\r\n<META http-equiv=Content-Type content=\"text/html; charset=iso-8859-2\">\r\n"
    "<TITLE>Strona</TITLE>\r\n</HEAD>\r\n";

class ElementDialogs : public EditorWindowsTest {
protected:
    void SetUp() override {
        makeTemp("pw_elements");
        fs::create_directories(tmp / "prog" / "webpages" / "s" / "data");
        fs::create_directories(tmp / "outside");
        startEditor(shippedFolder());
    }

    // Opens a page of the site "s" whose body is given; the main window's
    // program folder then is the temporary one.
    THTMLEdit& open(const std::string& body, const std::string& bodyTag = "<BODY>",
                    const std::string& name = "index.html") {
        fs::path file = site() / name;
        closeWindowOf(file);
        text::writeFile(file, kHead + bodyTag + body + "</BODY></HTML>\r\n");
        TMDIChild* d = all->MainForm->doc_open(files::platformName(file));
        EXPECT_NE(d, nullptr);
        auto* f = dynamic_cast<THTMLEdit*>(d->HTMLEdit1);
        EXPECT_NE(f, nullptr);
        EXPECT_TRUE(waitFor([f] { return f->DocumentReady; }));
        all->MainForm->app_dir = files::platformName(tmp / "prog") + "\\";
        all->MainForm->site_name = "s";
        return *f;
    }
    fs::path site() const { return tmp / "prog" / "webpages" / "s"; }
    static std::string js(THTMLEdit& f, const std::string& s) { return f.control().engine()->evaluate(s); }
    static void selectText(THTMLEdit& f, const std::string& text) {
        ASSERT_EQ(js(f, "String(pw.x('selectText',['" + text + "',0]).v)"), "true");
    }
    static void selectElement(THTMLEdit& f, const std::string& css) {
        js(f, "(function(){const r=document.createRange();r.selectNode(document.querySelector('" + css +
                  "'));getSelection().removeAllRanges();getSelection().addRange(r)})()");
        ASSERT_EQ(f.control().selectionType(), "Control");
    }
    static std::string body(THTMLEdit& f) {
        std::string h = f.control().DocumentHTML();
        auto b = h.find('>', h.find("<BODY")) + 1;
        return h.substr(b, h.rfind("</BODY>") - b);
    }
    static std::string bodyTag(THTMLEdit& f) {
        std::string h = f.control().DocumentHTML();
        auto b = h.find("<BODY");
        return h.substr(b, h.find('>', b) - b + 1);
    }
    // The next modal dialog is answered by `answer`; it is not shown.
    void onDialog(std::function<void(forms::Form&)> answer) {
        forms::drive::setModalHook([answer, this](forms::Form& f) {
            auto keep = answer;  // clearing the hook destroys this lambda
            int* count = &shown;
            forms::drive::setModalHook({});
            ++*count;
            // A picture of each dialog as it opens, for looking at by hand.
            if (const char* shots = std::getenv("DIALOG_SCREENSHOTS")) {
                forms::drive::processEvents();
                forms::drive::saveScreenshot(f, std::string(shots) + "/" + f.name() + "_" + std::to_string(*count) + ".png");
            }
            keep(f);
        });
    }
    std::string outsideFile(const std::string& name, const std::string& bytes) {
        text::writeFile(tmp / "outside" / name, bytes);
        return (tmp / "outside" / name).string();
    }

    int shown = 0;
};

TEST_F(ElementDialogs, LinkIsMadeEditedAndRemoved) {
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    Tlinkinsert& d = *all->linkinsert;
    selectText(f, "kota");
    onDialog([&](forms::Form&) {
        EXPECT_EQ(d.edit971->text(), "");
        d.edit971->setText("dom.html");
        d.Edit972->setText("Śmiały \"kot\""_w);
        d.ComboBox1->setListIndex(1);
        forms::drive::click(*d.SpeedButton1);
    });
    f.SpeedButton1Click();
    ASSERT_EQ(shown, 1);
    // The title reaches the page with its letters, the quotes as references.
    EXPECT_NE(body(f).find("<A href=\"dom.html\" title=\"Śmiały &quot;kot&quot;\" target=\"_blank\">kota</A>"_w),
              std::string::npos)
        << body(f);

    // The caret in the link: its values are shown, the title in Windows-1250.
    selectText(f, "ot");
    onDialog([&](forms::Form&) {
        EXPECT_EQ(d.edit971->text(), "dom.html");
        EXPECT_EQ(d.Edit972->text(), "Śmiały \"kot\""_w);
        EXPECT_EQ(d.ComboBox1->listIndex(), 1);
        EXPECT_FALSE(d.CheckBox1->visible());
        d.edit971->setText("las.zip");
        EXPECT_FALSE(d.CheckBox1->visible());  // no download note for an existing link
        d.ComboBox1->setListIndex(0);
        forms::drive::pressKey(*d.Edit972, forms::key::Return);
    });
    f.EditLink({});
    EXPECT_NE(body(f).find("href=\"las.zip\""), std::string::npos) << body(f);
    EXPECT_EQ(body(f).find("_blank"), std::string::npos) << body(f);

    // Cancel changes nothing; an emptied address removes the link.
    std::string before = body(f);
    onDialog([&](forms::Form&) {
        d.edit971->setText("x.html");
        forms::drive::pressKey(*d.edit971, forms::key::Escape);
    });
    f.EditLink({});
    EXPECT_EQ(body(f), before);
    selectText(f, "ot");
    onDialog([&](forms::Form&) {
        d.edit971->setText("");
        forms::drive::click(*d.SpeedButton1);
    });
    f.EditLink({});
    EXPECT_NE(body(f).find("<P>Ala ma kota</P>"), std::string::npos) << body(f);
    EXPECT_EQ(body(f).find("<A"), std::string::npos) << body(f);
}

TEST_F(ElementDialogs, LinkWithAnOtherTargetKeepsIt) {
    THTMLEdit& f = open("<P><A href=\"a.html\" target=\"_top\">Ala</A> ma</P>");
    Tlinkinsert& d = *all->linkinsert;
    selectText(f, "la");
    onDialog([&](forms::Form&) {
        EXPECT_EQ(d.ComboBox1->listIndex(), -1);
        forms::drive::click(*d.SpeedButton1);
    });
    f.EditLink({});
    EXPECT_NE(body(f).find("<A href=\"a.html\" target=\"_top\">Ala</A>"), std::string::npos) << body(f);
}

TEST_F(ElementDialogs, LinkedFileIsBroughtIntoTheSiteAndAPictureLinked) {
    THTMLEdit& f = open("<P>pocz<IMG src=\"p.gif\">koniec</P>");
    Tlinkinsert& d = *all->linkinsert;
    std::string zip = outsideFile("paczka.zip", "new");
    text::writeFile(site() / "stary.rar", "old");
    std::string rar = outsideFile("stary.rar", "new");
    all->MainForm->ListView1->clear();
    all->MainForm->ListView1->addItem("index.html", 0);
    all->MainForm->ListView1->addItem("dwa.html", 0);

    // A picture selected as a whole becomes the content of the link; the
    // chosen archive is copied in and linked by its bare name, with the note.
    selectElement(f, "img");
    answers.answerFile(true, zip);
    onDialog([&](forms::Form&) {
        EXPECT_EQ(d.edit971->listCount(), 2);
        forms::drive::click(*d.SpeedButton3);
        EXPECT_TRUE(d.CheckBox1->visible());
        EXPECT_TRUE(d.Label4->visible());
        d.CheckBox1->setValue(1);
        forms::drive::click(*d.SpeedButton1);
    });
    f.EditLink({});
    ASSERT_EQ(answers.asked("file").size(), 1u);
    EXPECT_EQ(answers.asked("file")[0].text, "Wstaw link:");
    std::string copied;
    EXPECT_TRUE(text::readFile(site() / "paczka.zip", copied));
    EXPECT_EQ(copied, "new");
    EXPECT_NE(body(f).find("<A href=\"paczka.zip\" title=\"\" target=\"\"><IMG src=\"p.gif\"></A><BR><A "
                           "href=http://www.7-zip.org/download.html>Aby uruchomi"),
              std::string::npos)
        << body(f);

    // A second opening lists each page once; a file of that name already in
    // the site stays as it was.
    selectText(f, "koniec");
    onDialog([&](forms::Form&) {
        EXPECT_EQ(d.edit971->listCount(), 2);
        EXPECT_FALSE(d.CheckBox1->visible());
        d.edit971->setText(rar);
        forms::drive::click(*d.SpeedButton1);
    });
    f.EditLink({});
    EXPECT_TRUE(text::readFile(site() / "stary.rar", copied));
    EXPECT_EQ(copied, "old");
    EXPECT_NE(body(f).find("href=\"stary.rar\" title=\"\" target=\"\">koniec</A>"), std::string::npos) << body(f);

    // An address stays as typed; a typed name reaching out of the site copies nothing there.
    selectText(f, "pocz");
    onDialog([&](forms::Form&) {
        d.edit971->setText("http://www.example.com/a.zip");
        forms::drive::click(*d.SpeedButton1);
    });
    f.EditLink({});
    EXPECT_NE(body(f).find("href=\"http://www.example.com/a.zip\" title=\"\" target=\"\">pocz</A>"), std::string::npos) << body(f);
}

TEST_F(ElementDialogs, FlashMovieIsCopiedIntoTheMediaFolderAndReadBack) {
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    Tflashins& d = *all->flashins;
    std::string swf = outsideFile("film.swf", "movie");
    selectText(f, "ma");
    onDialog([&](forms::Form&) {
        EXPECT_EQ(d.Edit1->text(), files::platformName(swf));
        d.ComboBox1->setListIndex(3);
        d.CheckBox3->setValue(0);
        forms::drive::pressKey(*d.Edit1, forms::key::Return);  // Enter in the name field inserts
    });
    f.EditFlash(files::platformName(swf));
    std::string copied;
    EXPECT_TRUE(text::readFile(site() / "data" / "film.swf", copied));
    EXPECT_EQ(copied, "movie");
    std::string b = body(f);
    EXPECT_NE(b.find("<OBJECT style=\"position: absolute;\" classid"), std::string::npos) << b;
    EXPECT_NE(b.find("VALUE=\"data\\film.swf\""), std::string::npos) << b;
    EXPECT_NE(b.find("src=\"data\\film.swf\""), std::string::npos) << b;

    // Selected as a whole, the movie is read back and a given name ignored.
    selectElement(f, "object");
    d.Edit1->setText("");
    onDialog([&](forms::Form&) {
        EXPECT_EQ(d.Edit1->text(), "data\\film.swf");
        EXPECT_FALSE(d.CheckBox3->checked());
        forms::drive::click(*d.SpeedButton3);
    });
    f.EditFlash("inny.swf");
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(body(f), b);
}

TEST_F(ElementDialogs, ScrollingTextIsInsertedAndReadBack) {
    THTMLEdit& f = open("<P>Ala <MARQUEE loop=infinite scrollamount=7 bgcolor=#ff0000 "
                        "style=\"LEFT: 10px; POSITION: absolute\">Hej</MARQUEE> kota</P>"
                        "<P><MARQUEE id=bad loop=abc>Zle</MARQUEE></P>");
    Tmarquee& d = *all->marquee;
    selectElement(f, "marquee");
    onDialog([&](forms::Form&) {
        EXPECT_EQ(d.Edit1->text(), "Hej");
        EXPECT_TRUE(d.CheckBox1->checked());
        EXPECT_FALSE(d.SpinEdit7->enabled());
        EXPECT_EQ(d.SpinEdit5->value(), 7);
        EXPECT_EQ(d.colour(), 0x0000FFu);
        EXPECT_FALSE(d.CheckBox3->checked());
        EXPECT_EQ(d.Geometry, "left: 10px; ");
        d.Edit1->setText("<b>Nowy</b>");
        forms::drive::click(*d.SpeedButton1);
    });
    f.SpeedButton9Click();
    // The new text goes into the marquee, which keeps its own start tag.
    std::string b = body(f);
    EXPECT_NE(b.find("<MARQUEE loop=infinite scrollamount=7 bgcolor=#ff0000 style=\"LEFT: 10px; POSITION: absolute\">"
                     "<B>Nowy</B></MARQUEE>"),
              std::string::npos)
        << b;
    // A loop value that is no number opens the dialog, looping for ever as
    // the engine plays it.
    selectElement(f, "#bad");
    onDialog([&](forms::Form&) {
        EXPECT_TRUE(d.CheckBox1->checked());
        forms::drive::click(*d.SpeedButton2);
    });
    f.SpeedButton9Click();
    EXPECT_EQ(shown, 2);
}

TEST_F(ElementDialogs, InlineFrameVideoAndSound) {
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    // An empty name and source: only ALIGN, empty.
    Tiframe& fr = *all->iframe;
    selectText(f, "ma");
    onDialog([&](forms::Form&) {
        fr.FilenameEdit1->setText("a\"b.html");
        EXPECT_EQ(fr.FilenameEdit1->text(), "ab.html");  // quotes are removed as typed
        fr.FilenameEdit1->setText("");
        fr.CheckBox3->setValue(1);
        forms::drive::click(*fr.SpeedButton1);
    });
    f.SpeedButton12Click();
    EXPECT_NE(body(f).find("<IFRAME ALIGN=\"\"></IFRAME>"), std::string::npos) << body(f);

    // A video closed with Cancel inserts nothing; OK copies it beside the pages.
    Tmovie& mv = *all->movie;
    std::string before = body(f);
    selectText(f, "Ala");
    onDialog([&](forms::Form&) { forms::drive::click(*mv.SpeedButton3); });
    f.SpeedButton10Click();
    EXPECT_EQ(body(f), before);
    std::string avi = outsideFile("f.avi", "video");
    onDialog([&](forms::Form&) {
        mv.Edit1->setText(files::platformName(avi));
        mv.CheckBox3->setValue(1);
        forms::drive::click(*mv.SpeedButton2);
    });
    f.SpeedButton10Click();
    EXPECT_TRUE(fs::exists(site() / "f.avi"));
    EXPECT_NE(body(f).find("<EMBED SRC=\"f.avi\" AUTOSTART=\"TRUE\">"), std::string::npos) << body(f);

    // The sound dialog's tag for the whole-document rewrite.
    Tinsert_snd& snd = *all->insert_snd;
    std::string mid = outsideFile("a.mid", "midi");
    onDialog([&](forms::Form&) {
        snd.Edit1->setText(files::platformName(mid));
        snd.SpinEdit1->setValue(2);
        forms::drive::click(*snd.SpeedButton2);
    });
    EXPECT_EQ(snd.snd_getsnd(), "<BGSOUND SRC=\"a.mid\" LOOP=\"2\">");
    EXPECT_TRUE(fs::exists(site() / "a.mid"));
    onDialog([&](forms::Form&) {
        snd.Edit1->setText("http://h/s.mid");
        snd.CheckBox1->setValue(1);
        forms::drive::pressKey(*snd.Edit1, forms::key::Return);
    });
    EXPECT_EQ(snd.snd_getsnd(), "<BGSOUND SRC=\"http://h/s.mid\" LOOP=\"INFINITE\">");
    onDialog([&](forms::Form&) { forms::drive::pressKey(*snd.Edit1, forms::key::Escape); });
    EXPECT_EQ(snd.snd_getsnd(), "");
}

TEST_F(ElementDialogs, PageBodyIsReadBackAndWritten) {
    THTMLEdit& f = open("<P>Ala ma kota</P>", "<BODY style=\"BACKGROUND: #ff0000\" text=#00ff00>");
    Tbody& d = *all->body;
    selectText(f, "ma");
    onDialog([&](forms::Form&) {
        EXPECT_TRUE(d.CheckBox2->checked());
        EXPECT_FALSE(d.CheckBox1->checked());
        EXPECT_EQ(d.panelColour(1), 0x0000FFu);
        EXPECT_EQ(d.Panel6->backColor(), 0x0000FFu);
        EXPECT_EQ(d.panelColour(2), 0x00FF00u);
        EXPECT_TRUE(d.CheckBox3->checked());  // the page gives a text colour
        EXPECT_TRUE(d.Panel2->enabled());
        EXPECT_FALSE(d.CheckBox4->checked());  // and no link colour
        // A panel whose box is not ticked opens no colour dialog.
        d.PanelClick(3);
        EXPECT_TRUE(answers.asked("color").empty());
        forms::drive::click(*d.SpeedButton1);
    });
    const std::string untouched = bodyTag(f);
    f.SpeedButton3Click();
    std::string tag = bodyTag(f);
    EXPECT_EQ(tag, untouched);  // OK without a change writes nothing
    // A box the user clears clears its attribute.
    onDialog([&](forms::Form&) {
        d.setBox(d.CheckBox3, true);
        d.setBox(d.CheckBox3, false);
        d.setBox(d.CheckBox4, true);
        forms::drive::click(*d.SpeedButton1);
    });
    f.SpeedButton3Click();
    tag = bodyTag(f);
    EXPECT_NE(tag.find("link=\"#"), std::string::npos) << tag;
    EXPECT_EQ(tag.find("#00ff00"), std::string::npos) << tag;
    d.setBox(d.CheckBox4, false);

    // A chosen picture with no colour goes to data\ of the site, as the
    // attribute and as the style's url().
    std::string sky = outsideFile("sky.jpg", "jpeg");
    answers.answerFile(true, sky);
    onDialog([&](forms::Form&) {
        d.setBox(d.CheckBox1, true);
        d.setBox(d.CheckBox2, false);
        forms::drive::click(*d.SpeedButton3);
        EXPECT_EQ(d.Edit1->text(), files::platformName(sky));
        forms::drive::click(*d.SpeedButton1);
    });
    f.SpeedButton3Click();
    EXPECT_TRUE(fs::exists(site() / "data" / "sky.jpg"));
    tag = bodyTag(f);
    EXPECT_NE(tag.find("background=\"data\\sky.jpg\""), std::string::npos) << tag;
    EXPECT_NE(tag.find("url(data/sky.jpg)"), std::string::npos) << tag;  // as a browser reads it

    // Read back with both the attribute and the url(); Cancel leaves the
    // element as it is.
    onDialog([&](forms::Form&) {
        EXPECT_TRUE(d.CheckBox1->checked());
        EXPECT_TRUE(d.Edit1->enabled());
        EXPECT_EQ(d.Edit1->text(), "data\\sky.jpg");
        d.setBox(d.CheckBox1, false);
        forms::drive::click(*d.SpeedButton2);
    });
    f.SpeedButton3Click();
    EXPECT_EQ(bodyTag(f), tag);

    // An address is written as typed; an empty picture name stays empty
    // rather than naming the media folder itself.
    struct Case {
        const char* picture;
        const char* background;
        const char* style;  // what the style holds, or "" for no background
    } cases[] = {
        {"http://h/t.gif", "background=\"http://h/t.gif\"", "url(http://h/t.gif)"},
        {"", "background=\"\"", ""},
    };
    for (const auto& c : cases) {
        onDialog([&](forms::Form&) {
            d.setBox(d.CheckBox1, true);
            d.setBox(d.CheckBox2, false);
            d.Edit1->setText(c.picture);
            forms::drive::click(*d.SpeedButton1);
        });
        f.SpeedButton3Click();
        tag = bodyTag(f);
        EXPECT_NE(tag.find(c.background), std::string::npos) << tag;
        if (*c.style)
            EXPECT_NE(tag.find(c.style), std::string::npos) << tag;
        else
            EXPECT_EQ(tag.find("BACKGROUND"), std::string::npos) << tag;
    }
}

// The page as saved, for comparing byte for byte.
std::string savedPage(THTMLEdit& f, const fs::path& file) {
    EXPECT_TRUE(f.SaveDocument(files::platformName(file)));
    std::string bytes;
    EXPECT_TRUE(text::readFile(file, bytes));
    return bytes;
}

TEST_F(ElementDialogs, OkWithoutAChangeLeavesTheSavedPageByteForByte) {
    Tbody& body = *all->body;
    Tflashins& flash = *all->flashins;
    Tlinkinsert& link = *all->linkinsert;
    // The dialogs come from an earlier use with other values.
    body.setPanelColour(1, 0xFFFFFF);
    for (forms::CheckBox* b : {body.CheckBox3, body.CheckBox4, body.CheckBox5, body.CheckBox6}) body.setBox(b, true);
    flash.ComboBox1->setListIndex(0);
    link.ComboBox1->setListIndex(1);
    struct Case {
        const char* bodyTag;
        const char* content;
        std::function<void(THTMLEdit&)> select;
        std::function<void(THTMLEdit&)> command;
    } cases[] = {
        {"<BODY bgColor=#f4f1ea leftMargin=0 topMargin=0>", "<P>Ala ma kota</P>",
         [](THTMLEdit& f) { selectText(f, "ma"); }, [](THTMLEdit& f) { f.SpeedButton3Click(); }},
        {"<BODY background=\"data/sky.jpg\" style=\"background: #abcdef url(data/sky.jpg)\" text=#333333>",
         "<P>Ala ma kota</P>", [](THTMLEdit& f) { selectText(f, "ma"); },
         [](THTMLEdit& f) { f.SpeedButton3Click(); }},
        {"<BODY>", "<P>Ala ma kota</P>", [](THTMLEdit& f) { selectText(f, "ma"); },
         [](THTMLEdit& f) { f.SpeedButton3Click(); }},
        {"<BODY>",
         "<P>a<OBJECT classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\"><PARAM NAME=movie "
         "VALUE=\"data\\m.swf\"><PARAM NAME=quality VALUE=\"auto high\"><EMBED src=\"data\\m.swf\" "
         "quality=\"auto high\"></EMBED></OBJECT>b</P>",
         [](THTMLEdit& f) { selectElement(f, "object"); }, [](THTMLEdit& f) { f.EditFlash({}); }},
        {"<BODY>", "<P>Ala <A href=\"dom.html\" target=\"_top\">ma</A> kota</P>",
         [](THTMLEdit& f) { selectText(f, "ma"); }, [](THTMLEdit& f) { f.EditLink({}); }},
    };
    int page = 0;
    for (const auto& c : cases) {
        THTMLEdit& f = open(c.content, c.bodyTag, "p" + std::to_string(++page) + ".html");
        const std::string before = savedPage(f, site() / "before.html");
        c.select(f);
        onDialog([&](forms::Form& form) {
            // OK as the user presses it: the dialog's own OK button.
            if (&form == &body) forms::drive::click(*body.SpeedButton1);
            if (&form == &flash) forms::drive::click(*flash.SpeedButton2);
            if (&form == &link) forms::drive::click(*link.SpeedButton1);
        });
        c.command(f);
        EXPECT_EQ(savedPage(f, site() / "after.html"), before) << c.bodyTag << c.content;
    }
    EXPECT_EQ(shown, 5);
}

TEST_F(ElementDialogs, BackgroundPictureShowsWithThePageColour) {
    ASSERT_TRUE(text::writeFile(tmp / "outside" / "sky.gif", std::string("GIF89a\x01\0\x01\0\x80\0\0\xff\0\0\0\0\0"
                                                                       ",\0\0\0\0\x01\0\x01\0\0\x02\x02" "D\x01\0;", 35)));
    THTMLEdit& f = open("<P>Ala ma kota</P>", "<BODY bgColor=#f4f1ea>");
    Tbody& d = *all->body;
    selectText(f, "ma");
    answers.answerFile(true, (tmp / "outside" / "sky.gif").string());
    onDialog([&](forms::Form&) {
        EXPECT_TRUE(d.CheckBox2->checked());  // the page's colour, read from bgcolor
        EXPECT_EQ(d.panelColour(1), 0xEAF1F4u);
        d.setBox(d.CheckBox1, true);
        forms::drive::click(*d.SpeedButton3);
        forms::drive::click(*d.SpeedButton1);
    });
    f.SpeedButton3Click();
    EXPECT_TRUE(fs::exists(site() / "data" / "sky.gif"));
    const std::string tag = bodyTag(f);
    EXPECT_NE(tag.find("#F4F1EA url(data/sky.gif)"), std::string::npos) << tag;
    // The engine draws both: the picture over the colour.
    EXPECT_NE(js(f, "getComputedStyle(document.body).backgroundImage").find("/data/sky.gif"), std::string::npos);
    EXPECT_EQ(js(f, "getComputedStyle(document.body).backgroundColor"), "rgb(244, 241, 234)");
    // Read back, the picture and the colour are both shown again.
    onDialog([&](forms::Form&) {
        EXPECT_TRUE(d.CheckBox1->checked());
        EXPECT_TRUE(d.CheckBox2->checked());
        EXPECT_EQ(d.Edit1->text(), "data\\sky.gif");
        EXPECT_EQ(d.panelColour(1), 0xEAF1F4u);
        forms::drive::click(*d.SpeedButton2);
    });
    f.SpeedButton3Click();
}

TEST_F(ElementDialogs, AddressesOtherThanLocalFilesAreWrittenWhole) {
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    struct Case {
        const char* address;
        std::function<void()> command;
        const char* written;
    } cases[] = {
        {"https://maps.example.com/mapa.html",
         [&] {
             onDialog([&](forms::Form&) {
                 all->iframe->FilenameEdit1->setText("https://maps.example.com/mapa.html");
                 forms::drive::click(*all->iframe->SpeedButton1);
             });
             f.SpeedButton12Click();
         },
         "SRC='https://maps.example.com/mapa.html'"},
        {"https://cdn.example.com/film.swf",
         [&] {
             onDialog([&](forms::Form&) { forms::drive::click(*all->flashins->SpeedButton2); });
             f.EditFlash("https://cdn.example.com/film.swf");
         },
         "src=\"https://cdn.example.com/film.swf\""},
        {"ftp://media.example.com/f.avi",
         [&] {
             onDialog([&](forms::Form&) {
                 all->movie->Edit1->setText("ftp://media.example.com/f.avi");
                 forms::drive::click(*all->movie->SpeedButton2);
             });
             f.SpeedButton10Click();
         },
         "SRC=\"ftp://media.example.com/f.avi\""},
    };
    for (const auto& c : cases) {
        selectText(f, "ma");
        js(f, "getSelection().collapseToEnd()");
        c.command();
        EXPECT_NE(body(f).find(c.written), std::string::npos) << c.address << "\n" << body(f);
    }
}

TEST_F(ElementDialogs, LinkAtABareCaretShowsItsAddress) {
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    Tlinkinsert& d = *all->linkinsert;
    selectText(f, "ma");
    js(f, "getSelection().collapseToEnd()");
    onDialog([&](forms::Form&) {
        d.edit971->setText("kontakt.html?a=1&b=<2>");
        forms::drive::click(*d.SpeedButton1);
    });
    f.EditLink({});
    const std::string b = body(f);
    EXPECT_NE(b.find("target=\"\">kontakt.html?a=1&amp;b=&lt;2&gt;</A>"), std::string::npos) << b;
    EXPECT_NE(js(f, "document.querySelector('a').textContent"), "");
}

// Text typed into the dialogs reaches the page as the letters typed: every
// Polish letter and the Windows-1250 signs the page's ISO-8859-2 lacks,
// which the file holds as references.
TEST_F(ElementDialogs, InsertedElementsAreSavedAndOpenAgain) {
    const std::string typed = "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ „” – — € …"_w;
    const std::string stored = "\xB1\xE6\xEA\xB3\xF1\xF3\xB6\xBC\xBF \xA1\xC6\xCA\xA3\xD1\xD3\xA6\xAC\xAF "
                               "&#8222;&#8221; &#8211; &#8212; &#8364; &#8230;";
    THTMLEdit& f = open("<P>Ala ma kota</P>");
    Tlinkinsert& d = *all->linkinsert;
    selectText(f, "Ala");
    onDialog([&](forms::Form&) {
        d.edit971->setText("dom.html");
        d.Edit972->setText(typed);
        forms::drive::click(*d.SpeedButton1);
    });
    f.EditLink({});
    Tmarquee& mq = *all->marquee;
    selectText(f, "kota");
    onDialog([&](forms::Form&) {
        mq.Edit1->setText(typed);
        mq.CheckBox3->setValue(1);
        forms::drive::click(*mq.SpeedButton1);
    });
    f.SpeedButton9Click();
    all->MainForm->Zapisz1Click();
    EXPECT_FALSE(f.changed());

    fs::path file = site() / "index.html";
    std::string bytes;
    ASSERT_TRUE(text::readFile(file, bytes));
    EXPECT_NE(bytes.find("title=\"" + stored + "\""), std::string::npos) << bytes;
    EXPECT_NE(bytes.find(">" + stored + "</MARQUEE>"), std::string::npos) << bytes;
    closeWindowOf(file);
    TMDIChild* again = all->MainForm->doc_open(files::platformName(file));
    ASSERT_NE(again, nullptr);
    auto* g = dynamic_cast<THTMLEdit*>(again->HTMLEdit1);
    ASSERT_TRUE(waitFor([g] { return g->DocumentReady; }));
    std::string b = body(*g);
    EXPECT_NE(b.find("<A href=\"dom.html\" title=\"" + typed + "\" target=\"\">Ala</A>"), std::string::npos) << b;
    EXPECT_NE(b.find(">" + typed + "</MARQUEE>"), std::string::npos) << b;
    // Opened again in the link dialog, the title shows as it was typed.
    selectText(*g, "la");
    onDialog([&](forms::Form&) {
        EXPECT_EQ(d.Edit972->text(), typed);
        forms::drive::click(*d.SpeedButton2);
    });
    g->EditLink({});
    EXPECT_EQ(shown, 3);
}

TEST_F(ElementDialogs, DoubleClickOpensTheDialogOfTheSelectedElementWithItsValues) {
    THTMLEdit& f = open("<P>a<MARQUEE id=m direction=RIGHT>Hej</MARQUEE>b<EMBED id=e src=\"v.avi\">"
                        "c<IFRAME id=i name=menu src=\"m.html\" frameborder=0></IFRAME>d</P>");
    struct Case {
        const char* css;
        forms::Form* dialog;
        std::function<void()> check;
    } cases[] = {
        {"#m", all->marquee.get(), [&] { EXPECT_EQ(all->marquee->ComboBox2->text(), "RIGHT"); }},
        {"#e", all->movie.get(), [&] { EXPECT_EQ(all->movie->Edit1->text(), "v.avi"); }},
        {"#i", all->iframe.get(),
         [&] {
             EXPECT_EQ(all->iframe->Edit1->text(), "menu");
             EXPECT_EQ(all->iframe->FilenameEdit1->text(), "m.html");
             EXPECT_FALSE(all->iframe->CheckBox1->checked());  // a border of 0 is none
         }},
    };
    for (const auto& c : cases) {
        selectElement(f, c.css);
        forms::Form* opened = nullptr;
        onDialog([&](forms::Form& form) {
            opened = &form;
            c.check();
            form.setModalResult(2);
        });
        f.DHTMLondblclick();
        EXPECT_EQ(opened, c.dialog) << c.css;
    }
}

// The language pack addresses the components of a dialog by their creation
// index.
TEST_F(ElementDialogs, BodyAndSoundDialogsKeepTheirComponentOrder) {
    struct Case {
        forms::Form* form;
        std::vector<const char*> names;
    } cases[] = {
        {all->body.get(),
         {"Bevel1", "SpeedButton1", "SpeedButton2", "Label1", "SpeedButton3", "Label2", "CheckBox1", "CheckBox2",
          "Panel1", "CheckBox3", "Panel2", "CheckBox4", "Panel3", "CheckBox5", "Panel4", "CheckBox6", "Panel5",
          "Panel6", "Label3", "Label4", "Label5", "Label6", "Edit1", "OpenPictureDialog1", "ColorDialog1"}},
        {all->insert_snd.get(),
         {"Bevel1", "Label1", "SpeedButton1", "Label2", "SpeedButton2", "SpeedButton3", "Image2", "SpinEdit1",
          "CheckBox1", "Edit1", "OpenDialog1"}},
    };
    for (const auto& c : cases) {
        const auto& list = c.form->components();
        ASSERT_EQ(list.size(), c.names.size()) << c.form->name();
        for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i]->name(), c.names[i]) << c.form->name() << " " << i;
    }
}

}  // namespace
