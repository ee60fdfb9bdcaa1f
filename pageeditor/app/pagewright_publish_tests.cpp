// The publish dialog and the progress window driven headless, and the main
// window's publish, export and CD commands run end to end: against a real
// FTP server on 127.0.0.1 and into real temporary folders.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>

#include "TestServer.h"
#include "files/FileSystem.h"
#include "forms/Animation.h"
#include "forms/Application.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Drive.h"
#include "net/FtpClient.h"
#include "forms/Label.h"
#include "forms/ListView.h"
#include "forms/MenuItem.h"
#include "forms/ProgressBar.h"
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Timer.h"
#include "forms/ToolButton.h"
#include "forms/Types.h"
#include "forms/WindowOrder.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/PublishCommands.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/app/Tprog.h"
#include "pageeditor/app/Tpubf.h"
#include "pageeditor/publish/PublishSettings.h"
#include "pageeditor/publish/Publisher.h"
#include "registry/Registry.h"
#include "text/CodePage.h"

using namespace pageeditor;
using namespace text::literals;
namespace fs = std::filesystem;
using net::testing::TempDir;
using net::testing::TestServer;
using net::testing::readFile;
using net::testing::writeFile;

namespace {

std::map<std::string, std::string> tree(const fs::path& root) {
    std::map<std::string, std::string> files;
    if (!fs::exists(root)) return files;
    for (auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) files[fs::relative(e.path(), root).string()] = readFile(e.path());
    return files;
}

fs::path shippedFolder() { return fs::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "Pagewright"; }

const std::string kReady =
    "Program jest gotowy rozpocząć kopiowanie plików. W zależności od szybkości połączenia i wielkości serwisu może "
    "to zająć kilka lub kilkanaście minut."_w;
const std::string kEnd = "Wgrywanie plików zakończone. Twój serwis od teraz dostępny jest w Sieci!"_w;
const std::string kMissing =
    "Musisz wprowadzić adres twojego serwera FTP (np. ftp.mojastrona.pl) oraz nazwę użytkownika i hasło."_w;

// What the test sees of the progress window while a job runs, sampled by a
// timer of the main window (it fires in the event processing of the job).
struct Watch {
    int samples = 0;
    bool shownWhileRunning = false;
    bool mainDisabledWhileRunning = false;
    std::int64_t lastJob = -1, jobMax = -1;
    bool jobWentBack = false;
    std::int64_t fileMaxSeen = 0;
    std::vector<std::string> files;
};

// Scripted answers that may act while a box is up, as the user can between
// answering a question and the next step.
struct Answers : forms::ScriptedAnswers {
    std::function<void(const std::string& text, int flags)> onMessage;
    int messageBox(const std::string& text, const std::string& title, int flags) override {
        int r = ScriptedAnswers::messageBox(text, title, flags);
        if (onMessage) onMessage(text, flags);
        return r;
    }
};

class Publishing : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "pagewright_publish_tests";
        static char* argv[] = {arg0, nullptr};
        static forms::Application* app = new forms::Application(argc, argv);  // lives to the end of the run
        (void)app;
    }

    void SetUp() override {
        registry::setPath(tmp.path() / "registry");
        forms::setModal(&answers);
        forms::Application::clearEndRequest();
        forms::Application::setTitle("Sitecraft");
        dir = tmp.path() / "Pagewright";
        writeFile(dir / "data/lang/pl/trans.msg", "");
        fs::create_directories(dir / "data/library");
        for (const char* f : {"start.exe", "start.sh", "autorun.inf"})
            fs::copy_file(shippedFolder() / "data" / f, dir / "data" / f);
        site = dir / "webpages" / "Moja";
        writeFile(site / "index.html", "<html>index</html>");
        writeFile(site / "o_mnie.html", "<html>o mnie</html>");
        writeFile(site / "data/pic.jpg", "new pic");
        writeFile(site / "data/img/deep.jpg", "deep");
        writeProject("ftp.example.pl", "user", "tajne");
    }

    void TearDown() override {
        all.reset();
        forms::setModal(nullptr);
        forms::drive::setModalHook(nullptr);
        forms::Application::clearEndRequest();
        registry::setPath({});
    }

    void writeProject(const std::string& host, const std::string& user, const std::string& pass,
                      const std::string& folder = "") {
        writeFile(site / "project.prj", "[project]\r\nauthor=Ja\r\nname=Moja\r\nemail=ja@example.pl\r\nhost=" + host +
                                            "\r\nuser=" + user + "\r\npass=" + pass + "\r\ndir=" + folder + "\r\n");
    }

    // Starts the editor with the site "Moja" open and its pages listed.
    TMainForm& start() {
        TMainForm::setProgramFolder(dir.string());
        all = std::make_unique<EditorForms>();
        all->createAll();
        TMainForm& m = *all->MainForm;
        m.show();
        forms::drive::processEvents();
        m.site_name = "Moja";
        m.ListView1->addItem("index.html", 0);
        m.ListView1->addItem("o_mnie.html", 0);
        m.enable(1);
        return m;
    }

    void startServer() {
        server = std::make_unique<TestServer>("ftp", remote.path(), std::vector<std::string>{"--active-only"});
        writeProject(server->hostPort(), TestServer::user(), TestServer::password());
        net::FtpClient& c = all->prog->IdFTP1(all->MainForm->messages).client();
        c.setConnectTimeout(3000);
        c.setIdleTimeout(3000);
    }

    // Samples the progress window every few milliseconds while a job runs;
    // `act` may press its buttons.
    void watchProgress(std::function<void(Tprog&)> act = {}) {
        timer = all->MainForm->add<forms::Timer>("WatchTimer", 2);
        timer->onTimer = [this, act] {
            Tprog& p = *all->prog;
            if (!p.visible()) return;
            ++watch.samples;
            watch.shownWhileRunning = true;
            watch.mainDisabledWhileRunning = !all->MainForm->enabled();
            std::int64_t job = p.ProgressBar2->position();
            if (job < watch.lastJob) watch.jobWentBack = true;
            watch.lastJob = job;
            watch.jobMax = p.ProgressBar2->max();
            watch.fileMaxSeen = std::max(watch.fileMaxSeen, p.ProgressBar1->max());
            std::string f = p.Label7->caption();
            if (!f.empty() && (watch.files.empty() || watch.files.back() != f)) watch.files.push_back(f);
            if (act) act(p);
        };
    }
    void stopWatching() {
        if (timer) timer->setEnabled(false);
    }

    // The dialog confirmed as it was filled from the project file.
    void confirmDialog() {
        forms::drive::setModalHook([this](forms::Form& f) {
            if (&f == all->pubf.get()) all->pubf->SpeedButton1->press();
        });
    }

    std::vector<forms::ScriptedAnswers::Asked> boxes() { return answers.asked("message"); }

    TempDir tmp, remote;
    fs::path dir, site;
    Answers answers;
    std::unique_ptr<EditorForms> all;
    std::unique_ptr<TestServer> server;
    forms::Timer* timer = nullptr;
    Watch watch;
};

}  // namespace

// ---------------------------------------------------------------------------
// The publish dialog.

TEST_F(Publishing, DialogShowsTheProjectFileAndNeverWritesIt) {
    start();
    writeProject("ftp.moja.pl", "jan", "tajne", "/www/moja");
    const std::string before = readFile(site / "project.prj");
    Tpubf& d = *all->pubf;
    EXPECT_EQ(d.caption(), "Publikacja strony w Sieci:"_w);
    std::vector<std::string> items;
    for (int i = 0; i < d.ComboBox1->listCount(); ++i) items.push_back(d.ComboBox1->list(i));
    EXPECT_EQ(items, PublishSettings::folderItems());
    EXPECT_TRUE(d.CheckBox1->checked()) << "ticked when the program starts";

    PublishSettings s;
    s.load(all->MainForm->app_dir, "Moja");
    std::string seen[4];
    forms::drive::setModalHook([&](forms::Form&) {
        seen[0] = d.Edit974->text();
        seen[1] = d.Edit975->text();
        seen[2] = d.Edit976->text();
        seen[3] = d.ComboBox1->text();
        d.Edit976->setText("inne");
        d.SpeedButton1->press();
    });
    EXPECT_TRUE(d.execute(s, all->MainForm->messages));
    EXPECT_EQ(seen[0], "ftp.moja.pl");
    EXPECT_EQ(seen[1], "jan");
    EXPECT_EQ(seen[2], "tajne");
    EXPECT_EQ(seen[3], "/www/moja");
    EXPECT_EQ(s.password, "inne");
    EXPECT_EQ(readFile(site / "project.prj"), before);

    // An empty dir keeps the folder text of the last showing.
    writeProject("ftp.moja.pl", "jan", "tajne", "");
    PublishSettings again;
    again.folder = s.folder;
    again.load(all->MainForm->app_dir, "Moja");
    forms::drive::setModalHook([&](forms::Form&) {
        seen[3] = d.ComboBox1->text();
        d.SpeedButton2->press();
    });
    EXPECT_FALSE(d.execute(again, all->MainForm->messages));
    EXPECT_EQ(seen[3], "/www/moja");
}

TEST_F(Publishing, DialogOkNeedsServerAndUser) {
    start();
    Tpubf& d = *all->pubf;
    enum How { Button, Enter, Escape, CancelButton };
    struct Case {
        std::string host, user;
        How how;
        bool ok;
        bool message;  // the OK check's message, the dialog staying open
    } cases[] = {
        {"ftp.moja.pl", "jan", Button, true, false},
        {"ftp.moja.pl", "jan", Enter, true, false},
        {"", "jan", Button, false, true},
        {"ftp.moja.pl", "", Enter, false, true},
        {"", "", Button, false, true},
        {"", "", Escape, false, false},
        {"ftp.moja.pl", "jan", CancelButton, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.host + "/" + c.user + " " + std::to_string(c.how));
        answers.clear();
        PublishSettings s;
        s.host = c.host;
        s.user = c.user;
        bool stayedOpen = false;
        forms::drive::setModalHook([&](forms::Form&) {
            switch (c.how) {
            case Button: d.SpeedButton1->press(); break;
            case Enter: forms::drive::pressKey(*d.Edit975, forms::key::Return); break;
            case Escape: forms::drive::pressKey(*d.Edit974, forms::key::Escape); break;
            case CancelButton: d.SpeedButton2->press(); break;
            }
            stayedOpen = d.visible() && d.modalResult() == 0;
            if (stayedOpen) d.SpeedButton2->press();  // the user gives up
        });
        EXPECT_EQ(d.execute(s, all->MainForm->messages), c.ok);
        EXPECT_EQ(stayedOpen, c.message);
        auto asked = boxes();
        ASSERT_EQ(asked.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(asked[0].text, kMissing);
            EXPECT_EQ(asked[0].title, "Informacja:"_w);
            EXPECT_EQ(asked[0].flags, 64);
        }
    }
}

TEST_F(Publishing, DetectionBoxEnablesTheFolderFieldsAndKeepsItsState) {
    start();
    Tpubf& d = *all->pubf;
    auto folderFieldsEnabled = [&] {
        bool all4 = d.Label8->enabled() && d.Label5->enabled() && d.Label1->enabled() && d.ComboBox1->enabled();
        bool none = !d.Label8->enabled() && !d.Label5->enabled() && !d.Label1->enabled() && !d.ComboBox1->enabled();
        EXPECT_TRUE(all4 || none);
        return all4;
    };
    EXPECT_FALSE(folderFieldsEnabled()) << "the box starts ticked";
    PublishSettings s;
    s.host = "h";
    s.user = "u";
    bool enabledInside = false;
    forms::drive::setModalHook([&](forms::Form&) {
        forms::drive::click(*d.CheckBox1);
        enabledInside = folderFieldsEnabled();
        d.ComboBox1->setText("/public_html/moja");
        d.SpeedButton2->press();  // cancelled: the box still keeps its state
    });
    EXPECT_FALSE(d.execute(s, all->MainForm->messages));
    EXPECT_TRUE(enabledInside);
    EXPECT_FALSE(s.autoDetect);
    // The next showing finds the box unticked and the fields enabled.
    forms::drive::setModalHook([&](forms::Form&) {
        enabledInside = folderFieldsEnabled();
        d.SpeedButton1->press();
    });
    EXPECT_TRUE(d.execute(s, all->MainForm->messages));
    EXPECT_TRUE(enabledInside);
    EXPECT_FALSE(s.autoDetect);
    EXPECT_EQ(s.folder, "/public_html/moja");
}

// ---------------------------------------------------------------------------
// The progress window.

TEST_F(Publishing, ProgressWindowDisablesTheMainWindowAndCancelClosesIt) {
    TMainForm& m = start();
    Tprog& p = *all->prog;
    EXPECT_EQ(p.caption(), "Postęp:"_w);
    int cancels = 0;
    p.cancelJob = [&] { ++cancels; };
    p.open(1000);
    EXPECT_TRUE(p.visible());
    EXPECT_TRUE(forms::isTopmost(p));
    EXPECT_FALSE(m.enabled());
    EXPECT_TRUE(p.Animate1->active());
    EXPECT_EQ(p.ProgressBar2->max(), 1000);
    p.showFile("index.html");
    EXPECT_EQ(p.Label7->caption(), "index.html");
    p.fileBegin(300);
    p.fileBytes(120, 420);
    EXPECT_EQ(p.ProgressBar1->max(), 300);
    EXPECT_EQ(p.ProgressBar1->position(), 120);
    EXPECT_EQ(p.ProgressBar2->position(), 420);
    p.fileEnd();
    EXPECT_EQ(p.ProgressBar1->position(), 0);
    p.fileBegin(0);  // no count known
    EXPECT_EQ(p.ProgressBar1->max(), 0);

    // The close box asks first when a question is given; No keeps it open.
    bool stop = false;
    int asked = 0;
    p.confirmClose = [&] {
        ++asked;
        return stop;
    };
    forms::drive::closeByUser(p);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(p.visible());
    EXPECT_EQ(cancels, 0);
    // Yes cancels the job; the window stays, the main window disabled,
    // until the job has ended what it must and closes it (a second close
    // box changes nothing meanwhile).
    stop = true;
    forms::drive::closeByUser(p);
    EXPECT_EQ(cancels, 1);
    EXPECT_TRUE(p.cancelled);
    EXPECT_TRUE(p.visible());
    EXPECT_FALSE(m.enabled());
    forms::drive::closeByUser(p);
    EXPECT_TRUE(p.visible());
    EXPECT_FALSE(m.enabled());
    p.close();
    EXPECT_FALSE(p.visible());
    EXPECT_TRUE(p.isLoaded()) << "closing only hides it";
    EXPECT_TRUE(m.enabled());
    EXPECT_FALSE(p.Animate1->active());

    // Opening for the next job clears the flag; Button1 cancels, and the
    // job closes the window.
    p.open(10);
    EXPECT_FALSE(p.cancelled);
    EXPECT_EQ(p.ProgressBar2->position(), 0);
    EXPECT_EQ(p.Label7->caption(), "");
    p.Button1->press();
    EXPECT_EQ(cancels, 2);
    EXPECT_TRUE(p.visible());
    EXPECT_FALSE(m.enabled());
    p.close();
    EXPECT_TRUE(m.enabled());
    // Without a question the close box acts as Cancel.
    p.confirmClose = nullptr;
    p.open(10);
    forms::drive::closeByUser(p);
    EXPECT_EQ(cancels, 3);
    EXPECT_TRUE(p.visible());
    p.close();
    EXPECT_EQ(asked, 2);
    // With no job the window's Cancel just closes it.
    p.cancelJob = nullptr;
    p.open(10);
    p.Button1->press();
    EXPECT_FALSE(p.visible());
    EXPECT_TRUE(m.enabled());
}

// ---------------------------------------------------------------------------
// The commands, end to end.

TEST_F(Publishing, PublishFromTheMainWindowWithProgressAndReplaceQuestions) {
    TMainForm& m = start();
    startServer();
    fs::create_directories(remote.path() / "public_html");
    writeFile(remote.path() / "WWW/index.html", "server's index");
    writeFile(remote.path() / "WWW/data/pic.jpg", "server's pic");
    const std::string big(3 * 1024 * 1024, 'd');
    writeFile(site / "duza.html", big);
    const std::int64_t siteSize = 18 + 19 + 7 + 4 + std::int64_t(big.size()) +
                                  std::int64_t(fs::file_size(site / "project.prj"));
    confirmDialog();
    watchProgress();
    answers.answerMessage(1);  // ready to copy
    answers.answerMessage(7);  // index.html: No, the server keeps its copy
    answers.answerMessage(6);  // data/pic.jpg: Yes
    answers.answerMessage(1);  // the end
    m.SpeedButton2->press();
    stopWatching();

    auto asked = boxes();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0].text, kReady);
    EXPECT_EQ(asked[1].flags, 35);
    EXPECT_EQ(asked[1].text, "Plik "_w + m.app_dir + "webpages\\Moja\\index.html" +
                                 " już istnieje na serwerze, czy zastąpić go? ANULUJ - zastępuje wszystkie pliki."_w);
    EXPECT_EQ(asked[2].flags, 35);
    EXPECT_EQ(asked[3].text, kEnd);
    // "WWW" is found without regard to case and chosen over public_html;
    // only the top level of the site and of data\ is sent, never the project file.
    std::map<std::string, std::string> expected = {
        {"WWW/index.html", "server's index"},
        {"WWW/o_mnie.html", "<html>o mnie</html>"},
        {"WWW/duza.html", big},
        {"WWW/data/pic.jpg", "new pic"},
    };
    EXPECT_EQ(tree(remote.path()), expected);
    EXPECT_TRUE(fs::is_empty(remote.path() / "public_html"));

    EXPECT_TRUE(watch.shownWhileRunning);
    EXPECT_TRUE(watch.mainDisabledWhileRunning);
    EXPECT_GT(watch.samples, 3);
    EXPECT_FALSE(watch.jobWentBack);
    EXPECT_EQ(watch.jobMax, siteSize);
    EXPECT_EQ(watch.fileMaxSeen, std::int64_t(big.size()));
    EXPECT_NE(std::find(watch.files.begin(), watch.files.end(), "duza.html"), watch.files.end());
    EXPECT_FALSE(all->prog->visible());
    EXPECT_TRUE(m.enabled());
    EXPECT_FALSE(m.Wstaw1->enabled()) << "the menus come back as they were: no document is open";
    EXPECT_TRUE(m.Plik1->enabled());

    // A second publish from the toolbar connects afresh; Cancel at the first
    // question replaces everything, the media too, without more questions.
    writeFile(site / "index.html", "second");
    writeFile(site / "data/pic.jpg", "second pic");
    answers.clear();
    answers.answerMessage(1);
    answers.answerMessage(2);  // replace all
    answers.answerMessage(1);
    m.ToolButton12->click();
    asked = boxes();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[2].text, kEnd);
    EXPECT_EQ(readFile(remote.path() / "WWW/index.html"), "second");
    EXPECT_EQ(readFile(remote.path() / "WWW/data/pic.jpg"), "second pic");
}

TEST_F(Publishing, CancelInTheProgressWindowAbortsTheTransferAndSendsNothingMore) {
    TMainForm& m = start();
    startServer();
    writeFile(remote.path() / "b_duza.html", "server's page");
    writeFile(site / "a.html", "a");
    writeFile(site / "b_duza.html", std::string(8 * 1024 * 1024, 'b'));
    writeFile(site / "c.html", "c");
    confirmDialog();
    bool pressed = false;
    watchProgress([&](Tprog& p) {
        if (!pressed && p.Label7->caption() == "b_duza.html" && p.ProgressBar1->position() > 0) {
            pressed = true;
            p.Button1->press();
        }
    });
    answers.answerMessage(6);  // over 6 MB: go on
    answers.answerMessage(1);
    answers.answerMessage(6);  // replace b_duza.html
    m.Publikujstronwsieci1->click();
    ASSERT_EQ(boxes()[0].flags, 36);
    stopWatching();
    ASSERT_TRUE(pressed);
    EXPECT_EQ(readFile(remote.path() / "a.html"), "a");
    EXPECT_EQ(readFile(remote.path() / "b_duza.html"), "server's page") << "the page it had stays";
    EXPECT_FALSE(fs::exists(remote.path() / "c.html"));
    EXPECT_FALSE(fs::exists(remote.path() / "data"));
    for (auto& [name, body] : tree(remote.path()))
        EXPECT_FALSE(Publisher::isTemporaryName(fs::path(name).filename().string())) << name;
    EXPECT_NE(boxes().back().text, kEnd);
    EXPECT_FALSE(all->prog->visible());
    EXPECT_TRUE(m.enabled());
}

// A server that takes the data connection and stops reading it after 128 KB
// (the rest of the page fits into the sockets' buffers, so the client has
// sent it and waits for the server's answer): the main window keeps
// painting all through, and Cancel in the progress window ends the publish
// within a second, quietly, with the partial temporary file removed.
TEST_F(Publishing, AStalledStoreLeavesTheWindowPaintingAndCancelEndsIt) {
    TMainForm& m = start();
    server = std::make_unique<TestServer>("ftp", remote.path(), std::vector<std::string>{"--stall-after", "131072"});
    writeProject(server->hostPort(), TestServer::user(), TestServer::password());
    net::FtpClient& c = all->prog->IdFTP1(m.messages).client();
    c.setConnectTimeout(3000);
    c.setIdleTimeout(8000);
    writeFile(site / "index.html", std::string(400 * 1024, 'x'));
    confirmDialog();
    answers.answerMessage(1);  // ready to copy
    forms::drive::PaintCounter paints(m, 20);
    using Clock = std::chrono::steady_clock;
    Clock::time_point stalledSince{}, pressed{};
    int paintsAtStall = -1, paintsAtCancel = -1;
    watchProgress([&](Tprog& p) {
        if (p.Label7->caption() != "index.html" || p.ProgressBar1->position() == 0 || pressed != Clock::time_point{})
            return;
        if (stalledSince == Clock::time_point{}) {
            stalledSince = Clock::now();
            return;
        }
        if (paintsAtStall < 0 && Clock::now() - stalledSince > std::chrono::milliseconds(500)) paintsAtStall = paints.count();
        if (Clock::now() - stalledSince > std::chrono::milliseconds(1500)) {
            paintsAtCancel = paints.count();
            pressed = Clock::now();
            p.Button1->press();
        }
    });
    m.SpeedButton2->press();
    const auto ended = Clock::now();
    stopWatching();
    ASSERT_NE(pressed, Clock::time_point{}) << "the progress window's timer never came round";
    EXPECT_LT(ended - pressed, std::chrono::seconds(1));
    EXPECT_GE(paintsAtCancel - paintsAtStall, 20) << "the main window painted during the stall";
    ASSERT_EQ(boxes().size(), 1u) << "no message after the one before the upload";
    for (auto& [name, body] : tree(remote.path()))
        EXPECT_FALSE(Publisher::isTemporaryName(fs::path(name).filename().string())) << name;
    EXPECT_FALSE(all->prog->visible());
    EXPECT_TRUE(m.enabled());
}

// The same on a server that takes no file under the temporary name, so the
// page is stored straight under its own, a store Cancel lets end: it is
// aborted once it has moved nothing for a second. Until the publish is over
// the progress window stays and the main window disabled, so nothing else
// can be started meanwhile.
TEST_F(Publishing, CancelOnAServerRefusingTheTemporaryKeepsTheWindowUntilTheEnd) {
    TMainForm& m = start();
    server = std::make_unique<TestServer>(
        "ftp", remote.path(),
        std::vector<std::string>{"--stall-after", "131072", "--refuse-stor", Publisher::kTemporaryPattern});
    writeProject(server->hostPort(), TestServer::user(), TestServer::password());
    net::FtpClient& c = all->prog->IdFTP1(m.messages).client();
    c.setConnectTimeout(3000);
    c.setIdleTimeout(60000);
    writeFile(site / "index.html", std::string(5 * 1024 * 1024, 'x'));
    confirmDialog();
    answers.answerMessage(1);  // ready to copy
    using Clock = std::chrono::steady_clock;
    Clock::time_point pressed{};
    std::int64_t lastPosition = -1;
    Clock::time_point stillSince{};
    bool shownAfterCancel = false, disabledAfterCancel = false;
    int samplesAfterCancel = 0;
    watchProgress([&](Tprog& p) {
        if (pressed != Clock::time_point{}) {
            ++samplesAfterCancel;
            shownAfterCancel = p.visible();
            disabledAfterCancel = !m.enabled();
            return;
        }
        if (p.Label7->caption() != "index.html" || p.ProgressBar1->position() == 0) return;
        // Pressed once the store has stood still for a moment.
        if (p.ProgressBar1->position() != lastPosition) {
            lastPosition = p.ProgressBar1->position();
            stillSince = Clock::now();
            return;
        }
        if (Clock::now() - stillSince > std::chrono::milliseconds(300)) {
            pressed = Clock::now();
            p.Button1->press();
        }
    });
    m.SpeedButton2->press();
    const auto ended = Clock::now();
    stopWatching();
    ASSERT_NE(pressed, Clock::time_point{}) << "the store never stood still";
    EXPECT_LT(ended - pressed, std::chrono::milliseconds(Publisher::kStalledStoreMs + 600));
    EXPECT_GT(samplesAfterCancel, 0);
    EXPECT_TRUE(shownAfterCancel) << "the window stayed while the publish ended";
    EXPECT_TRUE(disabledAfterCancel);
    ASSERT_EQ(boxes().size(), 1u) << "no message after the one before the upload";
    for (auto& [name, body] : tree(remote.path()))
        EXPECT_FALSE(Publisher::isTemporaryName(fs::path(name).filename().string())) << name;
    EXPECT_FALSE(all->prog->visible());
    EXPECT_TRUE(m.enabled());
}

TEST_F(Publishing, ExportAndCdFromTheMenu) {
    TMainForm& m = start();
    TempDir out;
    fs::path dest = out.path() / "eksport";
    answers.answerFolder(true, dest.string());
    watchProgress();
    m.Eksportujplikistronydokatalogu1->click();
    std::map<std::string, std::string> pages = {
        {"index.html", "<html>index</html>"},
        {"o_mnie.html", "<html>o mnie</html>"},
        {"data/pic.jpg", "new pic"},
        {"data/img/deep.jpg", "deep"},
    };
    EXPECT_EQ(tree(dest), pages) << "everything but the project file";
    Tprog& p = *all->prog;
    EXPECT_EQ(p.Label1->caption(), PublishCommands::exportHeading());
    EXPECT_EQ(p.ProgressBar2->position(), p.ProgressBar2->max());
    EXPECT_FALSE(p.visible());
    EXPECT_TRUE(m.enabled());

    // The CD: an explanation, the export, the starter and the autorun file.
    TempDir cd;
    answers.clear();
    answers.answerFolder(true, cd.path().string());
    m.PrzygotujstronjakoprezentacjnaCD1->click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "Informacja:"_w);
    auto onCd = tree(cd.path());
    for (auto& [name, body] : pages) EXPECT_EQ(onCd[name], body) << name;
    EXPECT_EQ(onCd["start.exe"], readFile(shippedFolder() / "data/start.exe"));
    EXPECT_EQ(onCd["start.sh"], readFile(shippedFolder() / "data/start.sh"));
    EXPECT_EQ(onCd["autorun.inf"], readFile(shippedFolder() / "data/autorun.inf"));
    EXPECT_EQ(onCd.count("project.prj"), 0u);

    // The export into the site itself is refused; a cancelled folder choice does nothing.
    answers.clear();
    answers.answerFolder(true, (site / "data").string());
    m.Eksportujplikistronydokatalogu1->click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].flags, 48);
    answers.clear();
    answers.answerFolder(false);
    m.Eksportujplikistronydokatalogu1->click();
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(m.enabled());
}

TEST_F(Publishing, CancelDuringTheExportStopsBeforeTheNextFile) {
    TMainForm& m = start();
    TempDir out;
    writeFile(out.path() / "index.html", "old index");
    answers.answerFolder(true, out.path().string());
    answers.answerMessage(6);  // replace index.html, then Cancel in the progress window
    answers.onMessage = [&](const std::string&, int flags) {
        if (flags == 35) all->prog->Button1->press();
    };
    m.Eksportujplikistronydokatalogu1->click();
    ASSERT_EQ(boxes().size(), 1u);
    auto copied = tree(out.path());
    EXPECT_EQ(copied["index.html"], "<html>index</html>") << "the file being copied is finished";
    EXPECT_EQ(copied.size(), 1u) << "and nothing after it";
    EXPECT_FALSE(all->prog->visible());
    EXPECT_TRUE(m.enabled());
}

TEST_F(Publishing, CommandsNeedAnOpenSite) {
    TMainForm& m = start();
    m.site_name.clear();
    m.SpeedButton2Click();
    m.Eksportujplikistronydokatalogu1Click();
    m.PrzygotujstronjakoprezentacjnaCD1Click();
    EXPECT_TRUE(answers.asked().empty());
}
