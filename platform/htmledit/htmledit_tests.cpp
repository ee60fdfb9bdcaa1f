// Tests of the editing control on the browser engine, headless.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QContextMenuEvent>
#include <QTest>
#include <QWebEngineView>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "forms/Application.h"
#include "forms/ScriptedAnswers.h"
#include "htmledit/ClassicMarkup.h"
#include "htmledit/EditControl.h"
#include "htmledit/Error.h"
#include "htmledit/MarkupNotes.h"
#include "text/CodePage.h"

using namespace htmledit;
using namespace text::literals;

namespace {

// The program's application: made before the first test, destroyed after
// the last (the engine goes with it).
std::unique_ptr<forms::Application> gApp;

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        prepareProcess();
        static int argc = 1;
        static char name[] = "htmledit_tests";
        static char* argv[] = {name, nullptr};
        gApp = std::make_unique<forms::Application>(argc, argv);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                                        ("htmledit_tests_" + std::to_string(::getpid())),
                                    ec);
        gApp.reset();
    }
};

const auto* const kEnv = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

std::filesystem::path scratch(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() / ("htmledit_tests_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir / name;
}

// One control for the engine tests; each test loads its own page into it.
class Editor : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        control_ = new EditControl();
        control_->widget()->resize(800, 600);
        control_->widget()->show();
    }
    static void TearDownTestSuite() {
        delete control_;
        control_ = nullptr;
    }
    void SetUp() override { ed().events() = Events{}; }

public:
    static EditControl& control() { return *control_; }

protected:
    static EditControl& ed() { return *control_; }
    // Opens the markup as a page file: a fresh document with a history of
    // its own.
    static void load(const std::string& html) {
        auto file = scratch("page.html");
        std::ofstream(file, std::ios::binary) << html;
        int before = ed().completedDocuments();
        ASSERT_TRUE(ed().loadDocument(file.string(), false));
        ASSERT_TRUE(ed().waitForDocuments(before + 1));
    }
    static std::string js(const std::string& s) { return ed().evaluate(s); }
    static void selectText(const std::string& t, int nth = 0) {
        ASSERT_EQ(js("String(pw.x('selectText',[" + quote(t) + "," + std::to_string(nth) + "]).v)"), "true");
    }
    static std::string quote(const std::string& s) {
        std::string q = "'";
        for (char c : s) {
            if (c == '\n' || c == '\r') {
                q += c == '\n' ? "\\n" : "\\r";
                continue;
            }
            if (c == '\'' || c == '\\') q += '\\';
            q += c;
        }
        return q + "'";
    }
    static std::string body() {
        std::string h = ed().documentHTML();
        auto b = h.find("<BODY");
        b = h.find('>', b) + 1;
        auto e = h.rfind("</BODY>");
        return h.substr(b, e - b);
    }

    static EditControl* control_;
};
EditControl* Editor::control_ = nullptr;

// Runs the event loop until the condition holds or 20 s have passed.
template <class F>
bool waitFor(F cond, int timeoutMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!cond()) {
        if (clock.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

QWidget* input() { return Editor::control().widget()->focusProxy(); }

// Two clicks close enough in time to be a double click (the test library's
// own clicks are kept apart on purpose).
void doubleClick(QWidget* w, QPoint pos) {
    static ulong stamp = 1000000;
    stamp += 10000;
    for (int i = 0; i < 2; ++i) {
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent me(type, pos, w->mapToGlobal(pos), Qt::LeftButton,
                           type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {},
                           QPointingDevice::primaryPointingDevice());
            me.setTimestamp(stamp += 20);
            QApplication::sendEvent(w, &me);
        }
    }
}

// Typing any letters; the test library's own key clicks know ASCII only.
void typeText(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

// A click that has reached the page (its click event has come back), so
// that what the test does next comes after it.
void clickAt(QPoint pos) {
    auto& events = Editor::control().events();
    auto saved = events.onclick;
    bool seen = false;
    events.onclick = [&] {
        seen = true;
        if (saved) saved();
    };
    QTest::mouseClick(Editor::control().widget()->focusProxy(), Qt::LeftButton, {}, pos);
    waitFor([&] { return seen; });
    events.onclick = saved;
}

QPoint centreOf(const std::string& selector) {
    std::string r = Editor::control().evaluate(
        "(function(){const b=document.querySelector('" + selector +
        "').getBoundingClientRect();return Math.round(b.left+b.width/2)+','+Math.round(b.top+b.height/2)})()");
    auto c = r.find(',');
    return QPoint(std::stoi(r.substr(0, c)), std::stoi(r.substr(c + 1)));
}

QPoint edgeOf(const std::string& selector) {
    std::string r = Editor::control().evaluate(
        "(function(){const b=document.querySelector('" + selector +
        "').getBoundingClientRect();return Math.round(b.left+2)+','+Math.round(b.top+b.height/2)})()");
    auto c = r.find(',');
    return QPoint(std::stoi(r.substr(0, c)), std::stoi(r.substr(c + 1)));
}

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}


}  // namespace

// ---- markup notes (no engine) ------------------------------------------------

TEST(MarkupNotes, NotesOnlyWhereTheAttributesDifferAndSelfClosedFormattingElementsClosed) {
    struct Case {
        std::u16string in, out;
    } cases[] = {
        {u"<p class=\"a\">x</p>", u"<p class=\"a\">x</p>"},
        {u"<META NAME =\"Keywords\" CONTENT=\"a\">", u"<META _pw=\"NAME=d10 CONTENT=d\" NAME =\"Keywords\" CONTENT=\"a\">"},
        {u"<p align = center>", u"<p _pw=\"align=u11\" align = center>"},
        {u"<PARAM NAME=quality VALUE=auto high>", u"<PARAM _pw=\"NAME=u VALUE=u high=b\" NAME=quality VALUE=auto high>"},
        {u"<iframe src='a.html'>", u"<iframe _pw=\"src=s\" src='a.html'>"},
        {u"<br/>", u"<br/>"},
        {u"<img SRC=\"a\"/>", u"<img _pw=\"SRC=d\" SRC=\"a\"/>"},
        {u"<img/SRC=a>", u"<img _pw=\"SRC=u\"/SRC=a>"},
        // An empty value at the end of the tag cannot take the note in.
        {u"<SPAN TITLE=>a</SPAN>", u"<SPAN _pw=\"TITLE=u\" TITLE=>a</SPAN>"},
        {u"<PARAM NAME=q VALUE= >", u"<PARAM _pw=\"NAME=u VALUE=u01\" NAME=q VALUE= >"},
        // A duplicate is dropped by the parser, so only the first counts.
        {u"<a HREF=x href=\"y\">", u"<a _pw=\"HREF=u\" HREF=x href=\"y\">"},
        // Comments, end tags and raw text are left alone.
        {u"<!-- <B X=1> --><SCRIPT>if(a<B)x='<I Y=2>'</SCRIPT><I Z=3>",
         u"<!-- <B X=1> --><SCRIPT>if(a<B)x='<I Y=2>'</SCRIPT><I _pw=\"Z=u\" Z=3>"},
        {u"<TITLE>a <B C=1></TITLE>", u"<TITLE>a <B C=1></TITLE>"},
        // Script text runs as the parser reads it: inside "<!--" a "<script"
        // keeps the next "</script>" in the text; "</scripts>" closes nothing.
        {u"<script><!--\nw('<script src=x></script><IMG SRC=y>')//--></script><B X=1>",
         u"<script><!--\nw('<script src=x></script><IMG SRC=y>')//--></script><B _pw=\"X=u\" X=1>"},
        {u"<script>a='</scripts><I Y=2>'</script ><I Z=3>", u"<script>a='</scripts><I Y=2>'</script ><I _pw=\"Z=u\" Z=3>"},
        {u"<script><!--></script><B X=1>", u"<script><!--></script><B _pw=\"X=u\" X=1>"},
        // A tag cut off by the end of the text gets nothing.
        {u"<b X=1", u"<b X=1"},
        {u"a < b and c<3", u"a < b and c<3"},
        // A formatting element written self-closed is closed where it stands.
        {u"<a id=\"x\"/>Tekst", u"<a id=\"x\"></a>Tekst"},
        {u"<A NAME=\"x\" />", u"<A _pw=\"NAME=d\" NAME=\"x\" ></A>"},
        {u"<a/><b/><FONT color=\"red\"/>", u"<a></a><b></b><FONT color=\"red\"></FONT>"},
        // An unquoted value takes the slash in: the tag is not self-closed.
        {u"<a href=dir/>x</a>", u"<a _pw=\"href=u\" href=dir/>x</a>"},
        // Void and other elements are the parser's own affair.
        {u"<br/><img src=\"a\"/><div/><span/>", u"<br/><img src=\"a\"/><div/><span/>"},
        // Comments and script text are left alone; a tag cut off is too.
        {u"<!-- <a id=\"x\"/> --><script>w('<a/>')</script><a", u"<!-- <a id=\"x\"/> --><script>w('<a/>')</script><a"},
    };
    for (const auto& c : cases) EXPECT_EQ(MarkupNotes::annotate(c.in), c.out);
}

// ---- classic form of the engine's markup (no engine) ---------------------------------

TEST(ClassicMarkup, EngineMarkupInTheClassicForm) {
    struct Case {
        std::u16string engine, classic;
    } cases[] = {
        {u"<p>a <b>b</b><br>c</p>", u"<P>a <B>b</B><BR>c</P>"},
        // Notes give back spelling, quoting and blanks; they and the mark go.
        {u"<meta name=\"Keywords\" content=\"a\" _pw=\"NAME=d10 CONTENT=d\">", u"<META NAME =\"Keywords\" CONTENT=\"a\">"},
        {u"<param name=\"quality\" value=\"auto\" high=\"\" _pw=\"NAME=u VALUE=u high=b\">",
         u"<PARAM NAME=quality VALUE=auto high>"},
        {u"<img src=\"a.gif\" _pwsel=\"\" alt=\"\">", u"<IMG src=\"a.gif\" alt=\"\">"},
        {u"<iframe src=\"a.html\" _pw=\"src=s\"></iframe>", u"<IFRAME src='a.html'></IFRAME>"},
        // A value the notes call unquoted that no longer can be.
        {u"<td align=\"left middle\" _pw=\"align=u\">x</td>", u"<TD align=\"left middle\">x</TD>"},
        // Ampersands stay bare where the parser reads them back as they are.
        {u"<a href=\"s.php?a=1&amp;b=2\">l</a>", u"<A href=\"s.php?a=1&b=2\">l</A>"},
        {u"<a href=\"x&amp;copy;1\">l</a>", u"<A href=\"x&amp;copy;1\">l</A>"},
        {u"<a href=\"x&amp;copy 1\">l</a>", u"<A href=\"x&amp;copy 1\">l</A>"},
        {u"<a href=\"x&amp;copy=1\">l</a>", u"<A href=\"x&copy=1\">l</A>"},
        {u"<a href=\"x&amp;#1\">l</a>", u"<A href=\"x&amp;#1\">l</A>"},
        {u"<a title=\"&quot;q&quot;\">l</a>", u"<A title=\"&quot;q&quot;\">l</A>"},
        // A name may begin with '='.
        {u"<p =x=\"\" y=\"1\">c</p>", u"<P =x=\"\" y=\"1\">c</P>"},
        // Text, comments and raw text pass unchanged.
        {u"<!--SIZE:1-->1 &lt; 2&nbsp;<b>x</b>", u"<!--SIZE:1-->1 &lt; 2&nbsp;<B>x</B>"},
        {u"<script>if (a<b) x='<i>';</script><i>y</i>", u"<SCRIPT>if (a<b) x='<i>';</SCRIPT><I>y</I>"},
        {u"<svg viewBox=\"0 0 1 1\"><linearGradient></linearGradient></svg><p>x</p>",
         u"<svg viewBox=\"0 0 1 1\"><linearGradient></linearGradient></svg><P>x</P>"},
        // What the parser would read otherwise: the line break it drops
        // after these start tags, and carriage returns.
        {u"<pre>\na</pre><textarea>\n</textarea><listing>\nb</listing><pre><b>\nc</b></pre><pre>d\n</pre>",
         u"<PRE>\n\na</PRE><TEXTAREA>\n\n</TEXTAREA><LISTING>\n\nb</LISTING><PRE><B>\nc</B></PRE><PRE>d\n</PRE>"},
        {u"<p title=\"a\rb\" _pw=\"title=s\">c\rd\r\n</p><script>x\r</script>",
         u"<P title=\"a&#13;b\">c&#13;d&#13;\n</P><SCRIPT>x\r</SCRIPT>"},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassicMarkup::fromEngine(c.engine), c.classic);
}

// ---- serialization -------------------------------------------------------------

TEST_F(Editor, DocumentTextIsInTheClassicForm) {
    load("<html><head><title>Strona</title><meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">"
         "<META NAME =\"Keywords\" CONTENT=\"a, b\"></head>\n<body bgcolor=\"#FFFFFF\">\n"
         "<p>Tekst <b>gruby</b> &amp; <i>pochylony</i></p><BGSOUND SRC=\"a.mid\" LOOP=\"INFINITE\">"
         "<!--SIZE:1--></body></html>");
    EXPECT_EQ(ed().documentHTML(),
              "<HTML><HEAD>\r\n"
              "<TITLE>Strona</TITLE>\r\n"
              "<META http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">\r\n"
              "<META NAME =\"Keywords\" CONTENT=\"a, b\">\r\n"
              "</HEAD>\r\n"
              "<BODY bgcolor=\"#FFFFFF\">\r\n"
              "<P>Tekst <B>gruby</B> &amp; <I>pochylony</I></P><BGSOUND SRC=\"a.mid\" LOOP=\"INFINITE\">"
              "<!--SIZE:1--></BODY></HTML>");
}

TEST_F(Editor, OldElementsAndCommentsStayWhereTheyWere) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"<p>a<!--SIZE:0-->b</p>", "<P>a<!--SIZE:0-->b</P>"},
        {"<marquee behavior=\"SLIDE\" loop=\"INFINITE\">Hej <b>tu</b></marquee>",
         "<MARQUEE behavior=\"SLIDE\" loop=\"INFINITE\">Hej <B>tu</B></MARQUEE>"},
        {" <OBJECT  classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" ALIGN=\"\"> <PARAM NAME=movie "
         "VALUE=\"data\\a.swf\"> <PARAM NAME=quality VALUE=high> <EMBED  src=\"data\\a.swf\" quality=high "
         "NAME=\"\" ALIGN=\"\" TYPE=\"application/x-shockwave-flash\"></EMBED></OBJECT>",
         " <OBJECT classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" ALIGN=\"\"> <PARAM NAME=movie "
         "VALUE=\"data\\a.swf\"> <PARAM NAME=quality VALUE=high> <EMBED src=\"data\\a.swf\" quality=high "
         "NAME=\"\" ALIGN=\"\" TYPE=\"application/x-shockwave-flash\"></OBJECT>"},
        {"<IFRAME NAME=\"f\" SRC='a.html' ALIGN=\"\"></IFRAME>x", "<IFRAME NAME=\"f\" SRC='a.html' ALIGN=\"\"></IFRAME>x"},
        {"<EMBED SRC=\"a.avi\" AUTOSTART=\"TRUE\"><br>x", "<EMBED SRC=\"a.avi\" AUTOSTART=\"TRUE\"><BR>x"},
        // Values as written: ampersands of addresses, quotes, bare attributes.
        {"<a href=\"s.php?a=1&b=2\" title='x \"y\"'>l</a><hr noshade>",
         "<A href=\"s.php?a=1&b=2\" title='x \"y\"'>l</A><HR noshade>"},
        // An ampersand that would read back as a reference is escaped.
        {"<a href=\"x&amp;copy;1\">l</a>", "<A href=\"x&amp;copy;1\">l</A>"},
        {"<p>1 &lt; 2&nbsp;&gt; 0</p>", "<P>1 &lt; 2&nbsp;&gt; 0</P>"},
        {"<p ALIGN = center>x</p>", "<P ALIGN = center>x</P>"},
    };
    for (const auto& c : cases) {
        load(std::string("<html><head><title></title></head><body>") + c.in + "</body></html>");
        EXPECT_EQ(body(), c.out) << c.in;
    }
}

TEST_F(Editor, OuterAndInnerHtmlOfElementsUseTheSameForm) {
    load("<html><body><table border=1 id=t><tr><td VALIGN=top>a<img src=\"x.gif\" ALT=\"\"></td></tr></table></body></html>");
    selectText("a");
    Element td = ed().dom().selection().createRange().parentElement();
    EXPECT_EQ(td.tagName(), "TD");
    EXPECT_EQ(td.outerHTML(), "<TD VALIGN=top>a<IMG src=\"x.gif\" ALT=\"\"></TD>");
    EXPECT_EQ(td.innerHTML(), "a<IMG src=\"x.gif\" ALT=\"\">");
    Element table = td.parentElement().parentElement().parentElement();
    EXPECT_EQ(table.tagName(), "TABLE");
    Element html = table.parentElement().parentElement();
    EXPECT_EQ(html.tagName(), "HTML");
    EXPECT_TRUE(html.parentElement().isNull());
    EXPECT_THROW(html.parentElement().tagName(), Error);
}

// ---- selections -------------------------------------------------------------------

TEST_F(Editor, ClickingAWholeElementMakesAControlSelection) {
    load("<html><body style=\"margin:0\"><p>Tekst na start</p>"
         "<p><img id=i src=\"x.gif\" width=60 height=40 style=\"background:#ccc\"></p>"
         "<table id=t border=8 cellspacing=8 width=300><tr><td id=c>kom\xF3rka</td></tr></table>"
         "<object id=o width=120 height=60><embed id=oe src=\"a.swf\" width=120 height=60></object>"
         "<p><embed id=e src=\"a.avi\" width=100 height=50></p>"
         "<iframe id=f width=120 height=60></iframe>"
         "<marquee id=m width=200>przesuwa si\xEA</marquee>"
         "</body></html>");
    struct Case {
        const char* what;
        QPoint at;
        const char* tag;
    } cases[] = {
        {"image", centreOf("#i"), "IMG"},
        {"table border", edgeOf("#t"), "TABLE"},
        {"embed inside an object", centreOf("#oe"), "OBJECT"},
        {"embed", centreOf("#e"), "EMBED"},
        {"inline frame", centreOf("#f"), "IFRAME"},
        {"marquee", centreOf("#m"), "MARQUEE"},
    };
    for (const auto& c : cases) {
        QTest::mouseClick(input(), Qt::LeftButton, {}, centreOf("p"));
        ASSERT_TRUE(waitFor([] { return ed().dom().selection().type() != "Control"; })) << c.what;
        QTest::mouseClick(input(), Qt::LeftButton, {}, c.at);
        ASSERT_TRUE(waitFor([] { return ed().dom().selection().type() == "Control"; })) << c.what;
        Range r = ed().dom().selection().createRange();
        EXPECT_TRUE(r.isControl());
        EXPECT_EQ(r.commonParentElement().tagName(), c.tag) << c.what;
        // Shown as selected, and the mark never reaches the document text.
        EXPECT_EQ(js("String(document.querySelectorAll('[_pwsel]').length)"), "1") << c.what;
        EXPECT_EQ(ed().documentHTML().find("_pw"), std::string::npos);
        // What a control range does not offer fails.
        EXPECT_THROW(r.htmlText(), Error);
        EXPECT_THROW(r.pasteHTML("x"), Error);
        EXPECT_THROW(r.parentElement(), Error);
    }
    // Clicking text inside the table cell is a caret, not a control.
    QTest::mouseClick(input(), Qt::LeftButton, {}, centreOf("#c"));
    ASSERT_TRUE(waitFor([] { return ed().dom().selection().type() != "Control"; }));
    Range r = ed().dom().selection().createRange();
    EXPECT_FALSE(r.isControl());
    EXPECT_EQ(r.parentElement().tagName(), "TD");
    EXPECT_THROW(r.commonParentElement(), Error);
    EXPECT_EQ(js("String(document.querySelectorAll('[_pwsel]').length)"), "0");
}

TEST_F(Editor, ThePageLetsGoOfRangesWhoseHandlesAreGone) {
    load("<html><body><p>abc</p></body></html>");
    selectText("b");
    Range kept = ed().dom().selection().createRange();
    for (int i = 0; i < 50; ++i) ed().dom().selection().createRange().queryCommandValue("Bold");
    EXPECT_EQ(js("String(pw.x('rangeCount').v)"), "1");  // only the one still held
    EXPECT_EQ(kept.htmlText(), "b");
}

TEST(EditControlLifetime, HandlesOutlivingTheControlFailAndTheViewGoesWithIt) {
    QWidget parent;
    // Never shown: documents load and answer before the window appears.
    auto* control = new EditControl(&parent);
    int before = control->completedDocuments();
    control->setDocumentHTML("<p>a</p>");
    ASSERT_TRUE(control->waitForDocuments(before + 1));
    Range r = control->dom().selection().createRange();
    Document d = control->dom();
    delete control;
    EXPECT_TRUE(parent.findChildren<QWebEngineView*>().isEmpty());
    EXPECT_THROW(r.htmlText(), Error);
    EXPECT_THROW(d.title(), Error);
}

// Ways a control goes while the program is busy with it: its own event
// handler destroys it, something run during a call into the page destroys
// it, or it is still there when the application goes.
TEST(EditControlLifetime, AnEventHandlerMayDestroyItsControl) {
    auto* control = new EditControl();
    control->events().documentComplete = [&] {
        delete control;
        control = nullptr;
    };
    control->setDocumentHTML("<p>a</p>");
    EXPECT_TRUE(waitFor([&] { return control == nullptr; }));
}

TEST(EditControlLifetime, AControlDestroyedDuringACallEndsTheCallAtOnce) {
    auto* control = new EditControl();
    int before = control->completedDocuments();
    control->setDocumentHTML("<p>a</p>");
    ASSERT_TRUE(control->waitForDocuments(before + 1));
    QTimer::singleShot(0, [&] {
        delete control;
        control = nullptr;
    });
    QElapsedTimer clock;
    clock.start();
    // A script that answers only after the control is gone.
    EXPECT_THROW(control->evaluate("(function(){const t=Date.now()+300;while(Date.now()<t){}return 1})()"), Error);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(control, nullptr);
}

TEST(EditControlLifetime, TheApplicationTakesTheViewsOfControlsStillAliveBeforeTheEngineGoes) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            // Left alive on purpose, as a forgotten window would be (held
            // where the leak check sees it, so only the engine's end is tried).
            static auto* control = new EditControl();
            control->newDocument();
            if (!control->waitForDocuments(1)) std::_Exit(2);
            QPointer<QWidget> view = control->widget();
            gApp.reset();
            std::exit(view ? 3 : 0);
        },
        ::testing::ExitedWithCode(0), ::testing::Not(::testing::HasSubstr("still not deleted")));
}

TEST_F(Editor, HandlesOfAReloadedDocumentFail) {
    load("<html><body><p>abc</p></body></html>");
    selectText("abc");
    Range r = ed().dom().selection().createRange();
    Element p = r.parentElement();
    load("<html><body><p>abc</p></body></html>");
    EXPECT_THROW(p.tagName(), Error);
    EXPECT_THROW(r.htmlText(), Error);
}

// ---- pasteHTML and outerHTML ----------------------------------------------------------

TEST_F(Editor, PasteHtmlKeepsEveryElementAtACaretAndOverASelection) {
    struct Case {
        const char* what;
        const char* select;  // text to select, "" for a caret after "ab"
        const char* html;
        const char* body;
    } cases[] = {
        {"text over a selection", "cd", "<B>X</B>", "<P>ab<B>X</B>ef</P>"},
        {"caret", "", "&amp;", "<P>ab&amp;cdef</P>"},
        {"flash at a caret", "",
         "<OBJECT classid=\"clsid:1\"><PARAM NAME=movie VALUE=\"a.swf\"><EMBED src=\"a.swf\" quality=high></EMBED></OBJECT>",
         "<P>ab<OBJECT classid=\"clsid:1\"><PARAM NAME=movie VALUE=\"a.swf\"><EMBED src=\"a.swf\" quality=high></OBJECT>cdef</P>"},
        {"marquee over a selection", "cd", "<MARQUEE LOOP=\"INFINITE\">m</MARQUEE>",
         "<P>ab<MARQUEE LOOP=\"INFINITE\">m</MARQUEE>ef</P>"},
        {"unclosed inline frame", "cd", "<IFRAME  NAME=\"r\" ALIGN=\"\">", "<P>ab<IFRAME NAME=\"r\" ALIGN=\"\"></IFRAME>ef</P>"},
        {"table splits the paragraph", "cd", "<table rows=\"1\"><tr><td>t</td></tr></table>",
         "<P>ab</P><TABLE rows=\"1\"><TBODY><TR><TD>t</TD></TR></TBODY></TABLE><P>ef</P>"},
        {"anchor around a block", "", "<a href=\"x.html\"><div>d</div></a>",
         "<P>ab</P><A href=\"x.html\"><DIV>d</DIV></A><P>cdef</P>"},
        {"sound tag", "cd", "<BGSOUND SRC=\"a.mid\" LOOP=\"2\">", "<P>ab<BGSOUND SRC=\"a.mid\" LOOP=\"2\">ef</P>"},
    };
    for (const auto& c : cases) {
        load("<html><body><p>abcdef</p></body></html>");
        if (*c.select) {
            selectText(c.select);
        } else {
            js("(function(){const t=document.querySelector('p').firstChild;const r=document.createRange();"
               "r.setStart(t,2);r.collapse(true);getSelection().removeAllRanges();getSelection().addRange(r)})()");
        }
        Range r = ed().dom().selection().createRange();
        r.pasteHTML(c.html);
        EXPECT_EQ(body(), c.body) << c.what;
        // The caret stands after the inserted markup.
        EXPECT_EQ(ed().dom().selection().type(), "None") << c.what;
    }
}

TEST_F(Editor, HtmlTextHoldsTheMarkupOfWhollySelectedInlineElements) {
    load("<html><body><p>a<strike>bc</strike>d <b>e<i>fg</i></b></p></body></html>");
    selectText("bc");
    Range r = ed().dom().selection().createRange();
    EXPECT_EQ(r.htmlText(), "<STRIKE>bc</STRIKE>");
    // Unwrapping as the strike button does: the markup goes, the text stays.
    r.pasteHTML("bc");
    EXPECT_EQ(body(), "<P>abcd <B>e<I>fg</I></B></P>");
    selectText("f");
    EXPECT_EQ(ed().dom().selection().createRange().htmlText(), "f");
    selectText("fg");
    EXPECT_EQ(ed().dom().selection().createRange().htmlText(), "<I>fg</I>");
    // The parent element stays the innermost one (a link dialog finds its A).
    EXPECT_EQ(ed().dom().selection().createRange().parentElement().tagName(), "I");
}

TEST_F(Editor, OuterHtmlSetReplacesTheElement) {
    load("<html><body><p>x<img id=i src=\"a.gif\">y</p></body></html>");
    Element img = [] {
        js("(function(){const r=document.createRange();r.selectNode(document.getElementById('i'));"
           "getSelection().removeAllRanges();getSelection().addRange(r)})()");
        return ed().dom().selection().createRange().commonParentElement();
    }();
    EXPECT_EQ(ed().dom().selection().type(), "Control");
    img.setOuterHTML("<A HREF=\"l.html\"><IMG SRC=\"b.gif\"></A><EMBED SRC=\"v.avi\" AUTOSTART=\"TRUE\">");
    EXPECT_EQ(body(), "<P>x<A HREF=\"l.html\"><IMG SRC=\"b.gif\"></A><EMBED SRC=\"v.avi\" AUTOSTART=\"TRUE\">y</P>");
    // The BODY and HTML elements cannot be replaced.
    selectText("x");
    Element p = ed().dom().selection().createRange().parentElement();
    EXPECT_THROW(p.parentElement().parentElement().setOuterHTML("<p>z</p>"), Error);
}

// ---- attributes and styles ---------------------------------------------------------------

TEST_F(Editor, AttributesReadBackAsWritten) {
    load("<html><body><table BORDER=\"2\" bgcolor=\"\" rows=3><tr><td>c</td></tr></table>"
         "<a href=\"strona.html\" TITLE=\"t\">l</a></body></html>");
    selectText("c");
    Element table = ed().dom().selection().createRange().parentElement().parentElement().parentElement().parentElement();
    ASSERT_EQ(table.tagName(), "TABLE");
    struct Case {
        const char* name;
        const char* value;
    } reads[] = {{"border", "2"}, {"BORDER", "2"}, {"Rows", "3"}, {"bgcolor", ""}, {"cellpadding", ""}};
    for (const auto& c : reads) EXPECT_EQ(table.getAttribute(c.name), c.value) << c.name;
    table.setAttribute("cellpadding", 4L);
    table.setAttribute("BGCOLOR", "");
    table.setAttribute("VAlign", "top");
    EXPECT_EQ(table.getAttribute("cellpadding"), "4");
    EXPECT_NE(table.outerHTML().find("<TABLE BORDER=\"2\" bgcolor=\"\" rows=3 cellpadding=\"4\" VAlign=\"top\">"),
              std::string::npos)
        << table.outerHTML();
    selectText("l");
    Element a = ed().dom().selection().createRange().parentElement();
    EXPECT_EQ(a.getAttribute("href"), "strona.html");  // not made absolute
}

// Odd attribute forms, opened from a file and pasted: the elements get the
// attributes the parser gives the markup by itself, and nothing of the
// layer's notes reaches the saved file.
TEST_F(Editor, OddAttributeFormsReadAsTheParserReadsThemAndLeaveNoNoteInTheFile) {
    const char* forms[] = {
        "<span TITLE=>a</span>",
        "<span TITLE= >a</span>",
        "<span TITLE=\t\t>a</span>",
        "<object><param NAME=q VALUE=></object>",
        "<object><param NAME=quality VALUE=auto high></object>",
        "<embed SRC=a.swf QUALITY= >",
        "<img/SRC=a.gif/ALT=x>",
        "<img SRC=a.gif/>",
        "<br CLEAR=all/>",
        "<p A=\"x\"B>c</p>",
        "<p =x Y=1>c</p>",
        "<p A=b\"c D='e'>c</p>",
        "<p A=b'c>c</p>",
        "<p TITLE='a\"b' X= \"y\">c</p>",
        "<p A  =  'b'  C>c</p>",
        "<p x=1 X=2>c</p>",
        "<p A==b>c</p>",
        "<p A=`b`>c</p>",
        "<p A=&amp;B=1>c</p>",
        "<p A=\"\" B='' C=>c</p>",
        "<script><!--\nw('<script src=x></script><IMG SRC=y>')//--></script><b X=1>b</b>",
    };
    // The attributes of every element of the body, as the parser has them.
    const std::string attributes =
        "(b=>Array.from(b.querySelectorAll('*'),e=>e.tagName+':'+Array.from(e.attributes).filter(a=>a.name!=='_pw')"
        ".map(a=>a.name+'='+JSON.stringify(a.value)).join(' ')+':'+(e.tagName==='SCRIPT'?e.text:'')).join('|'))";
    const std::string page = "<html><head><title>t</title></head><body>";
    auto file = scratch("odd.html");
    for (const char* f : forms) {
        SCOPED_TRACE(f);
        load(page + f + "</body></html>");
        const std::string parsed = js(attributes + "(new DOMParser().parseFromString(" + quote(page + f) + ",'text/html').body)");
        EXPECT_EQ(js(attributes + "(document.body)"), parsed);
        ASSERT_TRUE(ed().saveDocument(file.string(), false));
        EXPECT_EQ(readFile(file).find("_pw"), std::string::npos) << readFile(file);
        int before = ed().completedDocuments();
        ASSERT_TRUE(ed().loadDocument(file.string(), false));
        ASSERT_TRUE(ed().waitForDocuments(before + 1));
        EXPECT_EQ(js(attributes + "(document.body)"), parsed) << readFile(file);
        // The same markup pasted in, as the dialogs put theirs.
        load(page + "<p>x</p></body></html>");
        selectText("x");
        ed().dom().selection().createRange().pasteHTML(f);
        ASSERT_TRUE(ed().saveDocument(file.string(), false));
        EXPECT_EQ(readFile(file).find("_pw"), std::string::npos) << readFile(file);
    }
}

TEST_F(Editor, StylePropertiesReadBackAsSet) {
    load("<html><body><div id=d style=\"position:absolute; LEFT:10px; top: 20; width:100; height:100;\">d</div>"
         "<img src=\"x.gif\" width=\"50\"></body></html>");
    selectText("d");
    Element d = ed().dom().selection().createRange().parentElement();
    Style s = d.style();
    EXPECT_EQ(s.position(), "absolute");
    EXPECT_EQ(s.left(), "10px");
    EXPECT_EQ(s.top(), "20px");
    EXPECT_EQ(s.width(), "100px");
    EXPECT_EQ(s.background(), "");
    struct Case {
        const char* property;
        const char* value;
        const char* readBack;
    } sets[] = {
        {"background", "url(data\\sky.jpg)", "url(data\\sky.jpg)"},
        {"background", "#FF0000", "#FF0000"},
        {"width", "120px", "120px"},
        {"position", "", ""},
        {"left", "", ""},
    };
    for (const auto& c : sets) {
        s.set(c.property, c.value);
        EXPECT_EQ(s.get(c.property), c.readBack) << c.property;
    }
    EXPECT_EQ(d.getAttribute("style"), "top: 20; width: 120px; height:100; background: #FF0000;");
    s.setTop("");
    s.setWidth("");
    s.setHeight("");
    s.setBackground("");
    EXPECT_EQ(d.outerHTML(), "<DIV id=d>d</DIV>");
    // The IMG width property.
    js("(function(){const r=document.createRange();r.selectNode(document.querySelector('img'));"
       "getSelection().removeAllRanges();getSelection().addRange(r)})()");
    Element img = ed().dom().selection().createRange().commonParentElement();
    EXPECT_EQ(img.width(), 50);
    img.setWidth(64);
    EXPECT_EQ(img.getAttribute("width"), "64");
}

// ---- commands -------------------------------------------------------------------------

TEST_F(Editor, ControlToggleCommandsFollowTheSelection) {
    struct Case {
        int id;
        const char* markup;
    } cases[] = {{ctl::Bold, "<B>cd</B>"}, {ctl::Italic, "<I>cd</I>"}, {ctl::Underline, "<U>cd</U>"}};
    for (const auto& c : cases) {
        load("<html><body><p>abcdef</p></body></html>");
        selectText("cd");
        EXPECT_EQ(ed().queryStatus(c.id), 3) << c.id;
        ed().execCommand(c.id);
        EXPECT_EQ(body(), std::string("<P>ab") + c.markup + "ef</P>") << c.id;
        EXPECT_EQ(ed().queryStatus(c.id), 7) << c.id;  // enabled and latched
        ed().execCommand(c.id);
        EXPECT_EQ(body(), "<P>abcdef</P>") << c.id;
    }
    EXPECT_EQ(ed().queryStatus(1234), 0);
    EXPECT_THROW(ed().execCommand(1234), Error);
}

TEST_F(Editor, CopyCutPasteAndUnlink) {
    load("<html><body><p>abcdef <a href=\"x.html\">link</a></p></body></html>");
    js("(function(){const t=document.querySelector('p').firstChild;const r=document.createRange();"
       "r.setStart(t,1);r.collapse(true);getSelection().removeAllRanges();getSelection().addRange(r)})()");
    EXPECT_EQ(ed().queryStatus(ctl::Copy) & 3, 1);  // nothing selected
    EXPECT_EQ(ed().queryStatus(ctl::Cut) & 3, 1);
    EXPECT_EQ(ed().queryStatus(ctl::Unlink) & 3, 1);
    selectText("cd");
    EXPECT_EQ(ed().queryStatus(ctl::Copy), 3);
    EXPECT_EQ(ed().queryStatus(ctl::Cut), 3);
    ed().execCommand(ctl::Copy);
    EXPECT_TRUE(waitFor([] { return QGuiApplication::clipboard()->text() == "cd"; }));
    selectText("ef");
    ed().execCommand(ctl::Cut);
    EXPECT_EQ(body().find("cdef"), std::string::npos) << body();
    EXPECT_TRUE(waitFor([] { return QGuiApplication::clipboard()->text() == "ef"; }));
    EXPECT_EQ(ed().queryStatus(ctl::Paste), 3);
    ed().execCommand(ctl::Paste);
    EXPECT_NE(body().find("abcdef"), std::string::npos) << body();
    // Unlink with the caret inside the link removes the link, keeps the text.
    js("(function(){const t=document.querySelector('a').firstChild;const r=document.createRange();"
       "r.setStart(t,2);r.collapse(true);getSelection().removeAllRanges();getSelection().addRange(r)})()");
    EXPECT_EQ(ed().queryStatus(ctl::Unlink), 3);
    ed().execCommand(ctl::Unlink);
    EXPECT_EQ(body().find("<A"), std::string::npos) << body();
    EXPECT_NE(body().find("link"), std::string::npos);
}

TEST_F(Editor, CommandTargetCommandsAndTheirStatus) {
    CommandTarget t = ed().dom().commandTarget();
    struct Case {
        int id;
        const char* expect;  // in the body afterwards
        int statusAfter;
    } cases[] = {
        {cmd::NumberedList, "<OL><LI>abcdef</LI></OL>", 7},
        {cmd::BulletedList, "<UL><LI>abcdef</LI></UL>", 7},
        {cmd::Indent, "<BLOCKQUOTE", 3},
        {cmd::HorizontalLine, "<HR>", 3},
    };
    for (const auto& c : cases) {
        load("<html><body><p>abcdef</p></body></html>");
        selectText("cd");
        EXPECT_EQ(t.queryStatus(CommandGroup::Mshtml, c.id) & 3, 3) << c.id;
        int option = c.id == cmd::HorizontalLine ? cmd::AskUser : cmd::DontAskUser;
        EXPECT_EQ(t.exec(CommandGroup::Mshtml, c.id, option), cmd::Ok) << c.id;
        EXPECT_NE(body().find(c.expect), std::string::npos) << c.id << " " << body();
        EXPECT_EQ(t.queryStatus(CommandGroup::Mshtml, c.id), c.statusAfter) << c.id;
    }
    // Outdent takes the indent back.
    load("<html><body><p>abcdef</p></body></html>");
    selectText("cd");
    t.exec(CommandGroup::Mshtml, cmd::Indent, cmd::DontAskUser);
    t.exec(CommandGroup::Mshtml, cmd::Outdent, cmd::DontAskUser);
    EXPECT_EQ(body().find("BLOCKQUOTE"), std::string::npos) << body();
    // Block formats: the names, then one of them set and read back.
    Value names;
    EXPECT_EQ(t.exec(CommandGroup::Mshtml, cmd::BlockFormatNames, cmd::DontAskUser, {}, &names), cmd::Ok);
    ASSERT_EQ(names.kind(), Value::Kind::List);
    ASSERT_GE(names.list().size(), 4u);
    EXPECT_EQ(names.list()[3], "Nagłówek 1"_w);
    Value current;
    EXPECT_EQ(t.exec(CommandGroup::Mshtml, cmd::BlockFormat, cmd::DontAskUser, Value("Nagłówek 1"_w), &current), 0);
    EXPECT_EQ(current.toText(), "Nagłówek 1"_w);
    EXPECT_NE(body().find("<H1>abcdef</H1>"), std::string::npos) << body();
    EXPECT_EQ(t.exec(CommandGroup::Mshtml, cmd::BlockFormat, cmd::DontAskUser, Value("nic"), &current), cmd::Failed);
    // Unknown commands.
    EXPECT_EQ(t.exec(CommandGroup::Mshtml, 9999, cmd::DontAskUser), cmd::NotSupported);
    EXPECT_EQ(t.queryStatus(CommandGroup::Mshtml, 9999), 0);
    EXPECT_EQ(t.queryStatus(CommandGroup::Editor, cmd::Undo), 0);
}

TEST_F(Editor, FindAsksForTheTextAndSelectsIt) {
    forms::ScriptedAnswers answers;
    forms::setModal(&answers);
    load("<html><body><p>jeden dwa trzy</p></body></html>");
    CommandTarget t = ed().dom().commandTarget();
    answers.answerInput(true, "dwa");
    EXPECT_EQ(t.exec(CommandGroup::Mshtml, cmd::Find, cmd::AskUser), cmd::Ok);
    EXPECT_EQ(ed().dom().selection().type(), "Text");
    EXPECT_EQ(ed().dom().selection().createRange().htmlText(), "dwa");
    answers.answerInput(true, "cztery");
    t.exec(CommandGroup::Mshtml, cmd::Find, cmd::AskUser);
    ASSERT_EQ(answers.asked("message").size(), 1u);
    ASSERT_EQ(answers.asked("input").size(), 2u);
    EXPECT_EQ(answers.asked("input")[1].title, "Znajdź"_w);
    forms::setModal(nullptr);
}

TEST_F(Editor, DocumentCommandsAndTheValuesReadBack) {
    load("<html><body><p>abcdef</p><p>ghi</p></body></html>");
    Document doc = ed().dom();
    selectText("cd");
    struct Case {
        const char* command;
        Value value;
        const char* query;
        Value readBack;
    } cases[] = {
        {"JustifyCenter", Value(true), "JustifyCenter", Value(true)},
        {"JustifyRight", Value(true), "JustifyRight", Value(true)},
        {"JustifyLeft", Value(true), "JustifyLeft", Value(true)},
        {"ForeColor", Value(0x0000FFL), "ForeColor", Value(0x0000FFL)},
        {"ForeColor", Value(0x804020L), "ForeColor", Value(0x804020L)},
        {"FontName", Value("Arial"), "FontName", Value("Arial")},
        {"FontSize", Value(5L), "FontSize", Value(5L)},
        {"Bold", Value(), "Bold", Value(true)},
    };
    for (const auto& c : cases) {
        doc.execCommand(c.command, false, c.value);
        selectText("cd");
        EXPECT_EQ(doc.selection().createRange().queryCommandValue(c.query), c.readBack) << c.command;
    }
    EXPECT_NE(body().find("<FONT color=\"#204080\" face=\"Arial\" size=\"5\">"), std::string::npos) << body();
    doc.execCommand("Strike", false, Value(true));
    EXPECT_NE(body().find("<STRIKE>"), std::string::npos) << body();
    doc.execCommand("Strike", false, Value(true));  // already struck: no change
    EXPECT_NE(body().find("<STRIKE>"), std::string::npos) << body();
    // A selection over differing values reads as empty.
    selectText("bcdef");
    Range mixed = doc.selection().createRange();
    for (const char* q : {"FontName", "FontSize", "ForeColor", "Bold"})
        EXPECT_TRUE(mixed.queryCommandValue(q).isEmpty()) << q;
    // Plain text: sizes and colours of the default style.
    selectText("ghi");
    Range plain = doc.selection().createRange();
    EXPECT_EQ(plain.queryCommandValue("FontSize"), Value(3L));
    EXPECT_EQ(plain.queryCommandValue("ForeColor"), Value(0L));
    EXPECT_EQ(plain.queryCommandValue("Bold"), Value(false));
    EXPECT_THROW(plain.queryCommandValue("Nonsense"), Error);
    EXPECT_THROW(doc.execCommand("FontSize", false, Value(9L)), Error);
    EXPECT_THROW(doc.execCommand("Nonsense", false), Error);
}

// ---- undo history -------------------------------------------------------------------------

TEST_F(Editor, UndoAndRedoCoverTypingEngineCommandsAndLayerChangesInOrder) {
    load("<html><body><p id=p>abc</p></body></html>");
    CommandTarget t = ed().dom().commandTarget();
    EXPECT_EQ(t.queryStatus(CommandGroup::Mshtml, cmd::Undo), 1);
    EXPECT_EQ(t.exec(CommandGroup::Mshtml, cmd::Undo, cmd::DontAskUser), cmd::Disabled);
    // 1: typing at the end of the paragraph.
    clickAt(centreOf("#p"));
    js("(function(){const t=document.querySelector('p').firstChild;const r=document.createRange();"
       "r.setStart(t,3);r.collapse(true);getSelection().removeAllRanges();getSelection().addRange(r)})()");
    QTest::keyClicks(input(), "xyz");
    // The keys reach the page after the call; wait without reading the
    // document through the layer, which would end the typing step early.
    ASSERT_TRUE(waitFor([] { return js("document.getElementById('p').textContent") == "abcxyz"; }));
    ASSERT_EQ(body(), "<P id=p>abcxyz</P>");
    // 2: an engine command.
    selectText("abc");
    ed().execCommand(ctl::Bold);
    // 3: a change of the layer.
    selectText("xyz");
    ed().dom().selection().createRange().pasteHTML("<EMBED SRC=\"a.avi\">");
    const std::string states[] = {
        "<P id=p><B>abc</B><EMBED SRC=\"a.avi\"></P>",
        "<P id=p><B>abc</B>xyz</P>",
        "<P id=p>abcxyz</P>",
        "<P id=p>abc</P>",
    };
    EXPECT_EQ(body(), states[0]);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(t.queryStatus(CommandGroup::Mshtml, cmd::Undo), 3) << i;
        EXPECT_EQ(t.exec(CommandGroup::Mshtml, cmd::Undo, cmd::DontAskUser), cmd::Ok) << i;
        EXPECT_EQ(body(), states[i]) << i;
    }
    EXPECT_EQ(t.queryStatus(CommandGroup::Mshtml, cmd::Undo), 1);
    for (int i = 2; i >= 0; --i) {
        EXPECT_EQ(t.queryStatus(CommandGroup::Mshtml, cmd::Redo), 3) << i;
        EXPECT_EQ(t.exec(CommandGroup::Mshtml, cmd::Redo, cmd::DontAskUser), cmd::Ok) << i;
        EXPECT_EQ(body(), states[i]) << i;
    }
    EXPECT_EQ(t.queryStatus(CommandGroup::Mshtml, cmd::Redo), 1);
    // A new change after an undo drops what could have been redone.
    t.exec(CommandGroup::Mshtml, cmd::Undo, cmd::DontAskUser);
    selectText("abc");
    ed().dom().selection().createRange().pasteHTML("q");
    EXPECT_EQ(t.queryStatus(CommandGroup::Mshtml, cmd::Redo), 1);
    // The editor group's redo is the same command.
    t.exec(CommandGroup::Mshtml, cmd::Undo, cmd::DontAskUser);
    EXPECT_EQ(t.exec(CommandGroup::Editor, cmd::Redo, cmd::DontAskUser), cmd::Ok);
    EXPECT_EQ(body(), "<P id=p>qxyz</P>");
    // Ctrl+Z and Ctrl+Y in the editing area walk the same history.
    QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([] { return body() == "<P id=p><B>abc</B>xyz</P>"; })) << body();
    QTest::keyClick(input(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([] { return body() == "<P id=p>qxyz</P>"; })) << body();
}

TEST_F(Editor, UndoRestoresAttributesStylesAndReplacedElements) {
    load("<html><body><p>x<img id=i src=\"a.gif\" ALT=\"a\" style=\"width:10px\">y</p></body></html>");
    const std::string original = body();
    js("(function(){const r=document.createRange();r.selectNode(document.getElementById('i'));"
       "getSelection().removeAllRanges();getSelection().addRange(r)})()");
    Element img = ed().dom().selection().createRange().commonParentElement();
    img.setAttribute("alt", "b");
    img.style().setWidth("20px");
    img.setOuterHTML("<TABLE><TR><TD>t</TD></TR></TABLE>");
    CommandTarget t = ed().dom().commandTarget();
    for (int i = 0; i < 3; ++i) t.exec(CommandGroup::Mshtml, cmd::Undo, cmd::DontAskUser);
    EXPECT_EQ(body(), original);
}

// ---- documents -------------------------------------------------------------------------------

TEST_F(Editor, SettingTheDocumentTextReloadsAndRaisesDocumentCompleteAfterwards) {
    load("<html><body><p>a</p></body></html>");
    int raised = 0;
    bool insideCall = false;
    ed().events().documentComplete = [&] { ++raised; EXPECT_FALSE(insideCall); };
    insideCall = true;
    ed().setDocumentHTML("<HTML><HEAD>\r\n<TITLE>Nowy</TITLE>\r\n</HEAD>\r\n<BODY><P>b</P></BODY></HTML>");
    insideCall = false;
    EXPECT_EQ(raised, 0);
    // The text is there at once; the event follows.
    EXPECT_EQ(ed().dom().title(), "Nowy");
    EXPECT_TRUE(waitFor([&] { return raised == 1; }));
    EXPECT_EQ(body(), "<P>b</P>");
    EXPECT_TRUE(ed().documentReady());
}

TEST_F(Editor, AWholeDocumentRewriteIsOneUndoableChange) {
    load("<html><head><title>Stary</title></head><body><p id=p>abc</p></body></html>");
    EXPECT_FALSE(ed().isDirty());
    selectText("b");
    ed().dom().selection().createRange().pasteHTML("<B>B</B>");
    std::string text = ed().documentHTML();
    auto t = text.find("Stary");
    text.replace(t, 5, "Nowy");
    ed().setDocumentHTML(text);
    EXPECT_TRUE(ed().isDirty());
    EXPECT_EQ(ed().dom().title(), "Nowy");
    CommandTarget target = ed().dom().commandTarget();
    EXPECT_EQ(target.exec(CommandGroup::Mshtml, cmd::Undo, cmd::DontAskUser), cmd::Ok);
    EXPECT_EQ(ed().dom().title(), "Stary");
    EXPECT_EQ(body(), "<P id=p>a<B>B</B>c</P>");
    // The change before the rewrite is still there to be undone.
    EXPECT_EQ(target.exec(CommandGroup::Mshtml, cmd::Undo, cmd::DontAskUser), cmd::Ok);
    EXPECT_EQ(body(), "<P id=p>abc</P>");
    EXPECT_EQ(target.exec(CommandGroup::Mshtml, cmd::Redo, cmd::DontAskUser), cmd::Ok);
    EXPECT_EQ(target.exec(CommandGroup::Mshtml, cmd::Redo, cmd::DontAskUser), cmd::Ok);
    EXPECT_EQ(ed().dom().title(), "Nowy");
    EXPECT_EQ(body(), "<P id=p>a<B>B</B>c</P>");
    // Loading a page starts a new history.
    load("<html><body><p>x</p></body></html>");
    EXPECT_EQ(target.queryStatus(CommandGroup::Mshtml, cmd::Undo), 1);
}

TEST_F(Editor, AnIsoPageLoadedAndSavedTwiceComesOutTheSameWithEveryPolishLetter) {
    // ISO-8859-2 bytes of ą ć ę ł ń ó ś ź ż and their capitals.
    const std::string letters = "\xB1\xE6\xEA\xB3\xF1\xF3\xB6\xBC\xBF \xA1\xC6\xCA\xA3\xD1\xD3\xA6\xAC\xAF";
    const std::string page =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<html>\r\n<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">\r\n"
        "<META NAME =\"Keywords\" CONTENT=\"" + letters + "\">\r\n<title>Tytu\xB3 " + letters + "</title>\r\n"
        "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n<p align=center>Za\xBF\xF3\xB3\xE6 g\xEA\xB6l\xB1 ja\xBC\xF1 &copy; "
        + letters + "</p>\r\n<img src=\"data/a.gif\" alt=\"" + letters + "\">\r\n<BGSOUND SRC=\"a.mid\" LOOP=\"2\">"
        "<!--SIZE:1-->\r\n</body>\r\n</html>\r\n";
    auto src = scratch("iso.html"), first = scratch("iso1.html"), second = scratch("iso2.html");
    writeFile(src, page);
    int before = ed().completedDocuments();
    ASSERT_TRUE(ed().loadDocument(src.string(), false));
    ASSERT_TRUE(ed().waitForDocuments(before + 1));
    // The program's 8-bit text of this page is Windows-1250 all the same.
    EXPECT_EQ(ed().dom().title(), "Tytu\xB3 \xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_FALSE(ed().isDirty());
    ASSERT_TRUE(ed().saveDocument(first.string(), false));
    ASSERT_TRUE(ed().loadDocument(first.string(), false));
    ASSERT_TRUE(ed().waitForDocuments(before + 2));
    ASSERT_TRUE(ed().saveDocument(second.string(), false));
    const std::string a = readFile(first), b = readFile(second);
    EXPECT_EQ(a, b);
    EXPECT_NE(a.find("<TITLE>Tytu\xB3 " + letters + "</TITLE>"), std::string::npos) << a;
    EXPECT_NE(a.find("alt=\"" + letters + "\""), std::string::npos);
    EXPECT_NE(a.find("Za\xBF\xF3\xB3\xE6 g\xEA\xB6l\xB1 ja\xBC\xF1 &#169; " + letters), std::string::npos);
    EXPECT_NE(a.find("<BGSOUND SRC=\"a.mid\" LOOP=\"2\"><!--SIZE:1-->"), std::string::npos);
    EXPECT_EQ(a.find("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<HTML><HEAD>\r\n"), 0u) << a;
    // The base address is the file's, for the pictures of the page.
    EXPECT_NE(ed().baseURL().find("iso1.html"), std::string::npos);
}

// A UTF-8 page that declares itself by its byte order mark alone, as some
// editors write them: read as UTF-8, with the mark kept out of the text (where
// it would open the body before the title), and written back as it was read,
// mark and all, also after a rewrite of the whole text.
TEST_F(Editor, AByteOrderMarkDeclaresUtf8AndIsWrittenBack) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string page = bom + "<html><head><title>Zażółć gęślą</title></head>\r\n<body><p>Ćma ŚŹ – „x” €</p></body></html>\r\n";
    auto src = scratch("bom.html"), first = scratch("bom1.html"), second = scratch("bom2.html");
    writeFile(src, page);
    int before = ed().completedDocuments();
    ASSERT_TRUE(ed().loadDocument(src.string(), false));
    ASSERT_TRUE(ed().waitForDocuments(before + 1));
    EXPECT_TRUE(ed().byteOrderMark());
    EXPECT_EQ(ed().dom().title(), "Zażółć gęślą"_w);
    EXPECT_EQ(js("document.body.textContent"), "Ćma ŚŹ – „x” €"_w);
    const std::string html = ed().documentHTML();
    EXPECT_EQ(html.find("<HTML><HEAD>\r\n<TITLE>"), 0u) << html;
    ASSERT_TRUE(ed().saveDocument(first.string(), false));
    const std::string saved = readFile(first);
    EXPECT_EQ(saved.find(bom + "<HTML><HEAD>\r\n<TITLE>Zażółć gęślą</TITLE>"), 0u) << saved;
    EXPECT_NE(saved.find("<P>Ćma ŚŹ – „x” €</P>"), std::string::npos) << saved;
    ed().setDocumentHTML(html);
    ASSERT_TRUE(ed().waitForDocuments(before + 2));
    ASSERT_TRUE(ed().saveDocument(second.string(), false));
    EXPECT_EQ(readFile(second), saved) << "after a rewrite";
    ASSERT_TRUE(ed().loadDocument(first.string(), false));
    ASSERT_TRUE(ed().waitForDocuments(before + 3));
    ASSERT_TRUE(ed().saveDocument(second.string(), false));
    EXPECT_EQ(readFile(second), saved);
    // The next page without one is the page's own charset again.
    load("<html><head><title>t</title></head><body>\xB9</body></html>");
    EXPECT_FALSE(ed().byteOrderMark());
    EXPECT_EQ(js("document.body.textContent"), "ą"_w);
}

// Pages written in the XHTML way close their empty anchors themselves
// ("<a id=\"x\"/>"); an HTML parser leaves them open and re-opens them in
// every block that follows, so each save would add anchors. Such a page
// reaches a fixed point at the second save, its text and links kept: tried
// on a generated manual page of some 240 KB.
TEST_F(Editor, SelfClosedAnchorsStayOneEachAndTheSecondSaveEqualsTheFirst) {
    std::string page =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n<html xmlns=\"http://www.w3.org/1999/xhtml\">"
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" /><title>Podręcznik</title>"
        "</head><body><table width=\"100%\" summary=\"Navigation header\"><tr><td><a accesskey=\"n\" "
        "href=\"next.html\">Dalej</a></td></tr></table>\r\n";
    const int sections = 800;
    for (int i = 0; i < sections; ++i) {
        const std::string n = std::to_string(i);
        page += "<div class=\"section\"><h2 class=\"title\"><a id=\"s" + n + "\"/>" + n + ". Rozdział " + n +
                "</h2><p>Zażółć gęślą jaźń, akapit " + n + ". Zobacz <a href=\"#s" + std::to_string((i + 1) % sections) +
                "\">następny</a>.<a name=\"k" + n + "\" /></p><ul><li>punkt <b>pierwszy</b></li><li>punkt drugi</li></ul>"
                "<pre class=\"screen\">$ polecenie --opcja " + n + "</pre></div>\r\n";
    }
    page += "</body></html>\r\n";
    ASSERT_GT(page.size(), 200000u);
    auto src = scratch("xhtml.html"), first = scratch("xhtml1.html"), second = scratch("xhtml2.html");
    writeFile(src, page);
    int before = ed().completedDocuments();
    ASSERT_TRUE(ed().loadDocument(src.string(), false));
    ASSERT_TRUE(ed().waitForDocuments(before + 1));
    ASSERT_TRUE(ed().saveDocument(first.string(), false));
    ASSERT_TRUE(ed().loadDocument(first.string(), false));
    ASSERT_TRUE(ed().waitForDocuments(before + 2));
    ASSERT_TRUE(ed().saveDocument(second.string(), false));
    const std::string a = readFile(first), b = readFile(second);
    EXPECT_EQ(a.size(), b.size());
    EXPECT_TRUE(a == b);
    auto count = [](const std::string& s, const std::string& what) {
        std::size_t n = 0;
        for (auto p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
        return n;
    };
    // One navigation link, and per section its two anchors and one link.
    EXPECT_EQ(count(a, "<A "), 1u + 3u * sections);
    EXPECT_EQ(count(a, "</A>"), 1u + 3u * sections);
    EXPECT_EQ(count(a, "<H2 class=\"title\"><A id=\"s7\"></A>7. Rozdział 7</H2>"), 1u) << a.substr(0, 2000);
    EXPECT_EQ(count(a, "Zobacz <A href=\"#s8\">następny</A>.<A name=\"k7\"></A></P>"), 1u);
    EXPECT_EQ(count(a, "<A href=\"next.html\" accesskey=\"n\">Dalej</A>") + count(a, "<A accesskey=\"n\" href=\"next.html\">Dalej</A>"), 1u);
    EXPECT_EQ(count(a, "Zażółć gęślą jaźń"), static_cast<std::size_t>(sections));
}

TEST_F(Editor, EveryLineOfASavedPageEndsWithCrLfTheLastOneToo) {
    const char* pages[] = {
        "<html><head><title>a</title></head><body><p>x</p></body></html>",
        "<html>\n<head>\n<title>a</title>\n</head>\n<body>\n<p>x</p>\n</body>\n</html>\n",
        "<HTML><HEAD>\r\n<TITLE>a</TITLE>\r\n</HEAD>\r\n<BODY><P>x</P></BODY></HTML>\r\n",
        "<html><body><p>x</p></body></html>\r\n<!-- po stronie -->",
        "<p>x",
    };
    auto first = scratch("lines1.html"), second = scratch("lines2.html");
    for (const char* page : pages) {
        load(page);
        ASSERT_TRUE(ed().saveDocument(first.string(), false));
        const std::string a = readFile(first);
        ASSERT_GE(a.size(), 2u);
        EXPECT_EQ(a.substr(a.size() - 2), "\r\n") << page;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i] == '\n') EXPECT_TRUE(i > 0 && a[i - 1] == '\r') << page << ": a line ends LF at " << i;
            if (a[i] == '\r') EXPECT_TRUE(i + 1 < a.size() && a[i + 1] == '\n') << page << ": a line ends CR at " << i;
        }
        int before = ed().completedDocuments();
        ASSERT_TRUE(ed().loadDocument(first.string(), false));
        ASSERT_TRUE(ed().waitForDocuments(before + 1));
        ASSERT_TRUE(ed().saveDocument(second.string(), false));
        EXPECT_EQ(readFile(second), a) << page;
    }
}

TEST_F(Editor, TypedPolishLettersAndParagraphsAreSavedInThePagesCharset) {
    load("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\"></head>"
         "<body><p>x</p></body></html>");
    clickAt(centreOf("p"));
    js("(function(){const t=document.querySelector('p').firstChild;const r=document.createRange();"
       "r.setStart(t,1);r.collapse(true);getSelection().removeAllRanges();getSelection().addRange(r)})()");
    typeText(input(), QString::fromUtf8("źle"));
    QTest::keyClick(input(), Qt::Key_Return);
    typeText(input(), QString::fromUtf8("Łódź"));
    // Every key has reached the page: two paragraphs, the second one with
    // all four letters.
    ASSERT_TRUE(waitFor([] {
        return js("document.querySelectorAll('p').length+':'+document.querySelectorAll('p')[1]?.textContent.length") ==
               "2:4";
    })) << body();
    auto out = scratch("typed.html");
    ASSERT_TRUE(ed().saveDocument(out.string(), false));
    EXPECT_NE(readFile(out).find("<P>x\xBCle</P><P>\xA3\xF3" "d\xBC</P>"), std::string::npos) << readFile(out);
}

TEST_F(Editor, APageWithoutACharsetIsWindows1250) {
    auto src = scratch("win.html"), out = scratch("win1.html");
    writeFile(src, "<html><body><p>\xB9\x9C\x9F \xA5\x8C\x8F</p></body></html>");  // ą ś ź Ą Ś Ź
    int before = ed().completedDocuments();
    ASSERT_TRUE(ed().loadDocument(src.string(), false));
    ASSERT_TRUE(ed().waitForDocuments(before + 1));
    EXPECT_EQ(body(), "<P>\xB9\x9C\x9F \xA5\x8C\x8F</P>");
    ASSERT_TRUE(ed().saveDocument(out.string(), false));
    EXPECT_NE(readFile(out).find("<P>\xB9\x9C\x9F \xA5\x8C\x8F</P>"), std::string::npos);
    // Text set into it from the program comes in Windows-1250 too.
    selectText("\xB9");
    ed().dom().selection().createRange().pasteHTML("\xA5");
    EXPECT_EQ(js("document.querySelector('p').textContent.charCodeAt(0).toString(16)"), "104");
}

// Program text reaches the page by every door of the layer as the letters
// it holds, whatever the page declares; the saved file has them in the
// page's charset, and what the charset lacks as references.
TEST_F(Editor, ProgramTextEntersEveryPageAsTyped) {
    const std::string typed = "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ „” – — € …"_w;
    // The same letters after `iso`: the six that ISO-8859-2 places elsewhere
    // in their ISO bytes.
    const std::string isoTyped =
        "\xB1\xE6\xEA\xB3\xF1\xF3\xB6\xBC\xBF \xA1\xC6\xCA\xA3\xD1\xD3\xA6\xAC\xAF" + " „” – — € …"_w;
    struct Case {
        const char* name;
        const char* meta;
        std::string stored;  // the letters as the file holds them
    } cases[] = {
        {"ISO-8859-2", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">",
         "\xB1\xE6\xEA\xB3\xF1\xF3\xB6\xBC\xBF \xA1\xC6\xCA\xA3\xD1\xD3\xA6\xAC\xAF &#8222;&#8221; &#8211; &#8212; &#8364; &#8230;"},
        {"Windows-1250", "", typed},
        {"UTF-8", "<meta charset=\"utf-8\">", "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ „” – — € …"},
    };
    for (const auto& c : cases) {
        load(std::string("<html><head>") + c.meta + "<title>t</title></head><body><p>x</p><p>y</p><p>z</p>"
             "</body></html>");
        selectText("x");
        ed().dom().selection().createRange().pasteHTML("<b>" + typed + "</b>");
        selectText("z");
        Element para = ed().dom().selection().createRange().parentElement();
        para.setAttribute("alt", isoTyped);
        para.setAttribute("title", typed);
        selectText("y");
        ed().dom().selection().createRange().parentElement().setOuterHTML("<p>" + isoTyped + "</p>");
        EXPECT_EQ(para.getAttribute("alt"), typed) << c.name;
        EXPECT_EQ(ed().dom().title(), "t");
        auto out = scratch("typed.html");
        ASSERT_TRUE(ed().saveDocument(out.string(), false));
        const std::string file = readFile(out);
        EXPECT_NE(file.find("<B>" + c.stored + "</B>"), std::string::npos) << c.name << "\n" << file;
        EXPECT_NE(file.find("<P>" + c.stored + "</P>"), std::string::npos) << c.name;
        EXPECT_NE(file.find("alt=\"" + c.stored + "\""), std::string::npos) << c.name;
        EXPECT_NE(file.find("title=\"" + c.stored + "\""), std::string::npos) << c.name;
        // The whole text and back, as the rewrites of the editor do it.
        const std::string html = ed().documentHTML();
        EXPECT_NE(html.find("<B>" + typed + "</B>"), std::string::npos) << c.name;
        int before = ed().completedDocuments();
        ed().setDocumentHTML(html);
        ASSERT_TRUE(ed().waitForDocuments(before + 1));
        ASSERT_TRUE(ed().saveDocument(out.string(), false));
        EXPECT_EQ(readFile(out), file) << c.name;
    }
}

TEST_F(Editor, SaveAndLoadAskForTheFileOnlyWhenTold) {
    forms::ScriptedAnswers answers;
    forms::setModal(&answers);
    load("<html><body><p>a</p></body></html>");
    auto chosen = scratch("chosen.html");
    std::filesystem::remove(chosen);
    answers.answerFile(false);
    EXPECT_FALSE(ed().saveDocument("", true));  // cancelled: nothing written
    EXPECT_FALSE(std::filesystem::exists(chosen));
    answers.answerFile(true, chosen.string());
    EXPECT_TRUE(ed().saveDocument("", true));
    EXPECT_TRUE(std::filesystem::exists(chosen));
    EXPECT_EQ(answers.asked("file").size(), 2u);
    auto direct = scratch("direct.html");
    EXPECT_TRUE(ed().saveDocument(direct.string(), false));
    EXPECT_EQ(answers.asked("file").size(), 2u);
    EXPECT_THROW(ed().saveDocument(scratch("no/such/dir/x.html").string(), false), Error);
    EXPECT_THROW(ed().loadDocument(scratch("missing.html").string(), false), Error);
    answers.answerFile(true, direct.string());
    int before = ed().completedDocuments();
    EXPECT_TRUE(ed().loadDocument("", true));
    EXPECT_TRUE(ed().waitForDocuments(before + 1));
    EXPECT_EQ(body(), "<P>a</P>");
    forms::setModal(nullptr);
}

TEST_F(Editor, UnsavedChangesFlag) {
    load("<html><body><p>abc</p></body></html>");
    EXPECT_FALSE(ed().isDirty());
    selectText("b");
    ed().dom().selection().createRange().pasteHTML("B");
    EXPECT_TRUE(ed().isDirty());
    ASSERT_TRUE(ed().saveDocument(scratch("dirty.html").string(), false));
    EXPECT_FALSE(ed().isDirty());
    // Selecting an element is no change.
    ed().dom().selection();
    js("(function(){const r=document.createRange();r.selectNode(document.querySelector('p'));"
       "getSelection().removeAllRanges();getSelection().addRange(r)})()");
    EXPECT_FALSE(ed().isDirty());
}

TEST_F(Editor, NewDocumentIsEmptyAndEditable) {
    int before = ed().completedDocuments();
    ed().newDocument();
    EXPECT_TRUE(ed().waitForDocuments(before + 1));
    EXPECT_EQ(ed().documentHTML(), "<HTML><HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY></BODY></HTML>");
    ed().dom().selection().createRange().pasteHTML("<P>x</P>");
    EXPECT_EQ(body(), "<P>x</P>");
}

// ---- events ----------------------------------------------------------------------------------------

TEST_F(Editor, InputRaisesTheControlsEvents) {
    load("<html><body style=\"margin:0\"><p id=p>abc</p><p id=q>def</p><img src=\"x.gif\" width=40 height=40>"
         "</body></html>");
    int clicks = 0, dbl = 0, keyups = 0, keydowns = 0, over = 0, menus = 0;
    ed().events().onclick = [&] { ++clicks; };
    ed().events().ondblclick = [&] { ++dbl; };
    ed().events().onkeyup = [&](int) { ++keyups; };
    ed().events().onkeydown = [&](int) { ++keydowns; };
    ed().events().onmouseover = [&] { ++over; };
    ed().events().showContextMenu = [&](int, int) { ++menus; };
    QPoint p = centreOf("#p");
    QTest::mouseMove(input(), p);
    QTest::mouseClick(input(), Qt::LeftButton, {}, p);
    EXPECT_TRUE(waitFor([&] { return clicks >= 1; }));
    doubleClick(input(), p);
    EXPECT_TRUE(waitFor([&] { return dbl == 1; }));
    // A double click on a picture selects it as a whole before the event.
    std::string typeAtEvent;
    ed().events().ondblclick = [&] { ++dbl; typeAtEvent = ed().dom().selection().type(); };
    doubleClick(input(), centreOf("img"));
    EXPECT_TRUE(waitFor([&] { return dbl == 2; }));
    EXPECT_EQ(typeAtEvent, "Control");
    QTest::keyClick(input(), Qt::Key_End);
    EXPECT_TRUE(waitFor([&] { return keyups == 1 && keydowns == 1; }));
    EXPECT_TRUE(waitFor([&] { return over > 0; }));
    QTest::mouseClick(input(), Qt::RightButton, {}, centreOf("#q"));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, centreOf("#q"), input()->mapToGlobal(centreOf("#q")));
    QApplication::sendEvent(input(), &menu);
    EXPECT_TRUE(waitFor([&] { return menus >= 1; }));
}

TEST_F(Editor, CopyAndPasteInsideTheEditorKeepObjectsAndMarquees) {
    load("<html><body><p>ab</p><p><object classid=\"c\"><PARAM NAME=movie VALUE=\"a.swf\"><embed src=\"a.swf\"></object></p>"
         "<marquee LOOP=INFINITE>m</marquee><p>cd</p></body></html>");
    js("(function(){const r=document.createRange();r.setStartBefore(document.querySelector('object'));"
       "r.setEndAfter(document.querySelector('marquee'));getSelection().removeAllRanges();getSelection().addRange(r)})()");
    ed().execCommand(ctl::Copy);
    // The paragraph the object stands in is part of the copy.
    const std::string copied = "<P><OBJECT classid=\"c\"><PARAM NAME=movie VALUE=\"a.swf\"><EMBED src=\"a.swf\"></OBJECT></P>"
                               "<MARQUEE LOOP=INFINITE>m</MARQUEE>";
    EXPECT_TRUE(waitFor([&] { return QGuiApplication::clipboard()->mimeData()->html().toStdString() == copied; }))
        << QGuiApplication::clipboard()->mimeData()->html().toStdString();
    selectText("cd");
    ed().execCommand(ctl::Paste);
    // Pasted over "cd", whose paragraph it replaces.
    EXPECT_EQ(body(), "<P>ab</P>" + copied + copied);
    // Cutting a selected picture takes it out and puts it on the clipboard.
    load("<html><body><p>x<img src=\"a.gif\" ALT=\"\">y</p></body></html>");
    js("(function(){const r=document.createRange();r.selectNode(document.querySelector('img'));"
       "getSelection().removeAllRanges();getSelection().addRange(r)})()");
    ed().execCommand(ctl::Cut);
    EXPECT_EQ(body(), "<P>xy</P>");
    EXPECT_TRUE(waitFor([] { return QGuiApplication::clipboard()->mimeData()->html() == "<IMG src=\"a.gif\" ALT=\"\">"; }));
    ed().dom().commandTarget().exec(CommandGroup::Mshtml, cmd::Undo, cmd::DontAskUser);
    EXPECT_EQ(body(), "<P>x<IMG src=\"a.gif\" ALT=\"\">y</P>");
    // Preformatted text that begins with a line break, and carriage returns
    // of a text and a value, are pasted as they were copied.
    load("<html><body><pre>\n\nkod</pre><p title=\"a&#13;b\">c&#13;d</p><p>ef</p></body></html>");
    js("(function(){const r=document.createRange();r.setStartBefore(document.querySelector('pre'));"
       "r.setEndAfter(document.querySelector('p'));getSelection().removeAllRanges();getSelection().addRange(r)})()");
    ed().execCommand(ctl::Copy);
    EXPECT_TRUE(waitFor([] { return QGuiApplication::clipboard()->mimeData()->html().startsWith("<PRE>"); }));
    selectText("ef");
    ed().execCommand(ctl::Paste);
    EXPECT_EQ(js("Array.from(document.querySelectorAll('pre,p[title]'),e=>JSON.stringify(e.title+'|'+e.textContent)).join()"),
              "\"|\\nkod\",\"a\\rb|c\\rd\",\"|\\nkod\",\"a\\rb|c\\rd\"");
}
