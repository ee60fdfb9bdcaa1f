#include <cstdlib>

#include "pageeditor/core/DocumentList.h"
#include "pageeditor/core/NewPage.h"
#include "pageeditor/core/PageDocument.h"
#include "pageeditor/core/SiteFixture.h"
#include "pageeditor/core/TextRoutines.h"
#include "text/CodePage.h"

using namespace pageeditor;
using namespace pageeditor::testing;
using namespace text::literals;

namespace {

const std::string kExists = "Nie można utworzyć dokumentu ponieważ taki plik już istnieje"_w;
const std::string kChoose = "Musisz wybrać szablon graficzny, oraz ustalić nazwę pliku."_w;
const std::string kTemplate =
    "<html><head><title>${TITLE}</title></head>\r\n<body><h1 title=\"${TITLE}\">${TITLE}</h1>${title}</body></html>\r\n";

class NewPageTest : public AppFolder {
protected:
    void SetUp() override {
        AppFolder::SetUp();
        put("data/templates/prosty/index.html", kTemplate);
        put("data/templates/prosty/thumb.bmp", "BM");
        put("data/templates/prosty/data/logo.gif", "logo");
        put("data/templates/prosty/data/img/tlo.jpg", "tlo");
        put("data/templates/pusty/thumb.bmp", "BM");  // no index.html
        put("webpages/s/project.prj", "[project]\r\nname=s\r\n");
        fs::create_directories(dir / "webpages/s/data");
        ASSERT_TRUE(sites.page_open("s"));
    }
    // The page text with the title as the page holds it.
    static std::string page(const std::string& title) {
        std::string t = iso(title);
        return "<html><head><title>" + t + "</title></head>\r\n<body><h1 title=\"" + t + "\">" + t +
               "</h1>${title}</body></html>\r\n";
    }
    NewPage pages{messages, sites};
};

}  // namespace

TEST_F(NewPageTest, FirstPageOfASiteIsIndexWithTheSiteName) {
    EXPECT_EQ(newPageRuns, 1);  // the new site had no page
    NewPage::Fields f{"stary tytuł"_w, "x", true};
    pages.prepare(f);
    EXPECT_EQ(f.title, "s");
    EXPECT_EQ(f.fileName, "index");
    EXPECT_FALSE(f.fileNameShown);
    EXPECT_EQ(captions(pages.templates()), (std::vector<std::string>{"prosty", "pusty"}));
    EXPECT_EQ(pages.thumbPath("prosty"), appDir + "data\\templates\\prosty\\thumb.bmp");
    ASSERT_TRUE(pages.accept(f, "prosty"));
    ASSERT_TRUE(pages.create(f, "prosty"));
    EXPECT_EQ(read("webpages/s/index.html"), page("s"));
    EXPECT_EQ(read("webpages/s/data/logo.gif"), "logo");
    EXPECT_EQ(read("webpages/s/data/img/tlo.jpg"), "tlo");
    EXPECT_EQ(captions(sites.pages()), std::vector<std::string>{"index.html"});
    EXPECT_EQ(opened, std::vector<std::string>{appDir + "webpages\\s\\index.html"});
    // The next page has a file name of its own; the title keeps its text.
    f.title = "Druga";
    pages.prepare(f);
    EXPECT_EQ(f.fileName, "");
    EXPECT_TRUE(f.fileNameShown);
    EXPECT_EQ(f.title, "Druga");
}

TEST_F(NewPageTest, TitleIsWrittenSafelyAndInIsoLetters) {
    struct Case {
        std::string file, title, written;
    } cases[] = {
        {"swiat", "Świat ślimaków"_w, "\xA6wiat \xB6limak\xF3w"},                  // ś as byte 0xB6
        {"litery", "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ"_w,
         "\xB1\xE6\xEA\xB3\xF1\xF3\xB6\xBC\xBF \xA1\xC6\xCA\xA3\xD1\xD3\xA6\xAC\xAF"},
        // Windows-1250 signs ISO-8859-2 lacks are written as references, not as
        // bytes the page's charset reads as control characters.
        {"znaki1250", "a – b — „c” 5 € …"_w, "a &#8211; b &#8212; &#8222;c&#8221; 5 &#8364; &#8230;"},
        {"petla", "a ${TITLE} b", "a ${TITLE} b"},                                  // no endless replacement
        {"znaki", "\"Tom\" & <Jerry>", "&quot;Tom&quot; &amp; &lt;Jerry&gt;"},      // markup stays whole
        {"pusty", "", ""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(pages.doc_new("prosty", c.file, c.title)) << c.file;
        std::string expected =
            "<html><head><title>" + c.written + "</title></head>\r\n<body><h1 title=\"" + c.written + "\">" +
            c.written + "</h1>${title}</body></html>\r\n";
        EXPECT_EQ(read("webpages/s/" + c.file + ".html"), expected) << c.file;
    }
}

// A template may be stored in UTF-8 and say so: its text is read as UTF-8,
// the page is made in it and the title written in it.
TEST_F(NewPageTest, ATemplateInUtf8GivesAPageInUtf8) {
    const std::string head[] = {
        "<meta charset=\"utf-8\">",
        "<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">",
    };
    const std::string text = "<p>Strona główna: zacznij pisać, źródło ŚĄŹ – „cudzysłów” €</p>";  // UTF-8
    for (const auto& h : head) {
        put("data/templates/utf/index.html", "\xEF\xBB\xBF<html><head>" + h + "<title>${TITLE}</title></head>\r\n<body>" +
                                                 text + "<h1>${TITLE}</h1></body></html>\r\n");
        fs::remove(dir / "webpages/s/strona.html");
        ASSERT_TRUE(pages.doc_new("utf", "strona", "Strona główna – Łódź & <ś>"_w)) << h;
        const std::string title = "Strona główna – Łódź &amp; &lt;ś&gt;";
        EXPECT_EQ(read("webpages/s/strona.html"), "\xEF\xBB\xBF<html><head>" + h + "<title>" + title +
                                                      "</title></head>\r\n<body>" + text + "<h1>" + title +
                                                      "</h1></body></html>\r\n")
            << h;
    }
}

// A byte-order mark before 8-bit text declares nothing: the page is made in
// the charset the template names (ISO-8859-2 where it names none), without
// the mark, which would make it read as UTF-8 once its text is converted,
// and with no letters made of the mark's bytes.
TEST_F(NewPageTest, AByteOrderMarkBefore8BitTextIsLeftOut) {
    struct Case {
        const char* name;
        std::string tpl, page;
    } cases[] = {
        // Windows-1250 letters (ś is 0x9C), no charset named: ISO-8859-2.
        {"letters, no charset", "\xEF\xBB\xBF<html><title>${TITLE}</title>\x9Cwiat</html>\r\n",
         "<html><title>T</title>\xB6wiat</html>\r\n"},
        // Nothing but the title outside plain ASCII would be left.
        {"only the title", "\xEF\xBB\xBF<p>\x81</p><h1>${TITLE}</h1>\r\n", "<p>&#65533;</p><h1>T</h1>\r\n"},
    };
    for (const auto& c : cases) {
        put("data/templates/znak/index.html", c.tpl);
        fs::remove(dir / "webpages/s/strona.html");
        ASSERT_TRUE(pages.doc_new("znak", "strona", "T")) << c.name;
        EXPECT_EQ(read("webpages/s/strona.html"), c.page) << c.name;
    }
}

TEST_F(NewPageTest, AFileNameTooLongForTheFileSystemIsToldAndKeepsTheDialogOpen) {
    const std::string tooLong(300, 'a');
    NewPage::Fields f{"T", tooLong, true};
    EXPECT_FALSE(pages.accept(f, "prosty"));
    ASSERT_EQ(answers.asked("message").size(), 1u);
    EXPECT_EQ(answers.asked("message")[0].text, "Nazwa pliku jest zbyt długa. Podaj nazwę krótszą niż 100 znaków."_w);
    EXPECT_EQ(answers.asked("message")[0].title, "Błąd"_w);
    EXPECT_EQ(answers.asked("message")[0].flags, 48);
    EXPECT_FALSE(pages.doc_new("prosty", tooLong, "T"));
    EXPECT_TRUE(opened.empty());
    // The longest name taken, in letters of two bytes each on the disk, is
    // made and can be copied.
    answers.clear();
    std::string longest;
    for (std::size_t i = 0; i + 1 < NewPage::kMaxFileName; ++i) longest += "\x9C";  // ś
    f.fileName = longest;
    ASSERT_TRUE(pages.accept(f, "prosty"));
    EXPECT_TRUE(answers.asked("message").empty());
    ASSERT_TRUE(pages.create(f, "prosty"));
    EXPECT_TRUE(files::isFile(files::realPath(appDir + "webpages\\s\\" + longest + ".html")));
    EXPECT_TRUE(files::writeFile(files::realPath(appDir + "webpages\\s\\Kopia " + longest + ".html"), "x"));
}

TEST_F(NewPageTest, ExistingFileNameWritesNothing) {
    put("webpages/s/o-nas.html", "moja strona");
    put("webpages/s/data/logo.gif", "moje logo");
    NewPage::Fields f{"Tytuł"_w, "o-nas", true};
    EXPECT_FALSE(pages.accept(f, "prosty"));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kExists});
    EXPECT_EQ(answers.asked("message")[0].flags, 64);
    EXPECT_FALSE(pages.create(f, "prosty"));
    EXPECT_FALSE(pages.doc_new("prosty", "o-nas", "Tytuł"_w));
    EXPECT_EQ(read("webpages/s/o-nas.html"), "moja strona");
    // The template's media never replace the site's own files.
    ASSERT_TRUE(pages.doc_new("prosty", "nowa", "Tytuł"_w));
    EXPECT_EQ(read("webpages/s/data/logo.gif"), "moje logo");
    EXPECT_TRUE(opened.size() == 1 && opened[0] == appDir + "webpages\\s\\nowa.html");
}

TEST_F(NewPageTest, NameTypedWithItsExtensionGetsNoSecondOne) {
    struct Case {
        std::string typed, file;
    } cases[] = {
        {"kontakt.html", "kontakt.html"},
        {"Oferta.HTML", "Oferta.HTML"},
        {"galeria.Html", "galeria.Html"},
        {"stara.htm", "stara.htm.html"},
        {"html", "html.html"},
    };
    for (const auto& c : cases) {
        opened.clear();
        ASSERT_TRUE(pages.doc_new("prosty", c.typed, "T")) << c.typed;
        EXPECT_TRUE(fs::exists(dir / "webpages/s" / c.file)) << c.typed;
        EXPECT_FALSE(fs::exists(dir / "webpages/s" / (c.file + ".html"))) << c.typed;
        EXPECT_EQ(opened, std::vector<std::string>{appDir + "webpages\\s\\" + c.file}) << c.typed;
    }
    // The page so named exists: the same name typed again is refused.
    EXPECT_FALSE(pages.accept({"T", "kontakt.html", true}, "prosty"));
    EXPECT_EQ(messageTexts().back(), kExists);
}

TEST_F(NewPageTest, FileNameAndTemplateChecks) {
    struct Case {
        std::string file, tpl;
    } cases[] = {
        {"", "prosty"}, {"strona", ""}, {"..\\..\\x", "prosty"}, {"a/b", "prosty"}, {"a:b", "prosty"},
        {"..", "prosty"}, {"strona", "..\\..\\webpages\\s"}, {"a?b", "prosty"},
    };
    for (const auto& c : cases) {
        answers.clear();
        EXPECT_FALSE(pages.accept({"T", c.file, true}, c.tpl)) << c.file << " " << c.tpl;
        EXPECT_EQ(messageTexts(), std::vector<std::string>{kChoose}) << c.file;
        EXPECT_FALSE(pages.doc_new(c.tpl, c.file, "T"));
    }
    EXPECT_FALSE(fs::exists(dir / "x.html"));
    EXPECT_TRUE(pages.accept({"T", "z odstępem"_w, true}, "prosty"));
}

TEST_F(NewPageTest, TemplateWithoutPageMakesNothing) {
    EXPECT_FALSE(pages.doc_new("pusty", "strona", "T"));
    EXPECT_FALSE(fs::exists(dir / "webpages/s/strona.html"));
    EXPECT_TRUE(opened.empty());
}

namespace {

// The editor frame as the document logic sees it.
struct FakeFrame : PageFrame {
    explicit FakeFrame(std::vector<std::string>* log) : log(log) {}
    bool LoadDocument(const std::string& p) override {
        log->push_back("load " + p);
        return loadOk;
    }
    bool SaveDocument(const std::string& p) override {
        log->push_back("save " + p);
        if (!saveOk) return false;
        dirty = false;  // the control counts itself saved, whatever the file
        return true;
    }
    bool changed() const override { return dirty; }
    void clearModified() override { modified = false; }
    std::vector<std::string>* log;
    bool dirty = false, modified = true, loadOk = true, saveOk = true;
};

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::setModal(&answers);
        messages.setLines({"Zapisano.", "Saved."});
        docs.setEnable2([this](int s) { enable2.push_back(s); });
    }
    void TearDown() override { forms::setModal(nullptr); }
    forms::ScriptedAnswers answers;
    MessageList messages;
    DocumentList docs{messages};
    std::vector<std::string> log;
    std::vector<int> enable2;
};

}  // namespace

TEST_F(DocumentTest, SaveAndSaveCopy) {
    FakeFrame frame(&log);
    PageDocument* d = docs.open(frame, "C:\\s\\a.html");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->caption(), "a.html");
    frame.dirty = true;
    ASSERT_TRUE(d->saveCopy());
    EXPECT_EQ(d->file_path(), "C:\\s\\a.html");
    EXPECT_EQ(d->status(), "Saved.");
    // The copy does not save the page's own file: closing still asks.
    EXPECT_TRUE(d->unsaved());
    answers.answerMessage(2);
    EXPECT_FALSE(d->closeQuery());
    ASSERT_TRUE(d->save());
    EXPECT_FALSE(d->unsaved());
    EXPECT_FALSE(frame.modified);
    EXPECT_EQ(log, (std::vector<std::string>{"load C:\\s\\a.html", "save C:\\s\\Kopia a.html", "save C:\\s\\a.html"}));
    // A copy of an unchanged page leaves it unchanged.
    ASSERT_TRUE(d->saveCopy());
    EXPECT_FALSE(d->unsaved());
}

TEST_F(DocumentTest, CloseQuestion) {
    struct Case {
        bool dirty, saveOk;
        int answer;
        bool mayClose;
        std::size_t saves, boxes;
    } cases[] = {
        {false, true, 0, true, 0, 0}, {true, true, 6, true, 1, 1}, {true, true, 7, true, 0, 1},
        {true, true, 2, false, 0, 1},
        {true, false, 6, false, 1, 2},  // a failed save is told and keeps the window
    };
    for (const auto& c : cases) {
        log.clear();
        answers.clear();
        FakeFrame frame(&log);
        PageDocument d(messages, frame, "p.html");
        frame.dirty = c.dirty;
        frame.saveOk = c.saveOk;
        if (c.answer) answers.answerMessage(c.answer);
        EXPECT_EQ(d.closeQuery(), c.mayClose) << c.answer;
        EXPECT_EQ(log.size(), c.saves);
        EXPECT_EQ(answers.asked("message").size(), c.boxes);
        if (c.boxes == 2)
            EXPECT_EQ(answers.asked("message")[1].text,
                      "Nie można zapisać pliku p.html. Dokument pozostaje niezapisany."_w);
        if (c.dirty) {
            EXPECT_EQ(answers.asked("message")[0].text, "Edytowany plik nie jest zapisany. Czy chcesz go zapisać?"_w);
            EXPECT_EQ(answers.asked("message")[0].flags, 35);
        }
    }
}

TEST_F(DocumentTest, TwoChangedWindowsAskedInTurnEachSavingItsOwnFile) {
    FakeFrame a(&log), b(&log);
    PageDocument* da = docs.open(a, "s\\a.html");
    PageDocument* db = docs.open(b, "s\\b.html");
    EXPECT_EQ(docs.active(), db);
    a.dirty = b.dirty = true;
    log.clear();
    answers.answerMessage(6);
    answers.answerMessage(6);
    EXPECT_TRUE(docs.closeQueryAll());
    EXPECT_EQ(answers.asked("message").size(), 2u);
    EXPECT_EQ(log, (std::vector<std::string>{"save s\\a.html", "save s\\b.html"}));
    docs.closed(da);
    EXPECT_EQ(enable2, (std::vector<int>{1, 1}));
    docs.closed(db);
    EXPECT_EQ(enable2, (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(docs.active(), nullptr);
    // A page that does not load opens no window.
    FakeFrame bad(&log);
    bad.loadOk = false;
    EXPECT_EQ(docs.open(bad, "x.html"), nullptr);
    EXPECT_EQ(docs.count(), 0u);
}

TEST_F(DocumentTest, OneRefusalStopsTheExitAndSiteWindowsCloseTogether) {
    FakeFrame a(&log), b(&log), c(&log);
    docs.open(a, "w\\s\\a.html");
    docs.open(b, "w\\t\\b.html");
    docs.open(c, "w\\s\\c.html");
    a.dirty = c.dirty = true;
    answers.answerMessage(2);
    EXPECT_FALSE(docs.closeQueryAll());
    EXPECT_EQ(answers.asked("message").size(), 1u);
    answers.clear();
    answers.answerMessage(7);
    answers.answerMessage(2);
    std::vector<std::string> closedWindows;
    EXPECT_FALSE(docs.closeIn("w\\s\\", [&](PageDocument* d) { closedWindows.push_back(d->file_path()); }));
    EXPECT_EQ(closedWindows, std::vector<std::string>{"w\\s\\a.html"});
    EXPECT_EQ(docs.count(), 2u);
}

TEST_F(DocumentTest, PreviewAsksToSaveFirst) {
    FakeFrame frame(&log);
    PageDocument* d = docs.open(frame, "/s/a.html");
    frame.dirty = true;
    answers.answerMessage(7);
    d->preview();
    EXPECT_EQ(log.size(), 1u);  // not saved
    answers.answerMessage(6);
    d->preview();
    EXPECT_EQ(log.back(), "save /s/a.html");
    auto shell = answers.asked("shell");
    ASSERT_EQ(shell.size(), 2u);
    EXPECT_EQ(shell[1].text, "/s/a.html");
    d->preview();  // saved: no question
    EXPECT_EQ(answers.asked("message").size(), 2u);
    // No browser to open the page with: the user is told so.
    answers.answerShell(31);
    d->preview();
    auto messages = answers.asked("message");
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2].text, "Nie można pokazać podglądu strony: nie znaleziono przeglądarki internetowej."_w);
    EXPECT_EQ(messages[2].title, "Błąd"_w);
}

namespace {

// A frame over real files: it holds the page text and writes it on saving.
struct FileFrame : PageFrame {
    bool LoadDocument(const std::string& p) override { return text::readFile(files::realPath(p), html); }
    bool SaveDocument(const std::string& p) override {
        dirty = false;
        return files::writeFile(files::realPath(p), html);
    }
    bool changed() const override { return dirty; }
    void clearModified() override {}
    void edit(const std::string& more) {
        html += more;
        dirty = true;
    }
    std::string html;
    bool dirty = false;
};

// The main window's wiring of the site, page and document logic.
class EditorFlow : public AppFolder {
protected:
    void SetUp() override {
        AppFolder::SetUp();
        put("data/templates/prosty/index.html", "<title>${TITLE}</title>\r\n");
        put("data/templates/prosty/data/logo.gif", "logo");
        SiteHooks h = hooks();
        h.newPage = [this] { newPage(); };
        // The main window's doc_open: the program's rule of one window a page.
        h.openDocument = [this](const std::string& p) {
            docs.openPage(p, [this] {
                frames.push_back(std::make_unique<FileFrame>());
                return frames.back().get();
            });
        };
        h.closeSiteDocuments = [this](const std::string& folder) { return docs.closeIn(folder, {}); };
        h.pageDeleted = [this](const std::string& page) { docs.pageDeleted(page); };
        sites.setHooks(h);
        docs.setEnable2([this](int s) { enable2.push_back(s); });
    }
    // The new-page command, the dialog confirmed with `fields` (and `nextFileName`).
    void newPage() {
        pages.prepare(fields);
        fields.fileName = fields.fileNameShown ? nextFileName : fields.fileName;
        if (pages.accept(fields, "prosty")) pages.create(fields, "prosty");
    }
    NewPage pages{messages, sites};
    DocumentList docs{messages};
    std::vector<std::unique_ptr<FileFrame>> frames;
    NewPage::Fields fields;
    std::string nextFileName;
    std::vector<int> enable2;
};

}  // namespace

TEST_F(EditorFlow, NewUserMakesASiteAndItsPages) {
    ProjectSettings s{"Ala", "wycieczki", "", "", "", "", ""};
    ASSERT_TRUE(sites.acceptSiteDialog(s, true));
    ASSERT_TRUE(sites.createSite(s));
    // The empty site asked for its first page: index.html, opened at once.
    ASSERT_EQ(docs.count(), 1u);
    EXPECT_EQ(read("webpages/wycieczki/index.html"), "<title>wycieczki</title>\r\n");
    EXPECT_EQ(read("webpages/wycieczki/data/logo.gif"), "logo");
    EXPECT_EQ(captions(sites.pages()), std::vector<std::string>{"index.html"});
    frames[0]->edit("<p>Góry</p>"_w);
    ASSERT_TRUE(docs.active()->save());
    EXPECT_EQ(read("webpages/wycieczki/index.html"), "<title>wycieczki</title>\r\n<p>Góry</p>"_w);
    // A second page.
    fields.title = "Mazury";
    nextFileName = "mazury";
    newPage();
    EXPECT_EQ(captions(sites.pages()), (std::vector<std::string>{"index.html", "mazury.html"}));
    ASSERT_EQ(docs.count(), 2u);
    // Opened again from the page list: the page's own window, not a second one.
    PageDocument* mazury = docs.active();
    sites.editPage("index.html");
    ASSERT_EQ(docs.count(), 2u);
    EXPECT_EQ(&docs.active()->frame(), frames[0].get());
    docs.activate(mazury);
    docs.active()->preview();
    EXPECT_EQ(answers.asked("shell").back().text, (dir / "webpages/wycieczki/mazury.html").string());
    // Deleting the open site closes its windows first (the changed one asks).
    frames[1]->edit("x");
    answers.answerMessage(6);  // delete the site
    answers.answerMessage(7);  // do not save mazury.html
    EXPECT_TRUE(sites.deleteSite("wycieczki"));
    EXPECT_EQ(docs.count(), 0u);
    EXPECT_EQ(enable2.back(), 0);
    EXPECT_TRUE(sites.siteName().empty());
    EXPECT_FALSE(fs::exists(dir / "webpages/wycieczki"));
    EXPECT_TRUE(sites.siteList().empty());
}

TEST_F(EditorFlow, ACopySavedBesideACaseTwinGoesToThatFile) {
    struct Case {
        std::string page, twin;  // the twin: "" when there is none
    } cases[] = {
        {"druga.html", "kopia DRUGA.html"},
        {"Oferta.html", "KOPIA OFERTA.HTML"},
        {"trzecia.html", ""},
    };
    put("webpages/s/project.prj", "[project]\r\nname=s\r\n");
    for (const auto& c : cases) {
        put("webpages/s/" + c.page, "strona");
        if (!c.twin.empty()) put("webpages/s/" + c.twin, "stara kopia");
    }
    ASSERT_TRUE(sites.page_open("s"));
    for (const auto& c : cases) {
        sites.editPage(c.page);
        ASSERT_EQ(docs.active()->file_path(), appDir + "webpages\\s\\" + c.page);
        frames.back()->edit(" zmieniona");
        ASSERT_TRUE(docs.active()->saveCopy()) << c.page;
        const std::string copy = c.twin.empty() ? "Kopia " + c.page : c.twin;
        EXPECT_EQ(read("webpages/s/" + copy), "strona zmieniona") << c.page;
        if (!c.twin.empty()) EXPECT_FALSE(fs::exists(dir / "webpages/s" / ("Kopia " + c.page))) << c.page;
    }
}

namespace {

// What the user is told when a window would write a file another one holds.
std::string heldElsewhere(const std::string& page) {
    return "Dokument " + page + " jest otwarty w innym oknie. Zamknij tamto okno, zanim zapiszesz go tutaj."_w;
}

}  // namespace

// A page deleted from the list keeps its window; a new page made under its
// name is another file, with a window of its own, and the old window does
// not write over it.
TEST_F(EditorFlow, ADeletedPagesWindowDoesNotStandInForTheNewPageOfItsName) {
    put("webpages/s/project.prj", "[project]\r\nname=s\r\n");
    put("webpages/s/index.html", "<p>O nas</p>");
    put("webpages/s/oferta.html", "<p>Stara oferta</p>");
    ASSERT_TRUE(sites.page_open("s"));
    sites.editPage("oferta.html");
    ASSERT_EQ(docs.count(), 1u);
    PageDocument* old = docs.active();
    frames[0]->edit("<p>dopisane</p>");
    answers.answerMessage(6);
    ASSERT_TRUE(sites.deletePage("oferta.html"));
    EXPECT_EQ(docs.count(), 1u) << "the window of a deleted page stays open";

    fields.title = "Oferta";
    nextFileName = "oferta";
    newPage();
    ASSERT_EQ(docs.count(), 2u) << "the new page has a window of its own";
    PageDocument* made = docs.active();
    ASSERT_NE(made, old);
    EXPECT_EQ(frames[1]->html, "<title>Oferta</title>\r\n");
    // Opened from the list, the new page's window comes back.
    docs.activate(old);
    sites.editPage("oferta.html");
    EXPECT_EQ(docs.count(), 2u);
    EXPECT_EQ(docs.active(), made);

    // Saved from the old window, the new page would be gone: that window is
    // shown instead and the user told.
    answers.clear();
    docs.activate(old);
    EXPECT_FALSE(old->save());
    EXPECT_EQ(read("webpages/s/oferta.html"), "<title>Oferta</title>\r\n");
    EXPECT_EQ(messageTexts(), std::vector<std::string>{heldElsewhere("oferta.html")});
    EXPECT_EQ(docs.active(), made);
    EXPECT_TRUE(old->unsaved());
    // Its own window saves it, and again after that.
    frames[1]->edit("<p>Nowa oferta</p>");
    ASSERT_TRUE(made->save());
    ASSERT_TRUE(made->save());
    EXPECT_EQ(read("webpages/s/oferta.html"), "<title>Oferta</title>\r\n<p>Nowa oferta</p>");
    // The old window, its question answered Yes on closing, stays open.
    answers.answerMessage(6);
    EXPECT_FALSE(old->closeQuery());
}

// A copy saved onto a page that is open in another window would be written
// over by that window's next save (and write over what was typed there).
TEST_F(EditorFlow, ACopyIsNotSavedOverThePageOfAnotherWindow) {
    put("webpages/s/project.prj", "[project]\r\nname=s\r\n");
    put("webpages/s/a.html", "strona");
    put("webpages/s/Kopia a.html", "stara kopia");
    ASSERT_TRUE(sites.page_open("s"));
    sites.editPage("Kopia a.html");
    PageDocument* copy = docs.active();
    sites.editPage("a.html");
    PageDocument* page = docs.active();
    ASSERT_EQ(docs.count(), 2u);
    frames[1]->edit(" zmieniona");
    EXPECT_FALSE(page->saveCopy());
    EXPECT_EQ(read("webpages/s/Kopia a.html"), "stara kopia");
    EXPECT_EQ(messageTexts(), std::vector<std::string>{heldElsewhere("Kopia a.html")});
    EXPECT_EQ(docs.active(), copy);
    EXPECT_TRUE(page->unsaved());
    // Once that window is closed, the copy is saved.
    docs.closed(copy);
    ASSERT_TRUE(page->saveCopy());
    EXPECT_EQ(read("webpages/s/Kopia a.html"), "strona zmieniona");
}

TEST_F(DocumentTest, APageIsFoundByItsFileHoweverItsNameIsWritten) {
    char tmpl[] = "/tmp/pagewrightXXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    const fs::path folder = tmpl;
    text::writeFile(folder / "a.html", "a");
    text::writeFile(folder / "b.html", "b");
    const std::string a = files::platformName(folder / "a.html");
    FakeFrame one(&log), two(&log);
    PageDocument* first = docs.open(one, a);
    PageDocument* second = docs.open(two, files::platformName(folder / "b.html"));
    EXPECT_EQ(docs.find(a), first);
    EXPECT_EQ(docs.find(files::platformName(folder) + "\\.\\a.html"), first);
    EXPECT_EQ(docs.find(files::platformName(folder) + "\\b.html"), second);
    EXPECT_EQ(docs.find(files::platformName(folder) + "\\c.html"), nullptr);
    EXPECT_EQ(docs.find("C:\\s\\a.html"), nullptr);
    // The platform's names ignore case, as the site's lookup of its files does.
    EXPECT_EQ(docs.find(files::platformName(folder) + "\\A.HTML"), first);
    EXPECT_EQ(docs.find(files::platformName(folder) + "\\.\\A.html"), first);
    EXPECT_EQ(docs.find(files::platformName(folder) + "\\B.Html"), second);
    EXPECT_EQ(docs.find(files::platformName(folder) + "\\a.htm"), nullptr);
    // Saved anew by another program, which writes a new file and renames it
    // into the page's place: still the page of that window.
    const std::string save = "cd '" + folder.string() + "' && printf nowa > a.html.new && mv a.html.new a.html";
    ASSERT_EQ(std::system(save.c_str()), 0);
    std::string saved;
    ASSERT_TRUE(text::readFile(folder / "a.html", saved));
    ASSERT_EQ(saved, "nowa");
    EXPECT_EQ(docs.find(a), first);
    EXPECT_EQ(docs.find(files::platformName(folder) + "\\A.html"), first);
    fs::remove_all(folder);
    // A window whose file is gone still holds its page.
    EXPECT_EQ(docs.find(a), first);
}
