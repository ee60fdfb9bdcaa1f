// The editor frame on the browser engine, driven as a user works: a page is
// opened in a document window from the main window, edited with the frame's
// toolbar and the main window's edit commands, saved, and opened again.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "files/FileSystem.h"
#include "files/testing/FullDisk.h"
#include "forms/Application.h"
#include "forms/ComboBox.h"
#include "forms/Drive.h"
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "forms/StatusBar.h"
#include "htmledit/EditControl.h"
#include "htmledit/TestApplication.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/EditorWindowsTest.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/frame/EditorFrameInstall.h"
#include "pageeditor/frame/THTMLEdit.h"
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


// Runs the event loop until the condition holds; false after 20 s.
// A page as the editor writes them: ISO-8859-2, all nine Polish letters.
std::string page() {
    std::string body = "<P>Ala ma kota</P>\r\n<P>Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ</P>"_w;
    std::string iso;
    for (char c : body) {
        switch (static_cast<unsigned char>(c)) {
        case 0x9C: iso += '\xB6'; break;  // ś
        case 0x8C: iso += '\xA6'; break;  // Ś
        case 0xB9: iso += '\xB1'; break;  // ą
        case 0xA5: iso += '\xA1'; break;  // Ą
        case 0x9F: iso += '\xBC'; break;  // ź
        case 0x8F: iso += '\xAC'; break;  // Ź
        default: iso += c;
        }
    }
    return "<HTML><HEAD>\r\n<META http-equiv=Content-Type content=\"text/html; charset=iso-8859-2\">\r\n"
           "<TITLE>Strona</TITLE>\r\n</HEAD>\r\n<BODY>" +
           iso + "\r\n<!--SIZE:1--></BODY></HTML>\r\n";
}

class FrameOnEngine : public EditorWindowsTest {
protected:
    void SetUp() override {
        makeTemp("pw_frame");
        startEditor(shippedFolder());
    }

    // Opens the page in a new document window and waits for its document.
    THTMLEdit& open(const fs::path& file) {
        TMDIChild* d = all->MainForm->doc_open(files::platformName(file));
        EXPECT_NE(d, nullptr);
        auto* f = dynamic_cast<THTMLEdit*>(d->HTMLEdit1);
        EXPECT_NE(f, nullptr);
        EXPECT_TRUE(waitFor([f] { return f->DocumentReady; }));
        return *f;
    }
    static void select(THTMLEdit& f, const std::string& text) {
        std::string quoted = "'" + text + "'";
        ASSERT_EQ(f.control().engine()->evaluate("String(pw.x('selectText',[" + quoted + ",0]).v)"), "true");
        f.DHTMLonclick();  // the control reports the click that selected it
    }
    static std::string body(THTMLEdit& f) {
        std::string h = f.control().DocumentHTML();
        auto b = h.find('>', h.find("<BODY")) + 1;
        return h.substr(b, h.rfind("</BODY>") - b);
    }

};

TEST_F(FrameOnEngine, PageIsEditedWithTheToolbarSavedAndReopenedUnchanged) {
    fs::path file = tmp / "index.html";
    text::writeFile(file, page());
    THTMLEdit& f = open(file);
    TMainForm& m = *all->MainForm;
    EXPECT_EQ(m.activeFrame(), &f);
    // The frame's pack of the program folder, and the page-size marker.
    EXPECT_EQ(f.btnRedo->hint(), "Ponów"_w);
    EXPECT_EQ(f.ComboBox1->text(), "1024x768");
    EXPECT_GT(f.cbFontStyle->listCount(), 0);

    // Bold: the button toggles at once; the toolbar follows the next click.
    select(f, "kota");
    EXPECT_FALSE(f.btnBold->down());
    f.btnBold->press();
    f.DHTMLonclick();
    EXPECT_TRUE(f.btnBold->down());
    EXPECT_NE(body(f).find("<B>kota</B>"), std::string::npos) << body(f);
    select(f, "Ala");
    EXPECT_FALSE(f.btnBold->down());

    // Lists follow the selection at once.
    f.btnNumList->press();
    EXPECT_TRUE(f.btnNumList->down());
    EXPECT_NE(body(f).find("<OL>"), std::string::npos);
    f.btnNumList->press();
    EXPECT_FALSE(f.btnNumList->down());
    f.btnBullet->press();
    EXPECT_TRUE(f.btnBullet->down());
    f.btnBullet->press();
    EXPECT_FALSE(f.btnBullet->down());

    // Indent and outdent.
    std::string before = body(f);
    f.btnIncreaseIndent->press();
    EXPECT_NE(body(f), before);
    f.btnDecreaseIndent->press();
    EXPECT_EQ(body(f), before);

    // Colour, font size and font name of the selection.
    select(f, "ma");
    answers.answerColor(true, 0x0000FF);
    f.btnColor->press();
    EXPECT_EQ(f.GetCommandValue("ForeColor").toInt(), 0x0000FF);
    int five = -1;
    for (int i = 0; i < f.cbFontSize->listCount(); ++i)
        if (f.cbFontSize->list(i) == "5") five = i;
    f.cbFontSize->setListIndex(five);
    EXPECT_EQ(f.GetFontSize(), 5);
    EXPECT_EQ(f.cbFontSize->text(), "5");
    ASSERT_GT(f.cbFontName->listCount(), 0);
    std::string font = f.cbFontName->list(0);
    f.cbFontName->setListIndex(0);
    EXPECT_TRUE(text::equalsNoCase(f.GetFontName(), font)) << f.GetFontName() << " / " << font;
    EXPECT_EQ(f.cbFontName->text(), font);

    // Justify, then undo and redo it.
    select(f, "Ala");
    f.btnCenter->press();
    EXPECT_TRUE(f.btnCenter->down());
    EXPECT_EQ(f.GetJustify(), 2);
    f.btnUndo->press();
    f.DHTMLonclick();
    EXPECT_EQ(f.GetJustify(), 0);
    EXPECT_TRUE(f.btnAlignLeft->down());
    f.btnRedo->press();
    f.DHTMLonclick();
    EXPECT_EQ(f.GetJustify(), 2);

    // Find through the main window asks for the text and selects it.
    answers.answerInput(true, "gęślą"_w);
    m.Szukaj1Click();
    f.DHTMLonclick();
    EXPECT_EQ(f.control().selectionType(), "Text");
    EXPECT_TRUE(f.copyEnabled());

    // Copy and paste through the main window's edit commands.
    select(f, "Ala");
    EXPECT_TRUE(f.copyEnabled());
    m.EditCopy1Execute();
    select(f, "kota");
    f.DHTMLonclick();
    EXPECT_TRUE(f.pasteEnabled());
    m.EditPaste1Execute();
    EXPECT_NE(body(f).find("</FONT> Ala</P>"), std::string::npos) << body(f);
    EXPECT_EQ(body(f).find("kota"), std::string::npos) << body(f);

    // Save through the main window; the page opens again unchanged.
    EXPECT_TRUE(f.changed());
    m.Zapisz1Click();
    EXPECT_FALSE(f.changed());
    EXPECT_FALSE(f.modified);
    std::string saved = f.control().DocumentHTML();
    std::string bytes;
    ASSERT_TRUE(text::readFile(file, bytes));
    EXPECT_NE(bytes.find("charset=iso-8859-2"), std::string::npos);
    EXPECT_NE(bytes.find("Za\xBF\xF3\xB3\xE6 g\xEA\xB6l\xB1 ja\xBC\xF1"), std::string::npos);
    closeWindowOf(file);
    THTMLEdit& again = open(file);
    EXPECT_EQ(again.control().DocumentHTML(), saved);
    fs::path copy = tmp / "copy.html";
    ASSERT_TRUE(again.SaveDocument(files::platformName(copy)));
    std::string copied;
    ASSERT_TRUE(text::readFile(copy, copied));
    EXPECT_EQ(copied, bytes);
}

TEST_F(FrameOnEngine, APageSavedTenTimesIsThePageSavedOnce) {
    // A page written elsewhere: LF line ends, preformatted text that begins
    // with a line break, a carriage return written as a reference.
    const std::string page = "<html><head><title>Kod</title></head>\n<body>\n<pre>\n\nint x;\n</pre>\n"
                             "<p>&#13;jeden\ndwa\r\ntrzy</p>\n</body></html>\n";
    TMainForm& m = *all->MainForm;
    std::string bytes[2];
    for (int k = 0; k < 2; ++k) {
        fs::path file = tmp / (k ? "often.html" : "once.html");
        text::writeFile(file, page);
        for (int i = 0; i < (k ? 10 : 1); ++i) {
            open(file);
            m.Zapisz1Click();
            m.Zamknij1Click();
        }
        ASSERT_TRUE(text::readFile(file, bytes[k]));
    }
    EXPECT_EQ(bytes[1], bytes[0]);
    EXPECT_NE(bytes[0].find("<PRE>\r\n\r\nint x;\r\n</PRE>\r\n<P>&#13;jeden\r\ndwa\r\ntrzy</P>"), std::string::npos)
        << bytes[0];
}

// Saving onto a full disk: the user is told, the page on disk is the old one
// whole, nothing of the save is left beside it, and the window stays unsaved
// so the work can be saved elsewhere or later.
TEST_F(FrameOnEngine, SaveOntoAFullDiskIsToldAndThePageStaysUnsaved) {
    fs::path disk = tmp / "disk";
    fs::create_directory(disk);
    files::testing::FullDisk full(disk, 256);
    fs::path file = disk / "index.html";
    const std::string old = page();
    ASSERT_TRUE(text::writeFile(file, old));
    THTMLEdit& f = open(file);
    select(f, "kota");
    f.btnBold->press();
    f.DHTMLonclick();
    ASSERT_TRUE(f.changed());
    full.fill();
    answers.answerMessage(forms::mb::Ok);
    all->MainForm->Zapisz1Click();
    auto boxes = answers.asked("message");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Nie można zapisać pliku "_w + file.string() +
                                 ": brak miejsca na dysku. Dokument pozostaje niezapisany."_w);
    EXPECT_EQ(boxes[0].title, "Błąd"_w);
    EXPECT_NE(all->MainForm->StatusBar->simpleText(), "Zapisano.");
    EXPECT_TRUE(f.changed());
    EXPECT_TRUE(f.modified);
    std::string bytes;
    ASSERT_TRUE(text::readFile(file, bytes));
    EXPECT_EQ(bytes, old);
    for (const auto& e : files::listFolder(disk, "*", files::Include{false, true}))
        EXPECT_FALSE(files::isTemporaryName(e.name)) << e.name;
}

TEST_F(FrameOnEngine, DocumentWindowIsSizedByItsPageMarkerAndShown) {
    fs::path file = tmp / "wide.html";
    std::string p = page();
    p.replace(p.find("<!--SIZE:1-->"), 13, "<!--SIZE:0--><!--SIZE:2-->");
    text::writeFile(file, p);
    THTMLEdit& f = open(file);
    EXPECT_EQ(f.ComboBox1->text(), "1280x1024");
    TMDIChild* d = all->MainForm->activeDocument();
    ASSERT_NE(d, nullptr);
    forms::drive::processEvents();
    EXPECT_EQ(d->clientWidth(), 1280);
    EXPECT_EQ(d->clientHeight(), 1084);
    if (const char* shot = std::getenv("FRAME_SCREENSHOT")) {
        select(f, "kota");
        f.btnBold->press();
        f.DHTMLonclick();
        auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
        waitFor([until] { return std::chrono::steady_clock::now() > until; });  // let the page paint
        EXPECT_TRUE(forms::drive::saveScreenshot(*all->MainForm, shot));
    }
}

}  // namespace
