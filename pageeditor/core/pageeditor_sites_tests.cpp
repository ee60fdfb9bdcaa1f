#include "files/FileSystem.h"
#include "pageeditor/core/SiteFixture.h"
#include "files/testing/FullDisk.h"
#include "pageeditor/core/SiteLists.h"
#include "text/CodePage.h"

using namespace pageeditor;
using namespace pageeditor::testing;
using namespace text::literals;

namespace {

ProjectSettings settings(std::string name) {
    return {"Jan Kowalski", std::move(name), "jan@example.pl", "ftp.example.pl", "jan", "tajne", "/www"};
}

const std::string kDuplicate = "Nie można utworzyć strony o takiej nazwie, ponieważ już ona występuje."_w;
const std::string kLongName = "Nazwa strony jest zbyt długa. Podaj nazwę krótszą niż 100 znaków."_w;
const std::string kNotMade = "Nie można utworzyć folderu strony. Sprawdź, czy folder programu jest dostępny do zapisu i "
                             "czy na dysku jest dość miejsca."_w;
const std::string kBadName = "Nie podałeś nazwy strony, lub zawiera ona nieprawidłowe znaki (\" , | * ?)"_w;

class SitesTest : public AppFolder {};

}  // namespace

TEST(Icons, ByExactExtensionElseTheCallersMode) {
    struct Case {
        const char* name;
        int page, media, library;
    } cases[] = {
        {"Applet.class", 5, 5, 5}, {"film.swf", 4, 4, 4}, {"a.mpeg", 4, 4, 4},   {"a.mov", 4, 4, 4},
        {"cv.doc", 6, 6, 6},       {"a.txt", 6, 6, 6},    {"a.xcl", 6, 6, 6},    {"pack.zip", 3, 3, 3},
        {"a.ace", 3, 3, 3},        {"song.mp3", 7, 7, 7}, {"a.mid", 7, 7, 7},    {"foto.jpg", 1, 1, 1},
        {"a.bmp", 1, 1, 1},        {"FOTO.JPG", 0, 1, 2}, {"index.html", 0, 1, 2}, {"README", 0, 1, 2},
        {"a.jpeg", 0, 1, 2},       {"a.png", 0, 1, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(icon_for(c.name, PageMode), c.page) << c.name;
        EXPECT_EQ(icon_for(c.name, MediaMode), c.media) << c.name;
        EXPECT_EQ(icon_for(c.name, LibraryFolderMode), c.library) << c.name;
    }
}

TEST_F(SitesTest, ListFillersFilterProjectFilesAndPreviews) {
    for (const char* n : {"index.html", "project.prj", "menu.ht", "menu.ht.bmp", "film.swf.bmp", "Applet.CLASS.BMP",
                          "Applet.class", "b.prj.bak", "z.txt"})
        put(fs::path("lib") / n);
    fs::create_directories(dir / "lib" / "sub");
    fs::create_directories(dir / "lib" / "Another");
    fs::create_directories(dir / "lib" / ".hidden");
    fs::create_directories(dir / "lib" / "locked");
    files::setReadOnly(dir / "lib" / "locked", true);
    // Names that are no platform names never reach a list (joined to the
    // folder they would name other files).
    put(fs::path("lib") / "..\\..\\SECRET.html");
    fs::create_directories(dir / "lib" / "a\\..\\..");
    put(fs::path("lib") / u8"\u65e5.html");
    put(fs::path("lib") / ".htaccess");
    // Links, to files and folders inside and outside, are no items.
    put("outside.html");
    fs::create_symlink(dir / "outside.html", dir / "lib" / "link.html");
    fs::create_symlink(dir / "lib" / "index.html", dir / "lib" / "inner.html");
    fs::create_symlink(dir, dir / "lib" / "linkdir");
    fs::create_symlink(dir / "lib" / "sub", dir / "lib" / "innerdir");
    fs::create_symlink(dir / "gone.html", dir / "lib" / "dangling.html");
    ItemList list{{"old", 9}};
    folder_list(list, appDir + "lib\\*.*", PageMode);
    // Plain folders are left out; read-only ones are not plain. A leading dot
    // hides nothing.
    EXPECT_EQ(captions(list), (std::vector<std::string>{".htaccess", "Applet.class", "index.html", "locked", "menu.ht",
                                                         "z.txt"}));
    EXPECT_EQ(list[1].image, 5);
    folders_list(list, appDir + "lib\\*.*", LibraryFolderMode);
    EXPECT_EQ(captions(list), (std::vector<std::string>{".hidden", "Another", "sub"}));
    EXPECT_EQ(list[0].image, 2);
    folders_list(list, appDir + "missing\\*.*", PageMode);
    EXPECT_TRUE(list.empty());
}

TEST_F(SitesTest, NewSiteMakesFoldersAndProjectFileInKeyOrder) {
    ASSERT_FALSE(fs::exists(dir / "webpages"));  // first use
    ASSERT_TRUE(sites.acceptSiteDialog(settings("moja strona"), true));
    ASSERT_TRUE(sites.createSite(settings("moja strona")));
    EXPECT_TRUE(fs::is_directory(dir / "webpages/moja strona/data"));
    EXPECT_EQ(read("webpages/moja strona/project.prj"),
              "[project]\r\nauthor=Jan Kowalski\r\nname=moja strona\r\nemail=jan@example.pl\r\nhost=ftp.example.pl\r\n"
              "user=jan\r\npass=tajne\r\ndir=/www\r\n");
    struct stat st {};
    ASSERT_EQ(::stat((dir / "webpages/moja strona/project.prj").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // The new site is open and, having no page, asks for its first one.
    EXPECT_EQ(sites.siteName(), "moja strona");
    EXPECT_EQ(enabled, std::vector<int>{1});
    EXPECT_EQ(newPageRuns, 1);
    EXPECT_EQ(sites.GetPageVal("moja strona", "pass"), "tajne");
    EXPECT_EQ(sites.GetPageVal("moja strona", "missing"), "");
    EXPECT_EQ(sites.GetPageVal("none", "host"), "");
    EXPECT_TRUE(answers.asked("message").empty());
}

TEST_F(SitesTest, SiteNameChecks) {
    fs::create_directories(dir / "webpages" / "istnieje");
    struct Case {
        std::string name;
        bool editable;
        std::string message;  // empty: accepted
    } cases[] = {
        {"nowa", true, ""},
        {"z odstępem"_w, true, ""},
        {"istnieje", true, kDuplicate},
        {"IstniejE", true, kDuplicate},  // the platform's names ignore case
        {"istnieje", false, ""},  // settings of the open site: no duplicate check
        {std::string(99, 'x'), true, ""},
        {std::string(300, 'x'), true, kLongName},
        {std::string(300, 'x'), false, ""},  // an existing site's name is not checked again
        {"", true, kBadName},
        {"", false, kBadName},
        {"a\"b", true, kBadName},
        {"a\\b", true, kBadName},
        {"a/b", true, kBadName},
        {"a,b", true, kBadName},
        {"a'b", true, kBadName},
        {"a*b", true, kBadName},
        {"a?b", true, kBadName},
        {"a|b", true, kBadName},
        {"a:b", true, kBadName},  // the platform refuses it: refused here, not at creation
        {"a<b", true, kBadName},
        {"..", true, kBadName},
        {"a..b", true, kBadName},
        {"tab\there", true, kBadName},
    };
    for (const auto& c : cases) {
        answers.clear();
        EXPECT_EQ(sites.acceptSiteDialog(settings(c.name), c.editable), c.message.empty()) << c.name;
        auto texts = messageTexts();
        if (c.message.empty()) {
            EXPECT_TRUE(texts.empty()) << c.name;
        } else {
            ASSERT_EQ(texts.size(), 1u) << c.name;
            EXPECT_EQ(texts[0], c.message) << c.name;
            auto m = answers.asked("message")[0];
            EXPECT_EQ(m.flags, c.message == kDuplicate ? 64 : 48);
            EXPECT_EQ(m.title, c.message == kDuplicate ? "Informacja:" : "Błąd"_w);
        }
    }
    // createSite refuses the same names and writes nothing outside webpages\.
    for (const char* bad : {"..", "a/b", "a:b", "..\\..\\x"}) {
        answers.clear();
        EXPECT_FALSE(sites.createSite(settings(bad))) << bad;
    }
    EXPECT_FALSE(fs::exists(dir / "webpages" / "a"));
    EXPECT_FALSE(fs::exists(dir / "x"));
    EXPECT_FALSE(fs::exists(dir / "webpages" / "project.prj"));
    EXPECT_FALSE(fs::exists(dir / "project.prj"));
}

TEST_F(SitesTest, DuplicateAtCreationKeepsTheExistingSite) {
    put("webpages/stara/project.prj", "[project]\r\nname=stara\r\n");
    EXPECT_FALSE(sites.createSite(settings("stara")));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kDuplicate});
    EXPECT_EQ(read("webpages/stara/project.prj"), "[project]\r\nname=stara\r\n");
    EXPECT_TRUE(sites.siteName().empty());
}

TEST_F(SitesTest, OpeningFillsPagesAndMedia) {
    put("webpages/s/index.html");
    put("webpages/s/project.prj");
    put("webpages/s/data/FOTO.JPG");
    put("webpages/s/data/logo.gif");
    put("webpages/s/data/clip.ht.bmp");
    ASSERT_TRUE(sites.page_open("s"));
    EXPECT_EQ(captions(sites.pages()), std::vector<std::string>{"index.html"});
    EXPECT_EQ(captions(sites.media()), (std::vector<std::string>{"FOTO.JPG", "logo.gif"}));
    EXPECT_EQ(sites.media()[0].image, 1);
    EXPECT_EQ(newPageRuns, 0);
    EXPECT_FALSE(sites.page_open("missing"));
    EXPECT_FALSE(sites.page_open(".."));
    EXPECT_EQ(sites.siteName(), "s");
    EXPECT_EQ(captions(sites.siteList()), std::vector<std::string>{"s"});
}

// A data folder that is a link leads out of the site: the media list shows
// none of what it leads to (to a folder outside or inside the site), and
// says nothing of it.
TEST_F(SitesTest, ADataFolderThatIsALinkGivesAnEmptyMediaList) {
    put("outside/secret.jpg");
    put("webpages/s/index.html");
    put("webpages/s/obrazy/pic.jpg");
    for (const char* target : {"outside", "webpages/s/obrazy"}) {
        SCOPED_TRACE(target);
        fs::remove(dir / "webpages/s/data");
        fs::create_directory_symlink(dir / target, dir / "webpages/s/data");
        ASSERT_TRUE(sites.page_open("s"));
        EXPECT_EQ(captions(sites.pages()), std::vector<std::string>{"index.html"});
        EXPECT_TRUE(sites.media().empty());
        EXPECT_TRUE(answers.asked("message").empty());
    }
}

TEST_F(SitesTest, PageAndMediaCommands) {
    put("webpages/s/index.html");
    put("webpages/s/notes.txt");
    put("webpages/s/data/a.jpg");
    put("webpages/s/data/b.png");
    put("webpages/s/data/FOTO.JPG");
    put("webpages/s/data/m.swf");
    put("webpages/s/data/doc.pdf");
    ASSERT_TRUE(sites.page_open("s"));
    sites.editPage("index.html");
    EXPECT_EQ(opened, std::vector<std::string>{appDir + "webpages\\s\\index.html"});
    sites.editPage("notes.txt");  // not a page: the default program
    ASSERT_EQ(answers.asked("shell").size(), 1u);
    EXPECT_EQ(answers.asked("shell")[0].title, "open");
    EXPECT_EQ(answers.asked("shell")[0].text, (dir / "webpages/s/notes.txt").string());
    EXPECT_EQ(sites.pageLinkPath("index.html"), appDir + "webpages\\s\\index.html");
    EXPECT_EQ(sites.mediaLinkPath("a.jpg"), "data\\a.jpg");
    EXPECT_EQ(sites.mediaPath("a.jpg"), appDir + "webpages\\s\\data\\a.jpg");

    struct Case {
        const char* name;
        Sites::Insert kind;
    } kinds[] = {{"a.jpg", Sites::Insert::Image}, {"b.png", Sites::Insert::Image}, {"FOTO.JPG", Sites::Insert::None},
                 {"m.swf", Sites::Insert::Flash}, {"doc.pdf", Sites::Insert::None}, {"", Sites::Insert::None}};
    for (const auto& k : kinds) EXPECT_EQ(sites.mediaInsertKind(k.name), k.kind) << k.name;

    answers.answerMessage(7);
    EXPECT_FALSE(sites.deleteMedia("a.jpg"));
    EXPECT_TRUE(fs::exists(dir / "webpages/s/data/a.jpg"));
    answers.answerMessage(6);
    EXPECT_TRUE(sites.deleteMedia("a.jpg"));
    EXPECT_EQ(captions(sites.media()), (std::vector<std::string>{"b.png", "doc.pdf", "FOTO.JPG", "m.swf"}));
    answers.answerMessage(6);
    EXPECT_TRUE(sites.deletePage("notes.txt"));
    EXPECT_EQ(captions(sites.pages()), std::vector<std::string>{"index.html"});
    auto q = answers.asked("message").back();
    EXPECT_EQ(q.text, "Czy chcesz usunąć trwale ten plik? Ta operacja nie jest odwracalna."_w);
    EXPECT_EQ(q.flags, 36);
    // A read-only page is not deleted and stays listed.
    files::setReadOnly(dir / "webpages/s/index.html", true);
    answers.answerMessage(6);
    EXPECT_FALSE(sites.deletePage("index.html"));
    EXPECT_EQ(captions(sites.pages()), std::vector<std::string>{"index.html"});
    // Names that leave the site are never acted on.
    answers.clear();
    EXPECT_FALSE(sites.deletePage("..\\project.prj"));
    EXPECT_TRUE(answers.asked().empty());
}

// New sites that cannot be made, or that are made with names the file
// system treats specially: a message for each, nothing half made, and what
// is made can be listed, opened and deleted.
TEST_F(SitesTest, NewSitesTheFileSystemMakesHard) {
    // "Moja" is there: "moja" is the same site.
    ASSERT_TRUE(sites.createSite(settings("Moja")));
    answers.clear();
    EXPECT_FALSE(sites.createSite(settings("moja")));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kDuplicate});
    EXPECT_FALSE(fs::exists(dir / "webpages/moja"));

    // A name longer than a folder name may be.
    answers.clear();
    EXPECT_FALSE(sites.createSite(settings(std::string(300, 's'))));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kLongName});

    // A leading dot hides nothing: the site is listed, opened and deleted.
    answers.clear();
    ASSERT_TRUE(sites.createSite(settings(".ukryta")));
    EXPECT_EQ(captions(sites.siteList()), (std::vector<std::string>{".ukryta", "Moja"}));
    EXPECT_EQ(sites.siteName(), ".ukryta");
    answers.answerMessage(6);
    EXPECT_TRUE(sites.deleteSite(".ukryta"));
    EXPECT_EQ(captions(sites.siteList()), std::vector<std::string>{"Moja"});

    // The sites' folder cannot take a new one (here a file stands in its way).
    fs::remove_all(dir / "webpages");
    put("webpages", "not a folder");
    answers.clear();
    EXPECT_FALSE(sites.createSite(settings("nowa")));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kNotMade});
    EXPECT_EQ(answers.asked("message")[0].flags, 48);
    EXPECT_EQ(read("webpages"), "not a folder");
}

TEST_F(SitesTest, SettingsEditorReadsAndWritesTheOpenSite) {
    put("webpages/s/project.prj", "[project]\r\nname=s\r\nhost=stary.pl\r\nextra=zostaje\r\n");
    ASSERT_TRUE(sites.page_open("s"));
    ProjectSettings f = sites.readSettings();
    EXPECT_EQ(f.name, "s");
    EXPECT_EQ(f.host, "stary.pl");
    EXPECT_EQ(f.author, "");  // missing keys read as empty
    EXPECT_TRUE(sites.acceptSiteDialog(f, false));
    f.author = "Anna";
    f.pass = "nowe\r\nhost=evil";
    ASSERT_TRUE(sites.saveSettings(f));
    EXPECT_EQ(read("webpages/s/project.prj"),
              "[project]\r\nname=s\r\nhost=stary.pl\r\nextra=zostaje\r\nauthor=Anna\r\nemail=\r\nuser=\r\npass=nowe  "
              "host=evil\r\ndir=\r\n");
    struct stat st {};
    ::stat((dir / "webpages/s/project.prj").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // A project file without a name: the settings can only be cancelled.
    put("webpages/t/project.prj", "[project]\r\nhost=h\r\n");
    put("webpages/t/index.html");
    ASSERT_TRUE(sites.page_open("t"));
    EXPECT_FALSE(sites.acceptSiteDialog(sites.readSettings(), false));
}

TEST_F(SitesTest, SettingsThatCannotBeSavedAreToldAndTheOldFileKept) {
    const std::string old = "[project]\r\nname=s\r\npass=stare\r\n";
    fs::create_directories(dir / "webpages/s");
    files::testing::FullDisk full(dir / "webpages/s", 64);
    put("webpages/s/project.prj", old);
    ASSERT_TRUE(sites.page_open("s"));
    ProjectSettings f = sites.readSettings();
    f.pass = "nowe";
    full.fill();
    answers.answerMessage(forms::mb::Ok);
    EXPECT_FALSE(sites.saveSettings(f));
    // The file as the system writes its path.
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Nie można zapisać pliku "_w +
                                                       files::shownName(dir / "webpages" / "s" / "project.prj") +
                                                       ": brak miejsca na dysku."_w});
    EXPECT_EQ(messageTexts()[0].find('\\'), std::string::npos);
    EXPECT_EQ(read("webpages/s/project.prj"), old);
    for (const auto& e : files::listFolder(dir / "webpages/s", "*", files::Include{false, true}))
        EXPECT_FALSE(files::isTemporaryName(e.name)) << e.name;
}

TEST_F(SitesTest, LeftoversOfSavesCutShortGoAtStartUp) {
    const std::string running = ".~wr" + std::to_string(::getppid());
    for (const char* left : {"trans.msg.~wr999999", "data/lang/pl/transui.lng.~wr999999",
                             "webpages/s/index.html.~wr999999", "webpages/s/project.prj.~wr",
                             "webpages/s/data/a.jpg.~wr999999", "webpages/t/index.html.~wr999999"})
        put(left);
    put("webpages/s/index.html" + running);
    put("webpages/s/index.html");
    sites.removeSaveLeftovers();
    std::vector<std::string> left;
    for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator(); ++it)
        if (it->is_regular_file()) left.push_back(fs::relative(it->path(), dir).string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"webpages/s/index.html", "webpages/s/index.html" + running}));
}

TEST_F(SitesTest, DeletingSites) {
    put("webpages/a/index.html");
    put("webpages/a/data/x.gif");
    put("webpages/b/index.html");
    // No selection: no question, nothing deleted (webpages\ itself is never a site).
    EXPECT_FALSE(sites.deleteSite(""));
    EXPECT_TRUE(answers.asked().empty());
    answers.answerMessage(7);
    EXPECT_FALSE(sites.deleteSite("a"));
    EXPECT_TRUE(fs::exists(dir / "webpages/a/index.html"));
    answers.answerMessage(6);
    EXPECT_TRUE(sites.deleteSite("a"));
    EXPECT_FALSE(fs::exists(dir / "webpages/a"));
    EXPECT_EQ(captions(sites.siteList()), std::vector<std::string>{"b"});
    EXPECT_EQ(answers.asked("message")[0].text,
              "Czy chcesz usunąć wybraną stronę i wszystkie jej pliki? (Operacja nie jest odwracalna)"_w);

    // The open site is closed first; its windows may refuse.
    ASSERT_TRUE(sites.page_open("b"));
    enabled.clear();
    allowCloseDocuments = false;
    answers.answerMessage(6);
    EXPECT_FALSE(sites.deleteSite("b"));
    EXPECT_EQ(sites.siteName(), "b");
    allowCloseDocuments = true;
    answers.answerMessage(6);
    EXPECT_TRUE(sites.deleteSite("b"));
    EXPECT_EQ(closedFolders, (std::vector<std::string>{appDir + "webpages\\a\\", appDir + "webpages\\b\\",
                                                       appDir + "webpages\\b\\"}))
        << "the windows of a site's pages close first, open site or not";
    EXPECT_TRUE(sites.siteName().empty());
    EXPECT_TRUE(sites.pages().empty());
    EXPECT_EQ(enabled, std::vector<int>{0});
}
