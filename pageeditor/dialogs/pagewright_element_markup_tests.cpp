// The markup of the link and media dialogs and of the page body's background,
// and files brought into a site.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "pageeditor/dialogs/LinkMarkup.h"
#include "pageeditor/dialogs/MediaMarkup.h"
#include "pageeditor/dialogs/Tbody.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "pageeditor/core/SiteFixture.h"

using namespace pageeditor;

TEST(LinkMarkup, DownloadNoteFollowsTheLastKindFoundInTheAddress) {
    struct Case {
        const char* address;
        const char* page;  // "" for no note
    } cases[] = {
        {"plik.zip", "http://www.7-zip.org/download.html"},
        {"plik.rar.zip", "http://www.7-zip.org/download.html"},  // rar is tested before zip
        {"plik.zip.rar", "http://www.7-zip.org/download.html"},  // the order of testing counts, not of the text
        {"dok.pdf", "http://get.adobe.com/reader/"},
        {"a.mp3", "http://www.videolan.org/vlc/"},
        {"list.doc", "http://www.libreoffice.org/download/"},
        {"rys.cdr", "http://inkscape.org/release/"},
        {"PLIK.ZIP", ""},  // exact case only
        {"strona.html", ""},
    };
    for (const auto& c : cases) {
        std::string note = downloadNote(c.address, "pobierz");
        if (*c.page == 0) {
            EXPECT_EQ(note, "") << c.address;
            EXPECT_FALSE(offersDownloadNote(c.address)) << c.address;
        } else {
            EXPECT_EQ(note, std::string("<br><a href=") + c.page + ">pobierz</a>") << c.address;
            EXPECT_TRUE(offersDownloadNote(c.address)) << c.address;
        }
    }
}

TEST(LinkMarkup, AnchorKeepsTypedQuotesAndBracketsInsideItsAttributes) {
    EXPECT_EQ(linkAnchor("a.html", "Opis", "_blank", "tekst", ""),
              "<a href=\"a.html\" title=\"Opis\" target=\"_blank\">tekst</a>");
    EXPECT_EQ(linkAnchor("a\".html", "Say \"hi\" <b>", "", "<b>x</b>", "<br>n"),
              "<a href=\"a&quot;.html\" title=\"Say &quot;hi&quot; &lt;b&gt;\" target=\"\"><b>x</b></a><br>n");
}

// The page body's style background: what the dialog writes reads back as
// the same picture and colour, whatever the picture's name holds.
TEST(BodyBackground, PictureAndColourComeBackAsWritten) {
    const char* pictures[] = {"data\\t\xB3o (1).jpg", "data\\a\"b.jpg", "data\\'a.jpg", "data\\b'.jpg",
                              "data\\sky.jpg", "http://h/x(1).gif", ""};
    for (const char* colour : {"#FF0000", ""}) {
        for (const char* picture : pictures) {
            const std::string style = Tbody::styleBackgroundOf(colour, picture);
            const Tbody::StyleBackground back = Tbody::splitStyleBackground(style);
            EXPECT_EQ(back.picture, picture) << style;
            EXPECT_EQ(back.colour, colour) << style;
        }
    }
    EXPECT_EQ(Tbody::styleBackgroundOf("#FF0000", "data\\t\xB3o (1).jpg"), "#FF0000 url(\"data/t\xB3o (1).jpg\")");
    EXPECT_EQ(Tbody::styleBackgroundOf("", "data\\a\"b.jpg"), "url(\"data/a\\\"b.jpg\")");
}

TEST(BodyBackground, StylesWrittenElsewhereAreRead) {
    struct Case {
        const char* style;
        const char* picture;
        const char* colour;
    } cases[] = {
        {"url(data\\sky.jpg)", "data\\sky.jpg", ""},  // an older page's backslashes stay
        {"#fff url( 'images/a b.png' ) no-repeat", "images\\a b.png", "#fff  no-repeat"},
        {"URL(images/t.png) #abcdef", "images\\t.png", "#abcdef"},
        {"url(\"data/a\\\")b.jpg\") #000000", "data\\a\")b.jpg", "#000000"},
        {"#123456", "", "#123456"},
        {"url(\"data/niedoko", "data\\niedoko", ""},
    };
    for (const auto& c : cases) {
        const Tbody::StyleBackground b = Tbody::splitStyleBackground(c.style);
        EXPECT_EQ(b.picture, c.picture) << c.style;
        EXPECT_EQ(b.colour, c.colour) << c.style;
    }
}

TEST(MediaMarkup, FlashCarriesTheStyleTwiceAndTheQualityQuoted) {
    const std::string tag = flashTag("", "data\\m.swf", "auto high");
    EXPECT_EQ(tag.rfind(" <OBJECT  classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" codebase=\"http://", 0), 0u)
        << tag;
    EXPECT_NE(tag.find("/pub/shockwave/cabs/flash/swflash.cab#version=6,0,0,0\" ALIGN=\"\"> <PARAM NAME=movie "
                       "VALUE=\"data\\m.swf\"> <PARAM NAME=quality VALUE=\"auto high\"> <PARAM NAME=bgcolor "
                       "VALUE=#FFFFFF> <EMBED  src=\"data\\m.swf\" quality=\"auto high\" bgcolor=#FFFFFF NAME=\"\" "
                       "ALIGN=\"\" TYPE=\"application/x-shockwave-flash\" PLUGINSPAGE=\"http://"),
              std::string::npos)
        << tag;
    EXPECT_NE(tag.find("/go/getflashplayer\"></EMBED></OBJECT>"), std::string::npos);
    const std::string s = "style=\"position: absolute; left: 5px; \"";
    const std::string placed = flashTag(s, "x.swf", "high");
    EXPECT_NE(placed.find("<OBJECT " + s + " classid"), std::string::npos);
    EXPECT_NE(placed.find("<EMBED " + s + " src=\"x.swf\""), std::string::npos);
}

TEST(MediaMarkup, MarqueeAttributes) {
    MarqueeValues v;
    v.text = "<b>Hej</b>";
    EXPECT_EQ(marqueeTag("", v), "<MARQUEE  BGCOLOR=\"\" SCROLLAMOUNT=\"1\" SCROLLDELAY=\"1\" LOOP=\"1\"><b>Hej</b></MARQUEE>");
    v.align = "TOP";
    v.direction = "RIGHT";
    v.behavior = "ALTERNATE";
    v.bgcolor = "#FF0000";
    v.scrollAmount = 6;
    v.scrollDelay = 0;
    v.loop = 3;
    v.endless = true;
    EXPECT_EQ(marqueeTag("style=\"position: absolute;\"", v),
              "<MARQUEE style=\"position: absolute;\" ALIGN=\"TOP\" DIRECTION=\"RIGHT\" BEHAVIOR=\"ALTERNATE\" "
              "BGCOLOR=\"#FF0000\" SCROLLAMOUNT=\"6\" LOOP=\"INFINITE\"><b>Hej</b></MARQUEE>");
    // A behaviour typed in another case or spelling adds nothing; a typed
    // quote stays inside ALIGN.
    v.behavior = "scroll";
    v.align = "x\"y";
    EXPECT_EQ(marqueeTag("", v).find("BEHAVIOR"), std::string::npos);
    EXPECT_NE(marqueeTag("", v).find(" ALIGN=\"x&quot;y\""), std::string::npos);
}

TEST(MediaMarkup, VideoFrameAndSoundTags) {
    struct Case {
        std::string got, want;
    } cases[] = {
        {movieTag("", "film.avi"), "<EMBED  SRC=\"film.avi\" AUTOSTART=\"TRUE\">"},
        {movieTag("style=\"top: 1px; \"", ""), "<EMBED style=\"top: 1px; \" AUTOSTART=\"TRUE\">"},
        {iframeTag("", {}), "<IFRAME  ALIGN=\"\">"},
        {iframeTag("", {"menu", "m.html", "LEFT", true}),
         "<IFRAME  NAME=\"menu\" SRC='m.html' FRAMEBORDER=\"1\" ALIGN=\"LEFT\">"},
        {iframeTag("", {"a\"b", "it's.html", "", false}), "<IFRAME  NAME=\"a&quot;b\" SRC='it&#39;s.html' ALIGN=\"\">"},
        {soundTag("a.mid", true, 5), "<BGSOUND SRC=\"a.mid\" LOOP=\"INFINITE\">"},
        {soundTag("a.mid", false, 2), "<BGSOUND SRC=\"a.mid\" LOOP=\"2\">"},
        {soundTag("", true, 0), "<BGSOUND LOOP=\"INFINITE\">"},
        {soundTag("http://h/s.mid", false, 0), "<BGSOUND SRC=\"http://h/s.mid\" LOOP=\"0\">"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

// What OK sets on an edited marquee: the attribute of each changed value
// alone, spelt as a new tag spells it.
TEST(MediaMarkup, MarqueeChangesNameOnlyTheChangedValues) {
    MarqueeValues shown;
    shown.behavior = "SLIDE";
    shown.endless = true;
    shown.loop = 4;
    struct Case {
        const char* what;
        std::function<void(MarqueeValues&)> change;
        AttributeChanges expected;
    } cases[] = {
        {"nothing", [](MarqueeValues&) {}, {}},
        {"the text alone, which is content", [](MarqueeValues& v) { v.text = "x"; }, {}},
        {"direction", [](MarqueeValues& v) { v.direction = "right"; }, {{"DIRECTION", "right"}}},
        {"behaviour in another case", [](MarqueeValues& v) { v.behavior = "alternate"; }, {{"BEHAVIOR", "ALTERNATE"}}},
        {"behaviour no engine knows", [](MarqueeValues& v) { v.behavior = "fast"; }, {{"BEHAVIOR", ""}}},
        {"a colour", [](MarqueeValues& v) { v.bgcolor = "#FF0000"; }, {{"BGCOLOR", "#FF0000"}}},
        {"a count", [](MarqueeValues& v) { v.endless = false; }, {{"LOOP", "4"}}},
        {"the count of an endless loop", [](MarqueeValues& v) { v.loop = 9; }, {}},
        {"speed and delay", [](MarqueeValues& v) { v.scrollAmount = 6, v.scrollDelay = 85; },
         {{"SCROLLAMOUNT", "6"}, {"SCROLLDELAY", "85"}}},
    };
    for (const auto& c : cases) {
        MarqueeValues now = shown;
        c.change(now);
        EXPECT_EQ(marqueeChanges(shown, now), c.expected) << c.what;
    }
    MarqueeValues counted = shown;
    counted.endless = false;
    MarqueeValues endless = counted;
    endless.endless = true;
    EXPECT_EQ(marqueeChanges(counted, endless), (AttributeChanges{{"LOOP", "INFINITE"}}));
}

TEST(MediaMarkup, MarqueeLoopAsTheEnginePlaysIt) {
    struct Case {
        const char* loop;
        std::optional<long> count;  // none: for ever
    } cases[] = {
        {"", std::nullopt},  {"infinite", std::nullopt}, {"INFINITE", std::nullopt}, {"-1", std::nullopt},
        {"0", std::nullopt}, {"abc", std::nullopt},      {"3", 3},                   {" 2", 2},
        {"5x", 5},
    };
    for (const auto& c : cases) EXPECT_EQ(marqueeLoopCount(c.loop), c.count) << "[" << c.loop << "]";
}

TEST(MediaMarkup, InlineFrameChangesNameOnlyTheChangedValues) {
    const IframeValues shown{"mapa", "strony/mapa.html", "left", true};
    IframeValues now = shown;
    EXPECT_EQ(iframeChanges(shown, now), AttributeChanges{});
    now.border = false;
    now.name = "plan";
    EXPECT_EQ(iframeChanges(shown, now), (AttributeChanges{{"NAME", "plan"}, {"FRAMEBORDER", "0"}}));
}

// A Flash movie written elsewhere names its movie and quality in several
// places; each is set, and nothing else of the markup changes.
TEST(MediaMarkup, FlashMovieAndQualitySetWhereTheObjectNamesThem) {
    const std::string classic =
        "<OBJECT class=\"a\" classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" width=400><PARAM name=\"Movie\" "
        "value=\"m/a.swf\"><PARAM NAME=quality VALUE=autohigh><EMBED src='m/a.swf' quality=autohigh width=400>"
        "</OBJECT>";
    const std::string satay = "<OBJECT type=\"application/x-shockwave-flash\" data=\"m/a.swf\"><!-- <param name=movie> -->"
                              "</OBJECT>";
    struct Case {
        const char* what;
        std::string object;
        std::optional<std::string> file, quality;
        std::string expected;
    } cases[] = {
        {"nothing", classic, std::nullopt, std::nullopt, classic},
        {"the movie", classic, "data\\b.swf", std::nullopt,
         "<OBJECT class=\"a\" classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" width=400><PARAM name=\"Movie\" "
         "value=\"data\\b.swf\"><PARAM NAME=quality VALUE=autohigh><EMBED src='data\\b.swf' quality=autohigh width=400>"
         "</OBJECT>"},
        {"the quality, with a blank the unquoted value cannot hold", classic, std::nullopt, "auto low",
         "<OBJECT class=\"a\" classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" width=400><PARAM name=\"Movie\" "
         "value=\"m/a.swf\"><PARAM NAME=quality VALUE=\"auto low\"><EMBED src='m/a.swf' quality=\"auto low\" width=400>"
         "</OBJECT>"},
        {"an object with its movie as data and no PARAMs", satay, "it's.swf", "low",
         "<OBJECT type=\"application/x-shockwave-flash\" data=\"it's.swf\"><PARAM NAME=movie VALUE=\"it's.swf\">"
         "<PARAM NAME=quality VALUE=\"low\"><!-- <param name=movie> --></OBJECT>"},
    };
    for (const auto& c : cases) EXPECT_EQ(flashWithChanges(c.object, c.file, c.quality), c.expected) << c.what;
}

class SiteCopy : public pageeditor::testing::AppFolder {};

TEST_F(SiteCopy, ACopyNeverReplacesAFileAndNeverLeavesTheFolder) {
    put("webpages/s/data/keep.swf", "old");
    put("elsewhere/keep.swf", "new");
    put("elsewhere/m.swf", "movie");
    const std::string media = siteMediaFolder(appDir, "s");
    EXPECT_EQ(media, appDir + "webpages\\s\\data\\");
    EXPECT_TRUE(copyIntoFolder(appDir + "elsewhere\\m.swf", media));
    EXPECT_EQ(read("webpages/s/data/m.swf"), "movie");
    EXPECT_FALSE(copyIntoFolder(appDir + "elsewhere\\keep.swf", media));
    EXPECT_EQ(read("webpages/s/data/keep.swf"), "old");
    // Slashes count as separators too; "..", an address, a missing file and
    // no open site copy nothing.
    EXPECT_FALSE(copyIntoFolder(appDir + "elsewhere/m.swf", media));  // already there
    EXPECT_FALSE(copyIntoFolder(appDir + "elsewhere\\..", media));
    EXPECT_FALSE(copyIntoFolder("http://host/m.swf", media));
    EXPECT_FALSE(copyIntoFolder(appDir + "elsewhere\\none.swf", media));
    EXPECT_FALSE(copyIntoFolder(appDir + "elsewhere\\m.swf", siteMediaFolder(appDir, "")));
    EXPECT_FALSE(std::filesystem::exists(dir / "webpages" / "m.swf"));
    EXPECT_EQ(bareFileName("C:\\pics\\sky.jpg"), "sky.jpg");
    EXPECT_EQ(bareFileName("a/b\\c.mid"), "c.mid");
}
