// Publishing, export and CD preparation against a real FTP server on
// 127.0.0.1 and real temporary folders.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QObject>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include "TestServer.h"
#include "files/FileSystem.h"
#include "files/testing/SaveTrials.h"
#include "forms/ScriptedAnswers.h"
#include "pageeditor/core/MessageList.h"
#include "pageeditor/publish/Publisher.h"
#include "pageeditor/publish/RemoteFolder.h"
#include "pageeditor/publish/SiteExport.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

namespace fs = std::filesystem;
using namespace pageeditor;
using namespace text::literals;
using net::testing::TempDir;
using net::testing::TestServer;
using net::testing::readFile;
using net::testing::writeFile;

namespace {

// Every file under a folder with its contents.
std::map<std::string, std::string> tree(const fs::path& root) {
    std::map<std::string, std::string> files;
    if (!fs::exists(root)) return files;
    for (auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) files[fs::relative(e.path(), root).string()] = readFile(e.path());
    return files;
}

std::string sized(size_t n, char c) { return std::string(n, c); }

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Records what the progress window would show; may act on a file's bytes.
struct Progress : PublishProgress {
    std::vector<std::string> shown;
    std::int64_t total = -1, jobSoFar = 0;
    int opened = 0, closed = 0, begins = 0, ends = 0;
    int fileBegins = 0;  // stores begun since the file was shown
    std::function<void(const std::string& file, std::int64_t soFar)> onBytes;
    bool pump = false;  // lets pending events be processed, as the window does
    std::function<void()> onOpen;
    void open(std::int64_t t) override {
        total = t;
        ++opened;
        if (onOpen) onOpen();
    }
    void showFile(const std::string& n) override {
        shown.push_back(n);
        fileBegins = 0;
        if (pump) QCoreApplication::processEvents();
    }
    void fileBegin(std::int64_t) override {
        ++begins;
        ++fileBegins;
    }
    void fileBytes(std::int64_t soFar, std::int64_t job) override {
        jobSoFar = job;
        if (pump) QCoreApplication::processEvents();
        if (onBytes) onBytes(shown.empty() ? "" : shown.back(), soFar);
    }
    void fileEnd() override { ++ends; }
    void close() override { ++closed; }
};

class Publish : public ::testing::Test {
protected:
    static void SetUpTestSuite() { net::testing::ensureApp(); }

    void SetUp() override {
        forms::setModal(&answers);
        appDir = files::platformName(app.path()) + "\\";
        site = app.path() / "webpages" / "Moja";
        writeFile(site / "index.html", "<html>index</html>");
        writeFile(site / "o_mnie.html", "<html>o mnie</html>");
        writeFile(site / "data/pic.jpg", "new pic");
        writeFile(site / "data/img/deep.jpg", "deep");
        writeFile(site / "sub/inner.html", "inner");
        publisher.showDialog = [this](PublishSettings& s) {
            dialogShown++;
            if (dialogEdit) dialogEdit(s);
            return dialogOk;
        };
        publisher.progress = &progress;
    }
    void TearDown() override { forms::setModal(nullptr); }

    void startServer(std::vector<std::string> extra = {}) {
        extra.push_back("--log");
        extra.push_back((logDir.path() / "server.log").string());
        server = std::make_unique<TestServer>("ftp", remote.path(), extra);
        writeProject(server->hostPort(), TestServer::password());
        publisher.client().setConnectTimeout(3000);
        publisher.client().setIdleTimeout(3000);
    }
    void writeProject(const std::string& host, const std::string& pass, const std::string& dir = "") {
        writeFile(site / "project.prj", "[project]\r\nauthor=Ja\r\nname=Moja\r\nemail=ja@example.pl\r\nhost=" + host +
                                            "\r\nuser=" + TestServer::user() + "\r\npass=" + pass + "\r\ndir=" + dir +
                                            "\r\n");
    }

    Publisher::Outcome publish(int pages = 2) { return publisher.publish(appDir, "Moja", pages); }

    std::vector<std::string> messageTexts() {
        std::vector<std::string> t;
        for (auto& a : answers.asked("message")) t.push_back(a.text);
        return t;
    }
    int questionsAsked() {
        int n = 0;
        for (auto& a : answers.asked("message"))
            if (a.flags == 35) ++n;
        return n;
    }

    // No temporary file of an upload anywhere on the server.
    bool noTemporaryOnServer() {
        for (auto& [path, body] : tree(remote.path()))
            if (Publisher::isTemporaryName(fs::path(path).filename().string())) return false;
        return true;
    }

    int logins() {
        std::string log = readFile(logDir.path() / "server.log");
        int n = 0;
        for (size_t at = 0; (at = log.find("USER ", at)) != std::string::npos; ++at) ++n;
        return n;
    }

    TempDir app, remote, logDir;
    fs::path site;
    std::string appDir;
    std::unique_ptr<TestServer> server;
    forms::ScriptedAnswers answers;
    MessageList messages;
    Publisher publisher{messages};
    Progress progress;
    int dialogShown = 0;
    bool dialogOk = true;
    std::function<void(PublishSettings&)> dialogEdit;
};

const std::string kEnd = "Wgrywanie plików zakończone. Twój serwis od teraz dostępny jest w Sieci!"_w;
const std::string kNotSent =
    "Nie wszystkie pliki strony zostały wysłane na serwer. Liczba niewysłanych plików: "_w;
const std::string kLeftOut = "Pominięto pliki, które nie są zwykłymi plikami strony albo których nazw nie można użyć. "
                             "Liczba pominiętych plików: "_w;
const std::string kLinkNote = "to dowiązanie do innego pliku lub folderu, a nie plik strony"_w;

TEST(RemoteFolder, SplitPathKeepsThePartsBeforeEachSeparator) {
    struct Case {
        std::string path;
        std::vector<std::string> parts;
    } cases[] = {
        {"/www/site/", {"", "www", "site"}},
        {"/www/site", {"", "www"}},
        {"/", {""}},
        {"", {}},
        {"a//b/", {"a", "", "b"}},
        {"\\www\\x\\", {"", "www", "x"}},
    };
    for (const Case& c : cases) EXPECT_EQ(split_path(c.path), c.parts) << c.path;
}

TEST(RemoteFolder, DetectionPrefersWwwAndKeepsTheServersSpelling) {
    struct Case {
        std::vector<std::string> names;
        std::string target;
    } cases[] = {
        {{"public_html", "www"}, "/www"},
        {{"WWW", "Public_HTML"}, "/WWW"},
        {{"Public_HTML", "index.html"}, "/Public_HTML"},
        {{"wwwroot", "html"}, ""},
        {{}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(detectTargetFolder(c.names), c.target);
    EXPECT_EQ(userTargetFolder("public_html"), "/public_html");
    EXPECT_EQ(userTargetFolder("/www/a"), "/www/a");
    EXPECT_EQ(userTargetFolder(""), "");
}

TEST_F(Publish, PagesGoToWwwAndMediaToItsDataFolder) {
    startServer();
    fs::create_directories(remote.path() / "public_html");
    fs::create_directories(remote.path() / "WWW");
    EXPECT_EQ(publish(), Publisher::Outcome::Done);
    auto onServer = tree(remote.path());
    std::map<std::string, std::string> expected = {
        {"WWW/index.html", "<html>index</html>"},
        {"WWW/o_mnie.html", "<html>o mnie</html>"},
        {"WWW/data/pic.jpg", "new pic"},
    };
    EXPECT_EQ(onServer, expected);  // no project.prj, nothing from deeper folders, no temporary names
    EXPECT_EQ(messageTexts().back(), kEnd);
    EXPECT_EQ(progress.shown, (std::vector<std::string>{"index.html", "o_mnie.html", "pic.jpg"}));
    EXPECT_EQ(progress.jobSoFar, std::int64_t(18 + 19 + 7));
    EXPECT_GT(progress.total, progress.jobSoFar);  // the bar's maximum is the whole tree
    EXPECT_EQ(progress.begins, 3);
    EXPECT_EQ(progress.ends, 3);
    EXPECT_GE(progress.closed, 1);
    EXPECT_FALSE(publisher.client().connected());
}

TEST_F(Publish, TargetFolderFromDetectionOrFromTheUser) {
    struct Case {
        const char* what;
        std::vector<std::string> serverFolders;
        bool autoDetect;
        std::string typed;
        std::string landsIn;
    } cases[] = {
        {"public_html alone", {"public_html"}, true, "", "public_html"},
        {"neither: the login folder", {"html"}, true, "", ""},
        {"the user's folder made element by element", {"www"}, false, "/www/moja/strona", "www/moja/strona"},
        {"a typed folder without the leading slash", {}, false, "nowy/katalog", "nowy/katalog"},
        {"detection off, empty folder: the login folder", {"www"}, false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir serverRoot;
        for (auto& f : c.serverFolders) fs::create_directories(serverRoot.path() / f);
        TestServer s("ftp", serverRoot.path(), {"--active-only"});
        writeProject(s.hostPort(), TestServer::password());
        dialogEdit = [&](PublishSettings& st) {
            st.autoDetect = c.autoDetect;
            st.folder = c.typed;
        };
        answers.clear();
        EXPECT_EQ(publish(), Publisher::Outcome::Done);
        fs::path dir = serverRoot.path() / c.landsIn;
        EXPECT_EQ(readFile(dir / "index.html"), "<html>index</html>");
        EXPECT_EQ(readFile(dir / "data/pic.jpg"), "new pic");
    }
}

TEST_F(Publish, ReplaceQuestions) {
    struct Case {
        const char* what;
        std::vector<int> answers;
        int questions;
        std::string index, pic;
    } cases[] = {
        {"No keeps the server's copies", {7, 7}, 2, "old index", "old pic"},
        {"Yes for the page, No for the picture", {6, 7}, 2, "<html>index</html>", "old pic"},
        {"Cancel replaces all, pages and media", {2}, 1, "<html>index</html>", "new pic"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir serverRoot;
        writeFile(serverRoot.path() / "www/index.html", "old index");
        writeFile(serverRoot.path() / "www/data/pic.jpg", "old pic");
        TestServer s("ftp", serverRoot.path(), {"--active-only"});
        writeProject(s.hostPort(), TestServer::password());
        answers.clear();
        answers.answerMessage(1);  // "ready to copy"
        for (int a : c.answers) answers.answerMessage(a);
        EXPECT_EQ(publish(), Publisher::Outcome::Done);
        EXPECT_EQ(questionsAsked(), c.questions);
        EXPECT_EQ(readFile(serverRoot.path() / "www/index.html"), c.index);
        EXPECT_EQ(readFile(serverRoot.path() / "www/data/pic.jpg"), c.pic);
        EXPECT_EQ(readFile(serverRoot.path() / "www/o_mnie.html"), "<html>o mnie</html>");  // new: no question
        auto q = answers.asked("message");
        auto first = std::find_if(q.begin(), q.end(), [](auto& a) { return a.flags == 35; });
        ASSERT_NE(first, q.end());
        EXPECT_EQ(first->text, "Plik "_w + appDir + "webpages\\Moja\\index.html" +
                                   " już istnieje na serwerze, czy zastąpić go? ANULUJ - zastępuje wszystkie pliki."_w);
        EXPECT_EQ(first->title, "Pytanie:"_w);
    }
}

TEST_F(Publish, CancelAbortsTheRunningTransferAndSendsNothingMore) {
    startServer();
    writeFile(remote.path() / "b_big.html", "server's page");
    writeFile(site / "a.html", "a");
    writeFile(site / "b_big.html", sized(5 * 1024 * 1024, 'b'));
    writeFile(site / "c.html", "c");
    progress.onBytes = [&](const std::string& file, std::int64_t soFar) {
        if (file == "b_big.html" && soFar > 0) publisher.cancel();
    };
    answers.answerMessage(1);
    answers.answerMessage(6);  // replace b_big.html
    EXPECT_EQ(publish(), Publisher::Outcome::Cancelled);
    EXPECT_EQ(readFile(remote.path() / "a.html"), "a");
    EXPECT_EQ(readFile(remote.path() / "b_big.html"), "server's page");
    EXPECT_FALSE(fs::exists(remote.path() / "c.html"));
    EXPECT_FALSE(fs::exists(remote.path() / "index.html"));
    EXPECT_FALSE(fs::exists(remote.path() / "data"));
    EXPECT_TRUE(noTemporaryOnServer());
    EXPECT_NE(messageTexts().back(), kEnd);
    EXPECT_EQ(progress.shown.back(), "b_big.html");
}

TEST_F(Publish, ServerDroppingTheConnectionGivesTheErrorAndLosesNothing) {
    startServer({"--drop-after", "100000"});
    writeFile(remote.path() / "index.html", "server's page");
    writeFile(site / "index.html", sized(2 * 1024 * 1024, 'n'));
    auto before = tree(app.path());
    answers.answerMessage(1);
    answers.answerMessage(2);  // replace all
    EXPECT_EQ(publish(), Publisher::Outcome::ConnectionLost);
    auto boxes = answers.asked("message");
    EXPECT_EQ(boxes.back().text,
              "Połączenie z serwerem FTP zostało przerwane.\n\nNie wszystkie pliki strony zostały wysłane na serwer. "
              "Liczba niewysłanych plików: 3. Pierwszy z nich: index.html (Połączenie z serwerem FTP zostało "
              "przerwane)."_w);
    EXPECT_EQ(boxes.back().title, "Błąd"_w);
    EXPECT_EQ(readFile(remote.path() / "index.html"), "server's page");
    EXPECT_EQ(tree(app.path()), before);
    EXPECT_FALSE(publisher.client().connected());
}

// The five kinds of server a publish meets, and servers that refuse a store
// or are full: every file arrives or the user is told which did not; a page
// the server had is never lost; the end message only when all arrived; one
// login per publish.
TEST_F(Publish, ServersThatRefuseLoseNothingAndSayWhatDidNotArrive) {
    const std::string big = sized(300000, 'n');
    const std::string notSentPrefix = "Nie wszystkie pliki strony zostały wysłane na serwer. Liczba niewysłanych "
                                      "plików: "_w;
    const std::string full = "Na dysku serwera FTP zabrakło miejsca (kod 552)."_w;
    struct Case {
        std::vector<std::string> server;
        Publisher::Outcome outcome;
        std::string message;  // the last one shown
        bool pagesArrive;
        int logins = 1;  // 0: one or more, as the timing of the server's answer falls
    };
    const std::string writeFailed = "Serwer FTP nie mógł zapisać pliku na swoim dysku (kod 451)."_w;
    const std::string noRoom = "Na dysku serwera FTP zabrakło miejsca (kod 452)."_w;
    const std::string refused = "Serwer FTP odrzucił polecenie STOR (kod 553)"_w;
    std::vector<Case> cases = {
        {{}, Publisher::Outcome::Done, kEnd, true},
        {{"--no-rename-over"}, Publisher::Outcome::Done, kEnd, true},
        {{"--refuse-nlst"}, Publisher::Outcome::Done, kEnd, true},
        {{"--passive-only"}, Publisher::Outcome::Done, kEnd, true},
        {{"--active-only"}, Publisher::Outcome::Done, kEnd, true},
        {{"--refuse-stor", "o_mnie.html", "--refuse-rnto", "o_mnie.html"}, Publisher::Outcome::Incomplete,
         notSentPrefix + "1. Pierwszy z nich: o_mnie.html (Serwer FTP odrzucił polecenie STOR (kod 553))."_w, false},
        {{"--full-after", "0"}, Publisher::Outcome::ConnectionLost,
         full + "\n\n" + notSentPrefix + "4. Pierwszy z nich: .htaccess (" + full.substr(0, full.size() - 1) + ").",
         false, 2},
        {{"--full-after", "100000"}, Publisher::Outcome::ConnectionLost,
         full + "\n\n" + notSentPrefix + "3. Pierwszy z nich: index.html (" + full.substr(0, full.size() - 1) + ").",
         false, 2},
        // Answers after the 150 that opened the data connection: a disk or
        // quota that fills ends the publish with the server's reason; a
        // refused file is named and the next one goes. On a server that
        // renames nothing over a page, the page moved aside for the store
        // under its own name takes its name back when that store is
        // refused, at its first bytes or late.
        {{"--fail-after", "100000", "--fail-code", "451"}, Publisher::Outcome::ConnectionLost,
         writeFailed + "\n\n" + notSentPrefix + "3. Pierwszy z nich: index.html (" +
             writeFailed.substr(0, writeFailed.size() - 1) + ").",
         false, 0},
        {{"--fail-after", "0", "--fail-code", "452"}, Publisher::Outcome::ConnectionLost,
         noRoom + "\n\n" + notSentPrefix + "4. Pierwszy z nich: .htaccess (" + noRoom.substr(0, noRoom.size() - 1) +
             ").",
         false, 0},
        {{"--fail-after", "0", "--fail-code", "553", "--fail-only", "o_mnie.html", "--refuse-rnto", "o_mnie.html"},
         Publisher::Outcome::Incomplete, notSentPrefix + "1. Pierwszy z nich: o_mnie.html (" + refused + ").", false,
         0},
        {{"--fail-after", "100000", "--fail-code", "553", "--fail-only", Publisher::kTemporaryPattern},
         Publisher::Outcome::Incomplete, notSentPrefix + "1. Pierwszy z nich: index.html (" + refused + ").", false,
         0},
        {{"--no-rename-over", "--fail-after", "100000", "--fail-code", "553", "--fail-only", "index.html"},
         Publisher::Outcome::Incomplete, notSentPrefix + "1. Pierwszy z nich: index.html (" + refused + ").", false,
         0},
        {{"--no-rename-over", "--fail-after", "0", "--fail-code", "550", "--fail-only", "index.html"},
         Publisher::Outcome::Incomplete,
         notSentPrefix + "1. Pierwszy z nich: index.html (Serwer FTP odrzucił polecenie STOR (kod 550))."_w, false, 0},
    };
    writeFile(site / "index.html", big);
    writeFile(site / ".htaccess", "Options -Indexes");
    for (const Case& c : cases) {
        std::string options;
        for (const std::string& o : c.server) options += o + " ";
        SCOPED_TRACE(c.server.empty() ? "well-behaved" : options);
        fs::remove_all(remote.path());
        fs::create_directories(remote.path());
        fs::remove(logDir.path() / "server.log");
        writeFile(remote.path() / "index.html", "server's page");
        writeFile(remote.path() / "data/pic.jpg", "old pic");
        startServer(c.server);
        answers.clear();
        answers.answerMessage(1);
        answers.answerMessage(2);  // replace all
        EXPECT_EQ(publish(), c.outcome);
        EXPECT_EQ(messageTexts().back(), c.message);
        auto onServer = tree(remote.path());
        if (c.outcome == Publisher::Outcome::Done) {
            std::map<std::string, std::string> expected = {{"index.html", big},
                                                           {".htaccess", "Options -Indexes"},
                                                           {"o_mnie.html", "<html>o mnie</html>"},
                                                           {"data/pic.jpg", "new pic"}};
            EXPECT_EQ(onServer, expected);
        } else if (c.outcome == Publisher::Outcome::Incomplete) {
            // The refused file alone stays as the server had it.
            const bool pageRefused = c.message.find("index.html (") != std::string::npos;
            EXPECT_EQ(onServer["index.html"], pageRefused ? "server's page" : big);
            EXPECT_EQ(onServer["data/pic.jpg"], "new pic");
            EXPECT_EQ(onServer.count("o_mnie.html"), pageRefused ? 1u : 0u);
        } else {
            EXPECT_EQ(onServer["index.html"], "server's page");
            EXPECT_EQ(onServer["data/pic.jpg"], "old pic");
        }
        EXPECT_TRUE(noTemporaryOnServer());
        // Logged in once; a full disk drops the connection, and the partial
        // file is removed over one more.
        if (c.logins)
            EXPECT_EQ(logins(), c.logins);
        else
            EXPECT_GE(logins(), 1);
        EXPECT_FALSE(publisher.client().connected());
    }
}

// A server whose disk fills during a store closes the data connection and
// answers 426: the publish ends with the broken connection's message, the
// server keeps its page and holds no temporary file.
TEST_F(Publish, AServerWhoseDiskFillsKeepsItsPageAndNoTemporary) {
    writeFile(remote.path() / "index.html", "server's page");
    writeFile(site / "index.html", sized(2 * 1024 * 1024, 'n'));
    startServer({"--disk-full-after", "1048576"});
    answers.answerMessage(1);
    answers.answerMessage(2);  // replace all
    EXPECT_EQ(publish(), Publisher::Outcome::ConnectionLost);
    const std::string lost = "Połączenie z serwerem FTP zostało przerwane."_w;
    EXPECT_EQ(messageTexts().back(), lost + "\n\n" + kNotSent + "3. Pierwszy z nich: index.html (" +
                                         lost.substr(0, lost.size() - 1) + ").");
    wait(300);
    EXPECT_EQ(readFile(remote.path() / "index.html"), "server's page");
    EXPECT_TRUE(noTemporaryOnServer());
}

// A folder of the server's under the name of a file of the site is the
// user's: it is not moved aside for the file, which is named among those not
// sent, and it stays whole under its name.
TEST_F(Publish, AServersFolderUnderAFilesNameStaysWhole) {
    for (bool renamesOver : {true, false}) {
        SCOPED_TRACE(renamesOver ? "renames over files" : "renames nothing over a file");
        fs::remove_all(remote.path());
        fs::create_directories(remote.path());
        writeFile(remote.path() / "data/pic.jpg/inside.jpg", "user's");
        std::vector<std::string> options;
        if (!renamesOver) options.push_back("--no-rename-over");
        startServer(options);
        answers.clear();
        answers.answerMessage(1);
        answers.answerMessage(2);  // replace all
        EXPECT_EQ(publish(), Publisher::Outcome::Incomplete);
        EXPECT_NE(messageTexts().back().find(kNotSent + "1. Pierwszy z nich: data\\pic.jpg ("), std::string::npos)
            << messageTexts().back();
        std::map<std::string, std::string> expected = {{"index.html", "<html>index</html>"},
                                                       {"o_mnie.html", "<html>o mnie</html>"},
                                                       {"data/pic.jpg/inside.jpg", "user's"}};
        EXPECT_EQ(tree(remote.path()), expected);
    }
}

// A connection lost once the pages are over, as the data folder is made,
// leaves the media unsent: they are counted and the first of them named, and
// the last page is counted once, if it was refused, or not at all.
TEST_F(Publish, AConnectionLostBeforeTheMediaCountsThemAndNamesTheFirst) {
    const std::string lost = "Połączenie z serwerem FTP zostało przerwane."_w;
    const std::string reason = " (" + lost.substr(0, lost.size() - 1) + ").";
    struct Case {
        const char* what;
        std::vector<std::string> options;
        std::string summary;
    } cases[] = {
        {"every page sent", {}, kNotSent + "1. Pierwszy z nich: data\\pic.jpg" + reason},
        {"the last page refused",
         {"--refuse-stor", "o_mnie.html", "--refuse-rnto", "o_mnie.html"},
         kNotSent + "2. Pierwszy z nich: o_mnie.html (Serwer FTP odrzucił polecenie STOR (kod 553))."_w},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(remote.path());
        fs::create_directories(remote.path());
        std::vector<std::string> options = {"--drop-before", "MKD *"};
        options.insert(options.end(), c.options.begin(), c.options.end());
        startServer(options);
        answers.clear();
        answers.answerMessage(1);
        EXPECT_EQ(publish(), Publisher::Outcome::ConnectionLost);
        EXPECT_EQ(messageTexts().back(), lost + "\n\n" + c.summary);
    }
}

// On a server that renames nothing over a page, the page is moved aside
// before the store under its own name, and takes its name back when that
// store is refused. A connection that breaks meanwhile loses it neither:
// broken as the page is moved (the publish cannot tell whether it moved), the
// page is given its name back over a new connection, also by a server that
// lists no names; broken as it is given its name back, that is done again
// over a new one.
TEST_F(Publish, APageMovedAsideGetsItsNameBackWhenTheConnectionBreaks) {
    const std::string pattern = Publisher::kTemporaryPattern;
    struct Case {
        const char* what;
        std::vector<std::string> options;
        Publisher::Outcome outcome;
    } cases[] = {
        {"broken as it is moved", {"--drop-at-rnto", pattern}, Publisher::Outcome::ConnectionLost},
        {"broken as it is moved, no listing", {"--drop-at-rnto", pattern, "--refuse-nlst"},
         Publisher::Outcome::ConnectionLost},
        {"broken as it is given its name back",
         {"--fail-after", "0", "--fail-code", "553", "--fail-only", "index.html", "--drop-before", "RNFR /pw*",
          "--drop-count", "2"},
         Publisher::Outcome::Incomplete},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(remote.path());
        fs::create_directories(remote.path());
        writeFile(remote.path() / "index.html", "server's page");
        std::vector<std::string> options = {"--no-rename-over"};
        options.insert(options.end(), c.options.begin(), c.options.end());
        startServer(options);
        answers.clear();
        answers.answerMessage(1);
        answers.answerMessage(2);  // replace all
        EXPECT_EQ(publish(), c.outcome);
        wait(300);
        ASSERT_TRUE(fs::exists(remote.path() / "index.html"));
        EXPECT_EQ(readFile(remote.path() / "index.html"), "server's page");
        EXPECT_TRUE(noTemporaryOnServer());
    }
}

// Files of the site that are not the author's pages stay home: the project
// file, temporary files of saves and uploads, and names that are no platform
// names (a backslash in a name would lead out of the site).
TEST_F(Publish, OnlyTheSitesOwnFilesAreSent) {
    TempDir outside;
    writeFile(app.path() / "SECRET-outside.txt", "secret");
    for (const char* name : {"index.html.~wr", "o_mnie.html.~wr4242", "stary.html.pw-upload"})
        writeFile(site / name, "temporary");
    writeFile(site / "data\\..\\..\\..\\SECRET-outside.txt", "a name with backslashes");
    writeFile(site / "data" / "..\\..\\..\\SECRET-outside.txt", "a name with backslashes");
    writeFile(site / u8"zzz\u65e5\u672c.html", "a name Windows-1250 cannot write");
    startServer();
    answers.answerMessage(1);
    EXPECT_EQ(publish(), Publisher::Outcome::Incomplete);
    std::map<std::string, std::string> expected = {
        {"index.html", "<html>index</html>"}, {"o_mnie.html", "<html>o mnie</html>"}, {"data/pic.jpg", "new pic"}};
    EXPECT_EQ(tree(remote.path()), expected);
    EXPECT_EQ(messageTexts().back(),
              "Nie wszystkie pliki strony zostały wysłane na serwer. Liczba niewysłanych plików: 3. Pierwszy z nich: "
              "data\\..\\..\\..\\SECRET-outside.txt (nazwa pliku zawiera znak \"\\\" lub znak spoza polskiego "
              "zestawu znaków i nie może być użyta)."_w);
}

// Symbolic links in a site, to files and folders, inside the site and out of
// it, are never followed: nothing of what they lead to reaches the server,
// the export or the CD, and the message names the first of them.
TEST_F(Publish, LinksAreNeitherSentNorCopied) {
    TempDir outside;
    writeFile(outside.path() / "secret.jpg", "SECRET outside file");
    writeFile(outside.path() / "folder/secret.html", "SECRET outside folder");
    fs::create_symlink(outside.path() / "secret.jpg", site / "data/link.jpg");
    fs::create_symlink("/etc/passwd", site / "hostlink.html");
    fs::create_symlink(site / "index.html", site / "inner.html");
    fs::create_symlink(outside.path() / "folder", site / "linkdir");
    fs::create_symlink(site / "sub", site / "data/innerdir");
    fs::create_symlink(outside.path() / "gone.html", site / "dangling.html");
    writeProject("h", "tajne");
    const std::string first = "dangling.html (" + kLinkNote + ").";
    const std::map<std::string, std::string> sent = {
        {"index.html", "<html>index</html>"}, {"o_mnie.html", "<html>o mnie</html>"}, {"data/pic.jpg", "new pic"}};
    std::map<std::string, std::string> copied = sent;
    copied["data/img/deep.jpg"] = "deep";
    copied["sub/inner.html"] = "inner";
    auto noneOutside = [](const std::map<std::string, std::string>& files) {
        for (auto& [name, body] : files) {
            EXPECT_EQ(body.find("SECRET"), std::string::npos) << name;
            EXPECT_EQ(body.find("root:"), std::string::npos) << name;
        }
    };

    startServer();
    answers.answerMessage(1);
    EXPECT_EQ(publish(), Publisher::Outcome::Incomplete);
    EXPECT_EQ(tree(remote.path()), sent);
    noneOutside(tree(remote.path()));
    EXPECT_EQ(messageTexts().back(), kNotSent + "6. Pierwszy z nich: " + first);

    for (bool cd : {false, true}) {
        SCOPED_TRACE(cd ? "CD" : "export");
        TempDir out;
        answers.clear();
        answers.answerMessage(1);
        answers.answerFolder(true, out.path().string());
        SiteExport ex(messages);
        EXPECT_EQ(cd ? ex.prepareCd(appDir, "Moja") : ex.exportSite(appDir, "Moja"), SiteExport::Outcome::Incomplete);
        auto onDisk = tree(out.path());
        for (const char* f : {"start.exe", "start.sh", "autorun.inf"}) onDisk.erase(f);
        EXPECT_EQ(onDisk, copied);
        noneOutside(onDisk);
        for (auto& e : fs::recursive_directory_iterator(out.path()))
            EXPECT_FALSE(fs::is_symlink(e.symlink_status())) << e.path();
        EXPECT_EQ(messageTexts().back(), kLeftOut + "6. Pierwszy z nich: " + first);
    }
}

// A name left out is shown as it is, characters Windows-1250 lacks as "?",
// never as the empty text the lacking characters would leave.
TEST_F(Publish, TheFirstLeftOutFileIsNamed) {
    writeProject("h", "tajne");
    writeFile(site / u8"\u65e5\u672c", "a name of characters Windows-1250 lacks");
    writeFile(site / "data" / u8"\u65e5.jpg", "one more");
    const std::string named = "Pierwszy z nich: ?? (nazwa pliku zawiera znak \"\\\" lub znak spoza polskiego "
                              "zestawu znaków i nie może być użyta)."_w;
    startServer();
    answers.answerMessage(1);
    EXPECT_EQ(publish(), Publisher::Outcome::Incomplete);
    EXPECT_EQ(messageTexts().back(), kNotSent + "2. " + named);
    TempDir out;
    answers.clear();
    answers.answerFolder(true, out.path().string());
    SiteExport ex(messages);
    EXPECT_EQ(ex.exportSite(appDir, "Moja"), SiteExport::Outcome::Incomplete);
    EXPECT_EQ(messageTexts().back(), kLeftOut + "2. " + named);
}

// A bad port or address text ends in the connection message, never in an
// exception past the publish.
TEST_F(Publish, BadServerTextGivesTheConnectionMessage) {
    startServer();
    for (std::string host : {"127.0.0.1:99999999999999999999", "127.0.0.1:0", "127.0.0.1:x", "a b", ""}) {
        SCOPED_TRACE(host);
        writeProject(host, TestServer::password());
        answers.clear();
        answers.answerMessage(1);
        EXPECT_EQ(publish(), Publisher::Outcome::ConnectFailed);
        EXPECT_EQ(answers.asked("message").back().text.substr(0, 46),
                  "Nie można ustanowić połączenia z serwerem. Być"_w);
    }
    writeProject(server->hostPort(), TestServer::password());
    dialogEdit = [](PublishSettings& s) { s.user = "user\r\nDELE index.html"; };
    answers.clear();
    answers.answerMessage(1);
    EXPECT_EQ(publish(), Publisher::Outcome::ConnectFailed);
}

// A server that takes the data connection and stops reading it after 128 KB:
// the event loop runs on (the window paints), Cancel stops the publish within
// a second, and the partial temporary file is removed from the server. The
// smaller page fits whole into the sockets' buffers, so the client waits for
// the server's answer; the bigger one does not, so its sending waits. A
// server that takes no file under the temporary name gets the page straight
// under its own, a store Cancel lets end: once it has moved nothing for a
// second it is aborted all the same. The progress window stays open until
// the publish is over.
TEST_F(Publish, CancelDuringAStalledStoreStopsAtOnce) {
    struct Server {
        const char* what;
        std::vector<std::string> options;
        int withinMs;
    } servers[] = {
        // Bounds far below the minute of the idle time-out that ended such a
        // store before, with room for a loaded machine.
        {"takes the temporary file", {}, 5000},
        {"takes no file under the temporary name", {"--refuse-stor", Publisher::kTemporaryPattern},
         Publisher::kStalledStoreMs + 5000},
    };
    for (const Server& server : servers) {
        SCOPED_TRACE(server.what);
        std::vector<std::string> options = {"--stall-after", "131072"};
        options.insert(options.end(), server.options.begin(), server.options.end());
        startServer(options);
        publisher.client().setIdleTimeout(60000);
        for (std::size_t size : {std::size_t(400 * 1024), std::size_t(5 * 1024 * 1024)}) {
            SCOPED_TRACE(size);
            fs::remove_all(remote.path());
            fs::create_directories(remote.path());
            writeFile(site / "index.html", sized(size, 'x'));
            answers.clear();
            answers.answerMessage(1);
            int ticks = 0, closedAtCancel = -1;
            const int closedBefore = progress.closed;
            std::chrono::steady_clock::time_point cancelled;
            QTimer ticker;
            QObject::connect(&ticker, &QTimer::timeout, [&] {
                if (++ticks == 20) {
                    cancelled = std::chrono::steady_clock::now();
                    publisher.cancel();
                    closedAtCancel = progress.closed - closedBefore;
                }
            });
            ticker.start(25);
            EXPECT_EQ(publish(), Publisher::Outcome::Cancelled);
            const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - cancelled);
            EXPECT_LT(took.count(), server.withinMs);
            EXPECT_GE(ticks, 20);
            EXPECT_EQ(closedAtCancel, 0) << "the window stays while the publish ends";
            EXPECT_GE(progress.closed - closedBefore, 1);
            EXPECT_EQ(messageTexts().size(), 1u) << "no message after the one before the upload";
            EXPECT_TRUE(noTemporaryOnServer());
            EXPECT_FALSE(fs::exists(remote.path() / "o_mnie.html"));
            if (server.options.empty()) EXPECT_FALSE(fs::exists(remote.path() / "index.html"));
        }
    }
}

// A server that takes no name longer than 12 characters still gets every
// file under a temporary name first and renamed into place.
TEST_F(Publish, TemporaryNamesFitAServerWithShortNames) {
    writeFile(remote.path() / "index.html", "server's page");
    startServer({"--max-name", "12"});
    answers.answerMessage(1);
    answers.answerMessage(6);  // replace index.html
    EXPECT_EQ(publish(), Publisher::Outcome::Done);
    std::map<std::string, std::string> expected = {
        {"index.html", "<html>index</html>"}, {"o_mnie.html", "<html>o mnie</html>"}, {"data/pic.jpg", "new pic"}};
    EXPECT_EQ(tree(remote.path()), expected);
    std::set<std::string> stored;
    int renamed = 0;
    for (const std::string& line : text::splitLines(readFile(logDir.path() / "server.log"))) {
        if (line.rfind("STOR ", 0) == 0) {
            const std::string name = line.substr(5);
            EXPECT_TRUE(Publisher::isTemporaryName(name)) << name;
            EXPECT_TRUE(stored.insert(name).second) << "a name is used once: " << name;
        }
        if (line.rfind("RNTO ", 0) == 0) ++renamed;
    }
    EXPECT_EQ(stored.size(), 3u);
    EXPECT_EQ(renamed, 3);
}

// Cancel at random moments of a publish to a slow server (it reads 300 KB a
// second and answers every command 20 ms late), so that it lands in every
// step: a store, the rename of a stored file, a removal, a listing, between
// files; also on servers where a page is stored straight under its name
// after its temporary file (no rename over a page) or instead of one (no
// file under the temporary name). The publish ends quietly, no temporary
// file stays on the server, and every page there is the one it had or the
// whole new one.
TEST_F(Publish, CancelAtAnyMomentLeavesNothingBehind) {
    progress.pump = true;
    std::map<std::string, std::string> before, after;
    for (int i = 0; i < 6; ++i) {
        std::string name = "strona" + std::to_string(i) + ".html";
        before[name] = "old " + name;
        after[name] = sized(40000 + 30000 * i, char('a' + i));
        writeFile(site / name, after[name]);
    }
    before["index.html"] = "old index";
    after["index.html"] = "<html>index</html>";
    after["o_mnie.html"] = "<html>o mnie</html>";
    before["data/pic.jpg"] = "old pic";
    after["data/pic.jpg"] = "new pic";
    auto serverBefore = [&] {
        fs::remove_all(remote.path());
        fs::create_directories(remote.path());
        for (auto& [name, body] : before) writeFile(remote.path() / name, body);
    };
    const std::string temporaries = std::string(Publisher::kTemporaryPattern);
    struct Server {
        const char* what;
        std::vector<std::string> options;
    } servers[] = {
        {"renames over a page", {}},
        {"renames nothing over a page", {"--no-rename-over"}},
        {"takes no file under the temporary name", {"--refuse-stor", temporaries}},
    };
    for (const Server& server : servers) {
        SCOPED_TRACE(server.what);
        std::vector<std::string> options = {"--throttle", "300000", "--reply-delay", "0.02"};
        options.insert(options.end(), server.options.begin(), server.options.end());
        startServer(options);
        // One whole publish gives the span the moments are drawn from: from
        // the progress window's showing (its Cancel is there from then on)
        // to the end.
        serverBefore();
        answers.clear();
        answers.answerMessage(1);
        answers.answerMessage(2);  // replace all
        std::chrono::steady_clock::time_point t0;
        progress.onOpen = [&] { t0 = std::chrono::steady_clock::now(); };
        ASSERT_EQ(publish(), Publisher::Outcome::Done);
        const auto whole =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0);
        std::mt19937 random(2109);
        std::uniform_int_distribution<int> moment(0, int(whole.count()));
        int cancelledTrials = 0;
        for (int trial = 0; trial < 20; ++trial) {
            const int at = moment(random);
            SCOPED_TRACE("Cancel after " + std::to_string(at) + " ms");
            serverBefore();
            answers.clear();
            answers.answerMessage(1);
            answers.answerMessage(2);
            QTimer cancel;  // one that comes after the end goes with the trial
            cancel.setSingleShot(true);
            QObject::connect(&cancel, &QTimer::timeout, [&] { publisher.cancel(); });
            progress.onOpen = [&] { cancel.start(at); };
            Publisher::Outcome o = publish();
            if (o == Publisher::Outcome::Cancelled) ++cancelledTrials;
            EXPECT_TRUE(o == Publisher::Outcome::Cancelled || o == Publisher::Outcome::Done);
            for (auto& a : answers.asked("message")) EXPECT_NE(a.title, "Błąd"_w) << a.text;
            // The server's side of a cut-off connection may still be at work.
            wait(300);
            for (auto& [name, body] : tree(remote.path())) {
                SCOPED_TRACE(name);
                EXPECT_FALSE(Publisher::isTemporaryName(fs::path(name).filename().string()));
                ASSERT_TRUE(after.count(name));
                EXPECT_TRUE(body == after[name] || (before.count(name) && body == before[name]))
                    << body.size() << " bytes";
            }
        }
        std::cout << server.what << ": cancelled " << cancelledTrials << " of 20 publishes of " << whole.count()
                  << " ms\n";
        EXPECT_GE(cancelledTrials, 15);
    }
}

// A server that renames nothing over a page gets it stored straight under
// its name after its temporary file; one that takes no file under the
// temporary name gets it so at once. Cancel during that store leaves the
// page whole (put back from the whole temporary file, or stored to its end:
// there is nothing to put back) and no temporary file.
TEST_F(Publish, CancelDuringAStoreUnderThePagesOwnNameKeepsThePageWhole) {
    const std::string big = sized(400 * 1024, 'n');
    writeFile(site / "index.html", big);
    const std::string temporaries = std::string(Publisher::kTemporaryPattern);
    const std::vector<std::string> servers[] = {
        {"--no-rename-over", "--throttle", "200000"},
        {"--refuse-stor", temporaries, "--throttle", "200000"},
    };
    for (const auto& options : servers) {
        SCOPED_TRACE(options[0]);
        fs::remove_all(remote.path());
        writeFile(remote.path() / "index.html", "server's page");
        startServer(options);
        answers.clear();
        answers.answerMessage(1);
        answers.answerMessage(2);  // replace all
        bool cancelled = false;
        progress.onBytes = [&](const std::string& file, std::int64_t soFar) {
            // The second store of the page is the one under its own name.
            if (file == "index.html" && progress.fileBegins == 2 && soFar > 0 && !cancelled) {
                cancelled = true;
                publisher.cancel();
            }
        };
        EXPECT_EQ(publish(), Publisher::Outcome::Cancelled);
        EXPECT_TRUE(cancelled);
        wait(300);
        const std::string page = readFile(remote.path() / "index.html");
        EXPECT_TRUE(page == big) << page.size() << " bytes";
        EXPECT_TRUE(noTemporaryOnServer());
        EXPECT_FALSE(fs::exists(remote.path() / "o_mnie.html"));
        for (auto& a : answers.asked("message")) EXPECT_NE(a.title, "Błąd"_w) << a.text;
    }
}

// After a page that ended with its temporary file removed (a server that
// renames nothing over a page), Cancel still aborts the steps that follow:
// on a server that answers every command 0.7 s late, the publish ends
// within a second of it.
TEST_F(Publish, CancelAfterAPageStoredUnderItsOwnNameEndsAtOnce) {
    fs::remove(site / "o_mnie.html");
    writeFile(remote.path() / "index.html", "server's page");
    startServer({"--no-rename-over", "--reply-delay", "0.7"});
    publisher.client().setIdleTimeout(10000);
    answers.answerMessage(1);
    answers.answerMessage(6);  // replace index.html
    // The moment the server receives the command that makes the data
    // folder: its answer is 0.7 s away.
    std::chrono::steady_clock::time_point cancelled;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        std::string log = readFile(logDir.path() / "server.log");
        if (log.find("\nMKD ") != std::string::npos) {
            watch.stop();
            cancelled = std::chrono::steady_clock::now();
            publisher.cancel();
        }
    });
    watch.start(10);
    EXPECT_EQ(publish(), Publisher::Outcome::Cancelled);
    ASSERT_NE(cancelled, std::chrono::steady_clock::time_point());
    EXPECT_LT(std::chrono::steady_clock::now() - cancelled, std::chrono::seconds(1));
    EXPECT_EQ(readFile(remote.path() / "index.html"), "<html>index</html>");
    EXPECT_TRUE(noTemporaryOnServer());
}

// A page that cannot be read whole while it is being sent (another program
// cuts it short meanwhile) is named among the files not sent: its temporary
// file goes, the server keeps its copy, and the files after it go.
TEST_F(Publish, APageThatCannotBeReadWholeIsNamedAndTheOthersGo) {
    startServer();
    writeFile(remote.path() / "index.html", "server's page");
    writeFile(site / "index.html", sized(2 * 1024 * 1024, 'n'));
    progress.onBytes = [&](const std::string& file, std::int64_t soFar) {
        if (file == "index.html" && soFar > 0 && fs::file_size(site / "index.html") > 1000)
            fs::resize_file(site / "index.html", 1000);
    };
    answers.answerMessage(1);
    answers.answerMessage(6);  // replace index.html
    EXPECT_EQ(publish(), Publisher::Outcome::Incomplete);
    EXPECT_EQ(messageTexts().back(), kNotSent + "1. Pierwszy z nich: index.html (Nie można odczytać pliku index.html)."_w);
    auto onServer = tree(remote.path());
    EXPECT_EQ(onServer.size(), 3u);
    EXPECT_TRUE(onServer["index.html"] == "server's page") << onServer["index.html"].size() << " bytes";
    EXPECT_EQ(onServer["o_mnie.html"], "<html>o mnie</html>");
    EXPECT_EQ(onServer["data/pic.jpg"], "new pic");
}

TEST_F(Publish, SecondPublishConnectsAgain) {
    startServer();
    EXPECT_EQ(publish(), Publisher::Outcome::Done);
    writeFile(site / "index.html", "second");
    answers.clear();
    answers.answerMessage(1);
    answers.answerMessage(2);  // replace all
    EXPECT_EQ(publish(), Publisher::Outcome::Done);
    EXPECT_EQ(readFile(remote.path() / "index.html"), "second");
    EXPECT_EQ(messageTexts().back(), kEnd);
}

TEST_F(Publish, StopsBeforeConnecting) {
    startServer();
    struct Case {
        const char* what;
        int pages;
        std::uintmax_t extraBytes;  // a file that makes the site this big
        std::vector<int> answers;
        bool dialogOk;
        Publisher::Outcome outcome;
        int dialogs;
        std::string lastMessage;
    };
    std::uintmax_t base = 0;
    for (auto& [path, body] : tree(site)) base += body.size();
    const std::string sizeQuestion =
        "Twoja strona zajmuje ponad 6MB. Jeśli korzystasz z systemu darmowych kont może nie wystarczyć miejsca na "
        "serwerze na pliki strony. Proces wgrywania będzie trwał kilkanaście minut (w zależności od połączenia). "
        "Czy chcesz kontynuować?"_w;
    std::vector<Case> cases = {
        {"no documents", 0, 0, {}, true, Publisher::Outcome::NoPages, 0, "Strona nie zawiera żadnych dokumentów."_w},
        {"exactly 6 MB: no question", 2, 6291456, {}, false, Publisher::Outcome::DialogCancelled, 1, ""},
        {"one byte more: asked, No", 2, 6291457, {7}, true, Publisher::Outcome::SizeDeclined, 0, sizeQuestion},
        {"one byte more: asked, Yes, then the dialog", 2, 6291457, {6}, false, Publisher::Outcome::DialogCancelled, 1,
         sizeQuestion},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(site / "filler.bin");
        if (c.extraBytes) {
            writeFile(site / "filler.bin", "");
            fs::resize_file(site / "filler.bin", c.extraBytes - base);
        }
        answers.clear();
        for (int a : c.answers) answers.answerMessage(a);
        dialogShown = 0;
        dialogOk = c.dialogOk;
        EXPECT_EQ(publish(c.pages), c.outcome);
        EXPECT_EQ(dialogShown, c.dialogs);
        auto texts = messageTexts();
        if (c.lastMessage.empty())
            EXPECT_TRUE(texts.empty());
        else
            EXPECT_EQ(texts.back(), c.lastMessage);
        EXPECT_TRUE(tree(remote.path()).empty());
    }
}

TEST_F(Publish, ConnectionFailureShowsTheMessage) {
    startServer();
    writeProject(server->hostPort(), "wrong");
    EXPECT_EQ(publish(), Publisher::Outcome::ConnectFailed);
    auto boxes = answers.asked("message");
    EXPECT_EQ(boxes.back().text,
              "Nie można ustanowić połączenia z serwerem. Być może adres serwera jest zły, lub podałeś złe hasło lub "
              "nazwę użytkownika. Sprawdź jeszcze raz dane i spróbuj ponownie."_w);
    EXPECT_EQ(boxes.back().flags, 48);
}

TEST_F(Publish, DialogSettingsComeFromTheProjectFileWhichIsNeverWritten) {
    writeProject("ftp.example.pl", "tajne", "/www/moja");
    std::string prjBefore = readFile(site / "project.prj");
    PublishSettings s;
    EXPECT_TRUE(s.autoDetect);
    s.folder = "/typed";
    s.load(appDir, "Moja");
    EXPECT_EQ(s.host, "ftp.example.pl");
    EXPECT_EQ(s.user, TestServer::user());
    EXPECT_EQ(s.password, "tajne");
    EXPECT_EQ(s.folder, "/www/moja");
    writeProject("ftp.example.pl", "tajne", "");
    s.load(appDir, "Moja");
    EXPECT_EQ(s.folder, "/www/moja");  // an empty dir leaves the text as it was
    EXPECT_EQ(readFile(site / "project.prj"), prjBefore.substr(0, prjBefore.find("dir=")) + "dir=\r\n");

    struct Case {
        std::string host, user;
        bool ok;
    } cases[] = {{"h", "u", true}, {"", "u", false}, {"h", "", false}};
    for (const Case& c : cases) {
        answers.clear();
        s.host = c.host;
        s.user = c.user;
        EXPECT_EQ(s.accept(messages), c.ok);
        EXPECT_EQ(answers.asked("message").size(), c.ok ? 0u : 1u);
    }
}

TEST_F(Publish, ClosingTheProgressWindowAsksFirst) {
    answers.answerMessage(7);
    EXPECT_FALSE(publisher.confirmClose());
    EXPECT_FALSE(publisher.cancelled());
    answers.answerMessage(6);
    EXPECT_TRUE(publisher.confirmClose());
    EXPECT_TRUE(publisher.cancelled());
    EXPECT_EQ(answers.asked("message").size(), 2u);
    EXPECT_TRUE(publisher.confirmClose());  // already cancelled: no question
    EXPECT_EQ(answers.asked("message").size(), 2u);
}

class Export : public Publish {
protected:
    // The starters and the autorun file in the program's data folder, as
    // the program ships them.
    void shipCdFiles() {
        writeProject("h", "tajne");
        for (const char* f : {"start.exe", "start.sh", "autorun.inf"}) {
            fs::create_directories(app.path() / "data");
            fs::copy_file(fs::path(PUBLISH_CD_DIR) / f, app.path() / "data" / f);
        }
    }
};

TEST_F(Export, CopiesTheWholeSiteButTheProjectFile) {
    writeProject("h", "tajne");
    TempDir out;
    fs::path dest = out.path() / "eksport";
    answers.answerFolder(true, dest.string());
    SiteExport ex(messages);
    ex.progress = &progress;
    EXPECT_EQ(ex.exportSite(appDir, "Moja"), SiteExport::Outcome::Done);
    std::map<std::string, std::string> expected = {
        {"index.html", "<html>index</html>"}, {"o_mnie.html", "<html>o mnie</html>"},
        {"data/pic.jpg", "new pic"},  {"data/img/deep.jpg", "deep"},
        {"sub/inner.html", "inner"},
    };
    EXPECT_EQ(tree(dest), expected);
    EXPECT_EQ(progress.shown.size(), 5u);
    EXPECT_EQ(progress.jobSoFar, progress.total);
}

// Names from the disk are names: one holding backslashes leads nowhere
// outside the chosen folder (it is left out, and the user told); temporary
// files stay behind; a name beginning with a dot is an ordinary one.
TEST_F(Export, OnlyTheSitesOwnFilesAreCopied) {
    writeProject("h", "tajne");
    writeFile(site / ".htaccess", "Options -Indexes");
    writeFile(site / "..\\..\\..\\..\\..\\..\\..\\..\\EXPORT-ESCAPED", "escaped");
    writeFile(site / "data" / "..\\..\\pic.jpg", "escaped");
    writeFile(site / "index.html.~wr", "temporary");
    writeFile(site / "data" / "pic.jpg.~wr31337", "temporary");
    writeFile(site / "o_mnie.html.pw-upload", "temporary");
    const std::map<std::string, std::string> expected = {
        {".htaccess", "Options -Indexes"}, {"index.html", "<html>index</html>"},
        {"o_mnie.html", "<html>o mnie</html>"}, {"data/pic.jpg", "new pic"},
        {"data/img/deep.jpg", "deep"}, {"sub/inner.html", "inner"},
    };
    const std::string note = kLeftOut + "2. Pierwszy z "
                             "nich: ..\\..\\..\\..\\..\\..\\..\\..\\EXPORT-ESCAPED (nazwa pliku zawiera znak "
                             "\"\\\" lub znak spoza polskiego zestawu znaków i nie może być użyta)."_w;
    for (bool cd : {false, true}) {
        SCOPED_TRACE(cd ? "CD" : "export");
        TempDir out;
        fs::path dest = out.path() / "a" / "b" / "eksport";
        answers.clear();
        answers.answerMessage(1);
        answers.answerFolder(true, dest.string());
        SiteExport ex(messages);
        EXPECT_EQ(cd ? ex.prepareCd(appDir, "Moja") : ex.exportSite(appDir, "Moja"), SiteExport::Outcome::Incomplete);
        auto copied = tree(dest);
        copied.erase("start.exe");
        copied.erase("start.sh");
        copied.erase("autorun.inf");
        EXPECT_EQ(copied, expected);
        EXPECT_EQ(tree(out.path()).size(), tree(dest).size());  // nothing beside the chosen folder
        EXPECT_FALSE(fs::exists("/EXPORT-ESCAPED"));
        EXPECT_EQ(messageTexts().back(), note);
    }
}

// The child of the crash trials below: exports the site over the files an
// earlier export left in the target, replacing every one.
TEST(ExportChild, ExportsOverTheOldFiles) {
    if (!files::testing::inSaveChild()) GTEST_SKIP() << "run by the crash trials";
    forms::ScriptedAnswers answers;
    forms::setModal(&answers);
    answers.answerFolder(true, std::getenv("EXPORT_TRIAL_TARGET"));
    for (int i = 0; i < 10; ++i) answers.answerMessage(6);
    MessageList messages;
    files::testing::runSaveChild([&] { SiteExport(messages).exportSite(std::getenv("EXPORT_TRIAL_APP"), "Moja"); });
}

// An export killed at each step of its copies and at random moments: every
// file of the target is the old one or the whole new one; the next export
// removes what the killed one left and leaves no temporary file of its own.
TEST_F(Export, KilledExportLeavesOldOrWholeFilesAndTheNextOneTidiesUp) {
    writeProject("h", "tajne");
    const std::string page(300000, 'p'), pic(200000, 'j');
    writeFile(site / "index.html", page);
    writeFile(site / "data/pic.jpg", pic);
    TempDir out;
    ::setenv("EXPORT_TRIAL_TARGET", out.path().c_str(), 1);
    ::setenv("EXPORT_TRIAL_APP", appDir.c_str(), 1);
    const std::map<std::string, std::string> old = {{"index.html", "old index"}, {"data/pic.jpg", "old pic"}};
    int leftAfterNext = 0, wrongAfterNext = 0;
    auto exported = tree(site);
    exported.erase("project.prj");
    auto prepare = [&] {
        fs::remove_all(out.path());
        for (auto& [name, body] : old) writeFile(out.path() / name, body);
    };
    auto look = [&] {
        bool other = false;
        const bool freshIndex = readFile(out.path() / "index.html") == page;
        for (auto& [name, body] : std::map<std::string, std::string>{{"index.html", page}, {"data/pic.jpg", pic}}) {
            std::string now = readFile(out.path() / name);
            if (now != body && now != old.at(name)) other = true;
        }
        // The next export, as the user starts it again.
        answers.clear();
        answers.answerFolder(true, out.path().string());
        for (int i = 0; i < 10; ++i) answers.answerMessage(6);
        SiteExport(messages).exportSite(appDir, "Moja");
        auto now = tree(out.path());
        if (now != exported) ++wrongAfterNext;  // a stray file of any name too
        for (auto& [name, body] : now)
            if (files::isTemporaryName(fs::path(name).filename().string())) ++leftAfterNext;
        prepare();
        return other ? files::testing::Seen::Other : freshIndex ? files::testing::Seen::New : files::testing::Seen::Old;
    };
    files::testing::Figures steps = files::testing::killAtEachStep("ExportChild.ExportsOverTheOldFiles", prepare, look, {});
    std::cout << "export killed at each step: " << steps.text() << "\n";
    EXPECT_GE(steps.trials, 20);
    EXPECT_EQ(steps.other, 0);
    files::testing::Figures random =
        files::testing::killAtRandom(40, "ExportChild.ExportsOverTheOldFiles", prepare, look, {});
    std::cout << "export killed at random: " << random.text() << "\n";
    EXPECT_EQ(random.other, 0);
    EXPECT_EQ(leftAfterNext, 0);
    EXPECT_EQ(wrongAfterNext, 0);
}

TEST_F(Export, ReplaceQuestionForExistingFiles) {
    SiteExport ex(messages);
    struct Case {
        std::vector<int> answers;
        SiteExport::Outcome outcome;
        std::string index, pic;
    } cases[] = {
        {{7, 7}, SiteExport::Outcome::Done, "old index", "old pic"},
        {{2}, SiteExport::Outcome::Cancelled, "old index", "old pic"},
        {{6, 6}, SiteExport::Outcome::Done, "<html>index</html>", "new pic"},
    };
    for (const Case& c : cases) {
        TempDir out;
        writeFile(out.path() / "index.html", "old index");
        writeFile(out.path() / "data/pic.jpg", "old pic");
        answers.clear();
        answers.answerFolder(true, out.path().string());
        for (int a : c.answers) answers.answerMessage(a);
        EXPECT_EQ(ex.exportSite(appDir, "Moja"), c.outcome);
        EXPECT_EQ(readFile(out.path() / "index.html"), c.index);
        EXPECT_EQ(readFile(out.path() / "data/pic.jpg"), c.pic);
        EXPECT_EQ(int(answers.asked("message").size()), int(c.answers.size()));
    }
}

TEST_F(Export, RefusedOrFailedDestinations) {
    SiteExport ex(messages);
    auto before = tree(app.path());
    for (fs::path into : {site, site / "data", site / "nowy" / "folder", site / "sub" / ".." / "data"}) {
        SCOPED_TRACE(into.string());
        answers.clear();
        answers.answerFolder(true, into.string());
        EXPECT_EQ(ex.exportSite(appDir, "Moja"), SiteExport::Outcome::IntoItself);
        ASSERT_EQ(answers.asked("message").size(), 1u);
        EXPECT_EQ(answers.asked("message")[0].flags, 48);
        EXPECT_EQ(tree(app.path()), before);
    }
    // A file where the folder should be: nothing can be copied, and the user is told.
    TempDir out;
    writeFile(out.path() / "plik", "x");
    answers.clear();
    answers.answerFolder(true, (out.path() / "plik").string());
    EXPECT_EQ(ex.exportSite(appDir, "Moja"), SiteExport::Outcome::Incomplete);
    ASSERT_EQ(answers.asked("message").size(), 1u);
    EXPECT_EQ(answers.asked("message")[0].title, "Błąd"_w);
    EXPECT_EQ(readFile(out.path() / "plik"), "x");

    answers.clear();
    answers.answerFolder(false);
    EXPECT_EQ(ex.exportSite(appDir, "Moja"), SiteExport::Outcome::NoFolder);
    answers.answerFolder(true, "");
    EXPECT_EQ(ex.exportSite(appDir, "Moja"), SiteExport::Outcome::NoFolder);
}

// The child of the crash trials below: prepares the CD in a fresh folder.
TEST(CdChild, PreparesTheCd) {
    if (!files::testing::inSaveChild()) GTEST_SKIP() << "run by the crash trials";
    forms::ScriptedAnswers answers;
    forms::setModal(&answers);
    answers.answerMessage(1);
    answers.answerFolder(true, std::getenv("EXPORT_TRIAL_TARGET"));
    MessageList messages;
    files::testing::runSaveChild([&] { SiteExport(messages).prepareCd(std::getenv("EXPORT_TRIAL_APP"), "Moja"); });
}

// A CD preparation killed at each step of its copies: a starter in the
// target can always be run (the copies that come later never replace it).
TEST_F(Export, KilledCdPreparationLeavesNoStarterThatCannotRun) {
    shipCdFiles();
    TempDir out;
    ::setenv("EXPORT_TRIAL_TARGET", out.path().c_str(), 1);
    ::setenv("EXPORT_TRIAL_APP", appDir.c_str(), 1);
    auto prepare = [&] {
        fs::remove_all(out.path());
        fs::create_directories(out.path());
    };
    auto look = [&] {
        bool present = false, other = false;
        for (const char* f : {"start.exe", "start.sh"}) {
            fs::path p = out.path() / f;
            if (!fs::exists(p)) continue;
            present = true;
            const bool runs = (fs::status(p).permissions() & fs::perms::owner_exec) != fs::perms::none;
            if (!runs || readFile(p) != readFile(app.path() / "data" / f)) other = true;
        }
        return other ? files::testing::Seen::Other : present ? files::testing::Seen::New : files::testing::Seen::Old;
    };
    files::testing::Figures steps = files::testing::killAtEachStep("CdChild.PreparesTheCd", prepare, look, {});
    std::cout << "CD preparation killed at each step: " << steps.text() << "\n";
    EXPECT_GT(steps.fresh, 0);
    EXPECT_EQ(steps.other, 0);
}

TEST_F(Export, CdGetsTheStarterAndTheAutorunFile) {
    shipCdFiles();
    TempDir out;
    writeFile(out.path() / "autorun.inf", "mine");
    answers.answerFolder(true, out.path().string());
    SiteExport ex(messages);
    EXPECT_EQ(ex.prepareCd(appDir, "Moja"), SiteExport::Outcome::Done);
    EXPECT_EQ(answers.asked("message")[0].title, "Informacja:"_w);
    EXPECT_EQ(readFile(out.path() / "autorun.inf"), "mine");  // never overwritten
    EXPECT_EQ(readFile(out.path() / "start.exe"), readFile(fs::path(PUBLISH_CD_DIR) / "start.exe"));
    EXPECT_EQ(readFile(out.path() / "start.sh"), readFile(fs::path(PUBLISH_CD_DIR) / "start.sh"));
    // start.exe is a 32-bit Windows program with a window-less (GUI) entry,
    // which calls ShellExecuteW.
    std::string exe = readFile(out.path() / "start.exe");
    ASSERT_GT(exe.size(), 0x40u);
    EXPECT_EQ(exe.substr(0, 2), "MZ");
    std::uint32_t pe = std::uint8_t(exe[0x3C]) | std::uint8_t(exe[0x3D]) << 8 | std::uint8_t(exe[0x3E]) << 16 |
                       std::uint32_t(std::uint8_t(exe[0x3F])) << 24;
    ASSERT_LT(pe + 0x60u, exe.size());
    EXPECT_EQ(exe.substr(pe, 6), std::string("PE\0\0\x4c\x01", 6));
    EXPECT_EQ(std::uint8_t(exe[pe + 24 + 68]), 2);  // IMAGE_SUBSYSTEM_WINDOWS_GUI
    EXPECT_NE(exe.find("ShellExecuteW"), std::string::npos);
    EXPECT_LT(exe.size(), 64u * 1024);
    EXPECT_FALSE(fs::exists(out.path() / "project.prj"));
    EXPECT_EQ(readFile(out.path() / "index.html"), "<html>index</html>");

    // The starter opens index.html beside it with the desktop's opener.
    TempDir bin;
    writeFile(bin.path() / "xdg-open", "#!/bin/sh\necho \"$1\" > \"" + (bin.path() / "opened").string() + "\"\n");
    fs::permissions(bin.path() / "xdg-open", fs::perms::owner_all);
    std::string cmd = "cd / && PATH='" + bin.path().string() + ":/usr/bin:/bin' '" + (out.path() / "start.sh").string() + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(readFile(bin.path() / "opened"), (fs::canonical(out.path()) / "index.html").string() + "\n");

    // A fresh folder gets the shipped autorun file.
    TempDir out2;
    answers.answerFolder(true, out2.path().string());
    EXPECT_EQ(ex.prepareCd(appDir, "Moja"), SiteExport::Outcome::Done);
    EXPECT_EQ(readFile(out2.path() / "autorun.inf"), "[autorun]\r\nopen=start.exe\r\nlabel=Prezentacja WWW\r\n");
}

}  // namespace
