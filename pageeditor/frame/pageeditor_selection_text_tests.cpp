// The text side of the frame's selection and document commands: colour
// texts read back, the strike/superscript/subscript toggles, the element
// dispatch by tag, and the whole-document rewrites of title, META lines,
// page-size marker and background sound.
#include <gtest/gtest.h>

#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/frame/DocumentRewrite.h"
#include "pageeditor/frame/ElementDispatch.h"
#include "pageeditor/frame/HtmlColor.h"
#include "pageeditor/frame/InlineMarkup.h"
#include "text/CodePage.h"

using namespace pageeditor;
using namespace text::literals;

TEST(HtmlColor, NamesHexAndEverythingElse) {
    struct Case {
        const char* text;
        std::uint32_t color;
    } cases[] = {
        {"", clBtnFace},        {"red", clBtnFace},    {"#", clBtnFace},       {"#FFF", clBtnFace},
        {"123456", clBtnFace},  {"black", 0},          {"Black", 0},           {"midnightblue", 0},
        {"LightBlue", 0},       {"#GGGGGG", 0},        {"white", 0xFFFFFF},    {"Blue", 0xFF0000},
        {"#FF0000", 0x0000FF},  {"#0080FF", 0xFF8000}, {"#00ff00", 0x00FF00},  {"#12345", 0x503412},
        {"#123456789", 0x563412},
    };
    for (const auto& c : cases) EXPECT_EQ(HTMLColorToColor(c.text), c.color) << '"' << c.text << '"';
}

TEST(HtmlColor, ReadsBackEveryColourTheEditorWrites) {
    for (std::uint32_t c : {0x000000u, 0xFFFFFFu, 0x0000FFu, 0x123456u, 0xABCDEFu, 0x00FF80u, clBtnFace})
        EXPECT_EQ(HTMLColorToColor(util_getcolor(c)), c) << std::hex << c;
}

TEST(InlineMarkupToggle, WrapsPlainTextAndUnwrapsMarkedText) {
    struct Case {
        InlineMarkup markup;
        const char* selected;
        const char* pasted;
    } cases[] = {
        {InlineMarkup::Strike, "kot", "<strike>kot</strike>"},
        {InlineMarkup::Strike, "<STRIKE>kot</STRIKE>", "kot"},
        {InlineMarkup::Strike, "a<STRIKE>b</STRIKE>c<STRIKE>d</STRIKE>", "abcd"},
        // Only the closing tag is selected: the selection counts as marked.
        {InlineMarkup::Strike, "kot</STRIKE> ma", "kot ma"},
        {InlineMarkup::Superscript, "2", "<sup>2</sup>"},
        {InlineMarkup::Superscript, "<SUP>2</SUP>", "2"},
        {InlineMarkup::Subscript, "H2O", "<sub>H2O</sub>"},
        {InlineMarkup::Subscript, "H<SUB>2</SUB>O", "H2O"},
        // Another pair's tags are left alone and the selection is wrapped.
        {InlineMarkup::Subscript, "<SUP>2</SUP>", "<sub><SUP>2</SUP></sub>"},
        // Found in any case, removed only in upper case.
        {InlineMarkup::Strike, "<strike>x</strike>", "<strike>x</strike>"},
    };
    for (const auto& c : cases) EXPECT_EQ(toggleInlineMarkup(c.markup, c.selected), c.pasted) << c.selected;
}

TEST(ElementDispatchByTag, SixTagsOpenDialogsOthersNothing) {
    struct Case {
        const char* tag;
        ElementDialog dialog;
    } cases[] = {
        {"IMG", ElementDialog::Image},       {"img", ElementDialog::Image},
        {"MARQUEE", ElementDialog::ScrollingText}, {"TABLE", ElementDialog::Table},
        {"OBJECT", ElementDialog::Flash},    {"EMBED", ElementDialog::Video},
        {"IFrame", ElementDialog::InlineFrame}, {"TD", ElementDialog::None},
        {"P", ElementDialog::None},          {"", ElementDialog::None},
    };
    for (const auto& c : cases) EXPECT_EQ(elementDialogFor(c.tag), c.dialog) << c.tag;
}

TEST(TitleRewrite, BetweenTheTitleTagsWhateverTheirCase) {
    struct Case {
        const char* before;
        const char* after;
        bool changed;
    } cases[] = {
        {"<HTML><HEAD><TITLE>Alt</TITLE></HEAD>", "<HTML><HEAD><TITLE>Neu</TITLE></HEAD>", true},
        {"<html><head><title>Alt</title></head>", "<html><head><title>Neu</title></head>", true},
        {"<HEAD><TITLE></TITLE>", "<HEAD><TITLE>Neu</TITLE>", true},
        // No title element: one is made at the top of the head.
        {"<HTML><HEAD>\r\n</HEAD><BODY>x</BODY>", "<HTML><HEAD>\r\n<TITLE>Neu</TITLE>\r\n</HEAD><BODY>x</BODY>", true},
        // Neither title nor head, or a broken title element: nothing changes.
        {"<BODY>x</BODY>", "<BODY>x</BODY>", false},
        {"<HEAD></TITLE><TITLE>", "<HEAD></TITLE><TITLE>", false},
    };
    for (const auto& c : cases) {
        std::string html = c.before;
        EXPECT_EQ(SetTitleText(html, "Neu"), c.changed) << c.before;
        EXPECT_EQ(html, c.after) << c.before;
    }
}

TEST(TitleRewrite, TypedValuesCannotBreakThePage) {
    EXPECT_EQ(PageValue("a</title><b>\"c\" & d"), "a&lt;/title&gt;&lt;b&gt;&quot;c&quot; &amp; d");
    EXPECT_EQ(PageValue("raz\r\ndwa\nthree"), "raz dwa three");
    EXPECT_EQ(PageValue("Świat ąź – „x”"_w), "Świat ąź – „x”"_w);
    EXPECT_EQ(PageValue("± ¶ ¦ ˇ ¬ Ľ &#177;"_w), "&#177; &#182; &#166; &#711; &#172; &#317; &amp;#177;");
}

TEST(HeadMetaRewrite, OnlyTheKeywordsAndDescriptionLinesChange) {
    const std::string charset = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">";
    const std::string kw = "<META NAME =\"Keywords\" CONTENT=\"a, b\">";
    const std::string desc = "<META NAME=\"Description\" content=\"Opis\">";
    const std::string utf8Head =
        "<HTML><HEAD>\r\n<META charset=utf-8>\r\n<META name=viewport content=\"width=device-width, initial-scale=1\">\r\n"
        "<META name=generator content=\"mkpage 0.9\">\r\n";
    const std::optional<std::string> none;
    const std::string desc0 = "<META name=\"description\" content=\"Kawiarnia przy rynku, otwarta codziennie\">\r\n";
    const std::string kw0 = "<META name=\"keywords\" content=\"kawa\">\r\n";
    auto descFirst = [](const std::string& description, const std::string& keywords) {
        return "<HTML><HEAD>\r\n<META charset=\"utf-8\">\r\n" + description + keywords +
               "<TITLE>Kawiarnia</TITLE>\r\n</HEAD>\r\n<BODY>x</BODY>";
    };
    struct Case {
        const char* name;
        std::string before;
        std::optional<std::string> keywords, description;
        std::string after;
        bool charsetByMark = false;  // the file's byte order mark declares the charset
    } cases[] = {
        {"the page's line is replaced where it stands, the other lines stay",
         utf8Head + "<META name=keywords content=stare>\r\n<TITLE>T</TITLE>\r\n</HEAD>\r\n<BODY>x</BODY>\r\n</HTML>",
         "a, b", none, utf8Head + kw + "\r\n<TITLE>T</TITLE>\r\n</HEAD>\r\n<BODY>x</BODY>\r\n</HTML>"},
        {"an empty value takes the line away, and only it",
         utf8Head + "<META name=\"Description\" content=\"stary\">\r\n</HEAD>\r\n<BODY>x</BODY>", none, "",
         utf8Head + "</HEAD>\r\n<BODY>x</BODY>"},
        {"new lines go below the head line; a charset is declared where none was",
         "<HTML><HEAD>\r\n<TITLE>T</TITLE>\r\n</HEAD><BODY>x</BODY>", "a, b", "Opis",
         "<HTML><HEAD>\r\n" + kw + "\r\n" + desc + "\r\n" + charset + "\r\n<TITLE>T</TITLE>\r\n</HEAD><BODY>x</BODY>"},
        {"a declared charset stays the only one",
         "<HEAD>\r\n<META http-equiv=Content-Type content=\"text/html; charset=UTF-8\">\r\n</HEAD>", none, "Opis",
         "<HEAD>\r\n" + desc + "\r\n<META http-equiv=Content-Type content=\"text/html; charset=UTF-8\">\r\n</HEAD>"},
        {"a tag beside other markup goes alone, no empty line is left",
         "<HEAD>\r\n<TITLE>T</TITLE><meta name='KEYWORDS' content='x'>\r\n<META charset=utf-8>\r\n</HEAD>", "", none,
         "<HEAD>\r\n<TITLE>T</TITLE>\r\n<META charset=utf-8>\r\n</HEAD>"},
        {"a second keywords line goes, the first takes the value",
         "<HEAD>\r\n<META name=keywords content=1>\r\n<META charset=utf-8>\r\n<META name=Keywords content=2>\r\n</HEAD>",
         "a, b", none, "<HEAD>\r\n" + kw + "\r\n<META charset=utf-8>\r\n</HEAD>"},
        {"a head on one line", "<html><head><meta charset=utf-8><title>t</title></head><body></body></html>", "k",
         none, "<html><head>\r\n<META NAME =\"Keywords\" CONTENT=\"k\"><meta charset=utf-8><title>t</title></head><body></body></html>"},
        {"a META in the body is not the page's",
         "<HEAD>\r\n<META charset=utf-8>\r\n</HEAD><BODY><META name=keywords content=b></BODY>", "a, b", none,
         "<HEAD>\r\n" + kw + "\r\n<META charset=utf-8>\r\n</HEAD><BODY><META name=keywords content=b></BODY>"},
        // The description before the keywords, as other programs write them:
        // each line is changed where it stands, whatever the lengths.
        {"description first, both changed", descFirst(desc0, kw0), "kawa, herbata", "Nowy opis kawiarni",
         descFirst("<META NAME=\"Description\" content=\"Nowy opis kawiarni\">\r\n",
                   "<META NAME =\"Keywords\" CONTENT=\"kawa, herbata\">\r\n")},
        {"description first and removed", descFirst(desc0, kw0), "kawa, herbata", "",
         descFirst("", "<META NAME =\"Keywords\" CONTENT=\"kawa, herbata\">\r\n")},
        {"description first and shortened", descFirst(desc0, kw0), "k", "O",
         descFirst("<META NAME=\"Description\" content=\"O\">\r\n", "<META NAME =\"Keywords\" CONTENT=\"k\">\r\n")},
        {"description first, the keywords removed", descFirst(desc0, kw0), "", "Nowy opis kawiarni",
         descFirst("<META NAME=\"Description\" content=\"Nowy opis kawiarni\">\r\n", "")},
        {"a byte order mark declares the charset", "<HTML><HEAD>\r\n<TITLE>T</TITLE>\r\n</HEAD>", "a, b", none,
         "<HTML><HEAD>\r\n" + kw + "\r\n<TITLE>T</TITLE>\r\n</HEAD>", true},
        {"nothing given, nothing changes", utf8Head + "</HEAD>", none, none, utf8Head + "</HEAD>"},
        {"no head, nothing is inserted", "<BODY>x</BODY>", "k", "d", "<BODY>x</BODY>"},
        {"a tag over two lines of the head line stays whole",
         "<HEAD><META name=viewport\r\n content=x>\r\n</HEAD>", "k", none,
         "<HEAD>\r\n<META NAME =\"Keywords\" CONTENT=\"k\">\r\n" + charset +
             "<META name=viewport\r\n content=x>\r\n</HEAD>"},
        {"a head tag left open up to the head's end is no head line", "<HEAD \r\n</HEAD><BODY>x</BODY>", none, "d",
         "<HEAD \r\n</HEAD><BODY>x</BODY>"},
        {"a charset named only inside the line replaced is declared anew",
         "<HEAD>\r\n<META name=keywords content=\"a\" lang=\"<META charset=iso-8859-2>\">\r\n</HEAD>", "b", none,
         "<HEAD>\r\n" + charset + "\r\n<META NAME =\"Keywords\" CONTENT=\"b\">\r\n</HEAD>"},
        // The engine reads a charset from a META's charset attribute or from
        // a Content-Type line alone, not from the words of a value.
        {"a charset named in the words typed declares none",
         "<HEAD>\r\n<META name=keywords content=x>\r\n</HEAD>", "charset, kodowanie", "Co znaczy charset=utf-8",
         "<HEAD>\r\n<META NAME=\"Description\" content=\"Co znaczy charset=utf-8\">\r\n" + charset +
             "\r\n<META NAME =\"Keywords\" CONTENT=\"charset, kodowanie\">\r\n</HEAD>"},
        {"a charset named in another META's value declares none",
         "<HEAD>\r\n<META name=generator content=\"charset=utf-8\">\r\n</HEAD>", "k", none,
         "<HEAD>\r\n<META NAME =\"Keywords\" CONTENT=\"k\">\r\n" + charset +
             "\r\n<META name=generator content=\"charset=utf-8\">\r\n</HEAD>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceHeadMeta(c.before, c.keywords, c.description, c.charsetByMark), c.after) << c.name;
        EXPECT_EQ(ReplaceHeadMeta(c.after, c.keywords, c.description, c.charsetByMark), c.after)
            << c.name << ": the same values again";
    }
}

TEST(HeadMetaRewrite, ThePageSaysItsKeywordsDescriptionAndCharset) {
    struct Case {
        const char* name;
        std::string html;
        HeadMeta meta;
    } cases[] = {
        {"quoted, unquoted, any case, references read",
         "<HEAD><meta NAME=KeyWords content='a, &quot;b&quot; &amp; c'><META name=\"description\" "
         "content=\"Zażółć &lt;gęślą&gt;\"><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-2\"></HEAD>"_w,
         {"a, \"b\" & c", "Zażółć <gęślą>"_w, true}},
        {"the first of two counts", "<HEAD><META name=keywords content=1><META name=keywords content=2></HEAD>",
         {"1", "", false}},
        {"a short charset declaration", "<HEAD><META charset=\"utf-8\"></HEAD>", {"", "", true}},
        {"charset in the words of a value, an empty charset, a Content-Type without one",
         "<HEAD><META name=keywords content=\"charset=utf-8\"><META charset=\"\"><META http-equiv=\"content-type\" "
         "content=\"text/html\"></HEAD>",
         {"charset=utf-8", "", false}},
        {"a Content-Type line in any case", "<HEAD><META HTTP-EQUIV=CONTENT-TYPE CONTENT=\"text/html; CHARSET=utf-8\"></HEAD>",
         {"", "", true}},
        {"the body is not the head", "<HEAD></HEAD><BODY><META name=keywords content=x></BODY>", {"", "", false}},
        {"a page without a head", "<P>x</P>", {"", "", false}},
    };
    for (const auto& c : cases) {
        const HeadMeta m = ReadHeadMeta(c.html);
        EXPECT_EQ(m.keywords, c.meta.keywords) << c.name;
        EXPECT_EQ(m.description, c.meta.description) << c.name;
        EXPECT_EQ(m.charsetDeclared, c.meta.charsetDeclared) << c.name;
    }
}

// The document's text carries what the program's text lacks as references:
// the memos show them as they are written, and what the user left of them
// goes back into the page as it was.
TEST(HeadMetaRewrite, ReferencesShowAsLettersWhereTheProgramHoldsThem) {
    struct Case {
        const char* name;
        std::string page, shown;
    } cases[] = {
        {"letters the program holds", "caf&#233;, &#xF3;w, &amp; &quot;x&quot; &lt;y&gt; &apos;&nbsp;",
         "café, ów, & \"x\" <y> '\xC2\xA0"_w},
        {"characters it lacks", "&#224; la carte, &#1082;&#1086;&#1092;&#1077;, &#x1F600;",
         "&#224; la carte, &#1082;&#1086;&#1092;&#1077;, &#x1F600;"},
        // Their bytes, which the document's text reads as the letters ś, ą
        // and ź, show as those letters.
        {"signs whose bytes are letters", "&#182; &#177; &#172; &#711; &#166; &#317;", "¶ ± ¬ ˇ ¦ Ľ"_w},
        {"letters at the bytes of those signs", "\xB6 \xB1 \xBC", "ś ą ź"_w},
        {"control characters", "a&#13;b&#9;c", "a&#13;b&#9;c"},
        {"what only looks like a reference", "AT&T, R&D; &#; &#x; &#12 &eacute; &#0; &#xD800; &#99999999999;",
         "AT&T, R&D; &#; &#x; &#12 &eacute; &#0; &#xD800; &#99999999999;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MarkupText(c.page), c.shown) << c.name;
        // Written back with a word added, it reads as what was shown and the word.
        EXPECT_EQ(MarkupText(MarkupValue(c.shown + ", herbata & ciastka")), c.shown + ", herbata & ciastka") << c.name;
    }
    // What is typed reads back as typed, references to letters the program
    // holds and named ones too.
    for (const std::string typed : {"&amp; &#261; &#xF3; & &quot;x&quot; &lt;"_w, "± ¶ ¦ ˇ ¬ Ľ ą ś Ś Ą Ź ź"_w})
        EXPECT_EQ(MarkupText(MarkupValue(typed)), typed);
    EXPECT_EQ(MarkupValue("± ¶ ¦ ˇ ¬ Ľ ą"_w), "&#177; &#182; &#166; &#711; &#172; &#317; \xB9");
    EXPECT_EQ(MarkupValue("kawa, &#224; la carte, &#1082;, herbata & <ciastka> \"x\"\r\ny"),
              "kawa, &#224; la carte, &#1082;, herbata &amp; &lt;ciastka&gt; &quot;x&quot; y");
    // The memos read the page so.
    EXPECT_EQ(ReadHeadMeta("<HEAD><META name=keywords content=\"kawa, caf\xE9, &#224; la carte, &#1082;\"></HEAD>").keywords,
              "kawa, caf\xE9, &#224; la carte, &#1082;");
}

TEST(PageMarkers, SizeMarkerAndSoundBeforeTheBodyEnd) {
    struct Case {
        const char* name;
        const char* before;
        const char* after;
    } cases[] = {
        {"new", "<BODY>x</BODY>", "<BODY>x<!--SIZE:1--></BODY>"},
        {"replaced", "<BODY>x<!--SIZE:1--></BODY>", "<BODY>x<!--SIZE:1--></BODY>"},
        {"only the first goes", "<BODY><!--SIZE:0-->x<!--SIZE:2--></BODY>", "<BODY>x<!--SIZE:2--><!--SIZE:1--></BODY>"},
        {"no body end", "<P>x</P>", "<!--SIZE:1--><P>x</P>"},
        {"marker without its end", "<BODY>x<!--SIZE:", "<!--SIZE:1--><BODY>x"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceSizeMarker(c.before, "<!--SIZE:1-->"), c.after) << c.name;
    // Twice the same choice: one marker.
    EXPECT_EQ(PlaceSizeMarker(PlaceSizeMarker("<BODY></BODY>", "<!--SIZE:1-->"), "<!--SIZE:1-->"),
              "<BODY><!--SIZE:1--></BODY>");

    const char* tag = "<BGSOUND SRC=\"a.mid\" LOOP=\"2\">";
    EXPECT_EQ(PlaceBackgroundSound("<BODY>x<BGSOUND SRC=\"old.wav\" LOOP=\"INFINITE\"></BODY>", tag),
              std::string("<BODY>x") + tag + "</BODY>");
    EXPECT_EQ(PlaceBackgroundSound("x", tag), std::string(tag) + "x");
    EXPECT_EQ(PlaceBackgroundSound("<BODY><BGSOUND SRC=\"a", tag), std::string(tag) + "<BODY>");

    ASSERT_NE(pageSizeAt(2), nullptr);
    EXPECT_STREQ(pageSizeAt(2)->marker, "<!--SIZE:2-->");
    EXPECT_EQ(pageSizeAt(2)->width, 1280);
    EXPECT_EQ(pageSizeAt(2)->height, 1084);
    EXPECT_EQ(pageSizeAt(0)->height, 660);
    EXPECT_EQ(pageSizeAt(3), nullptr);
    EXPECT_EQ(pageSizeAt(-1), nullptr);
}
