// The window-free rules of the picture and table dialogs: the generated
// markup, the names of scaled copies, the resize advice, the copy into the
// site's media folder and the numbers the spin edits accept.
#include <gtest/gtest.h>

#include "files/FileSystem.h"
#include "pageeditor/dialogs/PictureRules.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/dialogs/WholeNumber.h"
#include "pageeditor/dialogs/TableMarkup.h"
#include "pageeditor/dialogs/TagText.h"
#include "pageeditor/core/SiteFixture.h"

using namespace pageeditor;

namespace {

TEST(ImageTag, AttributesInOrderWithTheStyleOfThePositionBox) {
    struct Case {
        ImageTagValues v;
        std::string expected;
    };
    const Case cases[] = {
        {{true, "a.jpg", "Kot", 320, 240, "LEFT", 2},
         "<IMG  SRC=\"data/a.jpg\" ALT=\"Kot\" WIDTH=\"320\" ALIGN=\"LEFT\" HEIGHT=\"240\" BORDER=\"2\">"},
        {{false, "a.jpg", "", 10, 20, "", 0},
         "<IMG style=\"position: absolute;\" SRC=\"data/a.jpg\" ALT=\"\" WIDTH=\"10\" ALIGN=\"\" HEIGHT=\"20\" BORDER=\"0\">"},
        // An address goes whole into SRC; sizes below 1 become 100.
        {{true, "http://x.pl/b.gif", "", 0, -3, "", 0},
         "<IMG  SRC=\"http://x.pl/b.gif\" ALT=\"\" WIDTH=\"100\" ALIGN=\"\" HEIGHT=\"100\" BORDER=\"0\">"},
    };
    for (const Case& c : cases) EXPECT_EQ(imageTag(c.v), c.expected);
}

TEST(PictureNames, FolderFileAndPrefixedNames) {
    struct Case {
        std::string name, folder, file, small;
    };
    const Case cases[] = {
        {"C:\\zdjecia\\a.jpg", "C:\\zdjecia\\", "a.jpg", "C:\\zdjecia\\s_a.jpg"},
        {"/home/ala/a.jpg", "\\home\\ala\\", "a.jpg", "\\home\\ala\\s_a.jpg"},
        {"a.gif", "", "a.gif", "s_a.gif"},
        {"data/a.jpg", "data\\", "a.jpg", "data\\s_a.jpg"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(folderOfName(c.name), c.folder) << c.name;
        EXPECT_EQ(bareFileName(c.name), c.file) << c.name;
        EXPECT_EQ(prefixedName(c.name, "s_"), c.small) << c.name;
    }
}

TEST(PictureNames, ResizeAdvisedForWideJpegAndBmpOnly) {
    struct Case {
        long width;
        std::string name;
        bool advised;
    };
    const Case cases[] = {
        {800, "a.jpg", true},  {640, "a.jpg", false}, {641, "A.JPEG", true}, {2000, "a.bmp", true},
        {800, "a.gif", false}, {800, "a.png", false},
    };
    for (const Case& c : cases) EXPECT_EQ(resizeAdvised(c.width, c.name), c.advised) << c.width << " " << c.name;
}

TEST(NumberFields, WholeNumbersOnly) {
    struct Case {
        std::string text;
        bool ok;
        long value;
    };
    const Case cases[] = {
        {"0", true, 0},      {"640", true, 640}, {" 12 ", true, 12},   {"-5", true, -5},
        {"+7", true, 7},     {"", false, 0},     {"abc", false, 0},    {"12px", false, 0},
        {"1.5", false, 0},   {"-", false, 0},    {"1234567890", false, 0}, {"999999999", true, 999999999},
    };
    for (const Case& c : cases) {
        long v = 0;
        EXPECT_EQ(parseWholeNumber(c.text, v), c.ok) << "[" << c.text << "]";
        if (c.ok) EXPECT_EQ(v, c.value) << c.text;
    }
}

TEST(TableMarkupText, BodyAndTag) {
    EXPECT_EQ(tableBody(3, 2), "<tr><td valign=top>&nbsp;</td><td valign=top>&nbsp;</td></tr>"
                               "<tr><td valign=top>&nbsp;</td><td valign=top>&nbsp;</td></tr>"
                               "<tr><td valign=top>&nbsp;</td><td valign=top>&nbsp;</td></tr>");
    EXPECT_EQ(tableBody(0, 5), "");
    EXPECT_EQ(tableBody(2, 0), "<tr></tr><tr></tr>");
    TableValues v{3, 2, 1, 4, 5, ""};
    EXPECT_EQ(tableTag("", v, "B"),
              "<table  rows=\"3\" bgcolor=\"\" cols=\"2\" border=\"1\" cellspacing=\"4\" cellpadding=\"5\">B</table>");
    v.bgcolor = "#FF0000";
    EXPECT_EQ(tableTag("style=\"position: absolute;\"", v, ""),
              "<table style=\"position: absolute;\" rows=\"3\" bgcolor=\"#FF0000\" cols=\"2\" border=\"1\" "
              "cellspacing=\"4\" cellpadding=\"5\"></table>");
}

// A table written elsewhere gives no rows or cols attribute: its rows and
// cells are counted, those of a table in one of its cells are not its own.
TEST(TableMarkupText, RowsAndColumnsCountedFromTheCells) {
    struct Case {
        const char* name;
        const char* inner;
        long rows, cols;
    } cases[] = {
        {"a navigation header", "<TBODY><TR><TH colspan=\"3\" align=\"center\">Kapitel 3</TH></TR><TR><TD width=\"20%\">"
                                "<A href=\"a.html\">Zur\xFC" "ck</A></TD><TH width=\"60%\"> </TH><TD>x</TD></TR></TBODY>", 2, 3},
        {"head, body and spans", "<THEAD><TR><TH>a</TH><TH colspan=2>b</TH></TR></THEAD><TBODY><TR><TD>1</TD><TD>2</TD>"
                                 "<TD>3</TD></TR><TR><TD colspan='2'>x</TD></TR></TBODY>", 3, 3},
        {"a table in a cell", "<TR><TD><TABLE><TR><TD>1</TD><TD>2</TD><TD>3</TD></TR><TR><TD>4</TD></TR></TABLE></TD>"
                              "<TD>b</TD></TR>", 1, 2},
        {"markup that only looks like cells", "<TR><TD title=\"<td>\">a</TD><!-- <TR><TD>x</TD> --></TR>", 1, 1},
        {"a span that is no number", "<TR><TD colspan=\"x\">a</TD><TD colspan=\"0\">b</TD></TR>", 1, 2},
        {"no rows", "", 0, 0},
    };
    for (const auto& c : cases) {
        const TableGrid g = countTableGrid(c.inner);
        EXPECT_EQ(g.rows, c.rows) << c.name;
        EXPECT_EQ(g.cols, c.cols) << c.name;
    }
}

// Border, spacing and padding as a page writes them anywhere: a bare border
// is drawn 1 wide, a value with a unit or a percent by its leading digits.
TEST(TableMarkupText, SizesReadAsTheEngineDrawsThem) {
    struct Case {
        const char* tag;
        long border, spacing, padding;
    } cases[] = {
        {"<TABLE border>", 1, 2, 1},
        {"<TABLE border=\"\" cellspacing='' cellpadding=>", 1, 2, 1},
        {"<TABLE border=1px cellspacing=\"3px\" cellpadding=\"5%\">", 1, 3, 5},
        {"<TABLE BORDER=\" 12 \" CellSpacing=\"7.5\" CELLPADDING=\"0\">", 12, 7, 0},
        {"<TABLE border=abc cellspacing=\"+4\" cellpadding=\"-2\">", 1, 2, 1},
        {"<TABLE border=\"99999999999\">", 999999999, 2, 1},
        {"<TABLE width=\"100%\" summary=\"border 5\">", 0, 2, 1},
        // A border is a whole number after blanks and a sign; spacing and
        // padding are sizes, which take blanks before them alone.
        {"<TABLE border=\"+4\" cellspacing=\" 3\" cellpadding=\"\t4px\">", 4, 3, 4},
        {"<TABLE border=\" +7px \">", 7, 2, 1},
        {"<TABLE border=\"-0\">", 0, 2, 1},
        {"<TABLE border=\"-3\" cellspacing=\"+3\">", 1, 2, 1},
        {"<TABLE border=\"+\">", 1, 2, 1},
        {"<TABLE border=\"++4\">", 1, 2, 1},
        {"<TABLE border=\"+ 4\">", 1, 2, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tableBorder(findTagAttribute(c.tag, "border")), c.border) << c.tag;
        EXPECT_EQ(tableNumber(findTagAttribute(c.tag, "cellspacing"), 2, 2), c.spacing) << c.tag;
        EXPECT_EQ(tableNumber(findTagAttribute(c.tag, "cellpadding"), 1, 1), c.padding) << c.tag;
    }
}

TEST(TableMarkupText, NewCellsKeepTheStartTag) {
    const std::string start = "<TABLE class=\"rozklad\" summary=\"Odjazdy\" width=\"80%\" style=\"margin: 0 auto\">";
    EXPECT_EQ(withTableBody(start + "<TR><TD>a</TD></TR></TABLE>", "<TR><TD>a</TD></TR>", "<tr></tr>"),
              start + "<tr></tr></TABLE>");
    // Markup that is not the table's own gives nothing to build on.
    EXPECT_EQ(withTableBody("<DIV>x</DIV>", "x", "<tr></tr>"), "");
    EXPECT_EQ(withTableBody(start + "<TR></TR></TABLE>", "<TR><TD></TD></TR>", "<tr></tr>"), "");
}

// An attribute set in a start tag written anywhere keeps its place, its
// spelling and, where the value allows, its quoting; a new one goes last.
TEST(TagText, AttributeSetInAStartTag) {
    struct Case {
        const char* tag;
        const char* value;
        const char* expected;
    } cases[] = {
        {"<EMBED src=\"a.avi\" width=3>", "b.avi", "<EMBED src=\"b.avi\" width=3>"},
        {"<EMBED SRC='a.avi'>", "it's.avi", "<EMBED SRC='it&#39;s.avi'>"},
        {"<EMBED Src=a.avi>", "b.avi", "<EMBED Src=b.avi>"},
        {"<EMBED src=a.avi>", "a b.avi", "<EMBED src=\"a b.avi\">"},
        {"<EMBED src=a.avi>", "", "<EMBED src=\"\">"},
        {"<EMBED src>", "b.avi", "<EMBED src=\"b.avi\">"},
        {"<EMBED title=\"src=x\" width=3>", "b\"<.avi", "<EMBED title=\"src=x\" width=3 src=\"b&quot;&lt;.avi\">"},
        {"<EMBED width=3 />", "b.avi", "<EMBED width=3 src=\"b.avi\" />"},
    };
    for (const auto& c : cases) EXPECT_EQ(withTagAttribute(c.tag, "src", c.value, "src"), c.expected) << c.tag;
}

TEST(TagText, ContentReplacedInsideTheElementsOwnTags) {
    const std::string start = "<MARQUEE class=n loop=infinite>";
    EXPECT_EQ(withElementContent(start + "a <B>b</B></MARQUEE>", "a <B>b</B>", "c", "marquee"), start + "c</MARQUEE>");
    EXPECT_EQ(withElementContent(start + "a</MARQUEE>", "a", "c", "TABLE"), "");
}

class MediaCopy : public pageeditor::testing::AppFolder {
protected:
    std::string media() { return appDir + "webpages\\Strona\\data\\"; }
    std::string src(const std::string& rel) { return appDir + rel; }
};

TEST_F(MediaCopy, CopiesOnceAndNeverReplacesAnotherPicture) {
    put("webpages/Strona/data/keep.txt");
    put("zdjecia/a.jpg", "picture one");
    EXPECT_EQ(copyIntoMedia(src("zdjecia\\a.jpg"), media()), "a.jpg");
    EXPECT_EQ(read("webpages/Strona/data/a.jpg"), "picture one");
    // The same picture again: the copy there is it.
    EXPECT_EQ(copyIntoMedia(src("zdjecia\\a.jpg"), media()), "a.jpg");
    // Another picture of the same name gets a name of its own; the first stays.
    put("inne/a.jpg", "picture two");
    EXPECT_EQ(copyIntoMedia(src("inne\\a.jpg"), media()), "a_1.jpg");
    EXPECT_EQ(read("webpages/Strona/data/a.jpg"), "picture one");
    EXPECT_EQ(read("webpages/Strona/data/a_1.jpg"), "picture two");
    // The picture already in the media folder is not copied onto itself.
    EXPECT_EQ(copyIntoMedia(media() + "a.jpg", media()), "a.jpg");
    EXPECT_EQ(read("webpages/Strona/data/a.jpg"), "picture one");
}

TEST_F(MediaCopy, NothingIsCopiedForAddressesMissingFilesAndBadNames) {
    put("webpages/Strona/data/keep.txt");
    struct Case {
        std::string name, result;
    };
    const Case cases[] = {
        {"http://serwer.pl/obrazki/b.gif", "b.gif"},
        {src("brak.jpg"), "brak.jpg"},
        {src("zdjecia\\.."), ".."},
    };
    for (const Case& c : cases) EXPECT_EQ(copyIntoMedia(c.name, media()), c.result) << c.name;
    std::vector<std::string> left;
    for (const auto& e : files::listFolder(files::realPath(media()), "*.*")) left.push_back(e.name);
    EXPECT_EQ(left, std::vector<std::string>{"keep.txt"});
}

}  // namespace
