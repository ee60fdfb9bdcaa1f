// The form runtime on a real X display with a window manager, where the
// headless platform shows nothing of it: the titles the window system
// shows, which window lies above which, where a window's frame lands, and
// what the screen shows of the document windows inside a main window.
// The program starts its own X server and window manager; without them
// installed the tests are skipped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <QWidget>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "forms/Application.h"
#include "forms/Drive.h"
#include "forms/Form.h"
#include "forms/MdiArea.h"
#include "forms/MdiChildPlacement.h"
#include "forms/ModalProbe.h"
#include "forms/QtAccess.h"
#include "forms/WidgetAnswers.h"
#include "forms/WindowOrder.h"
#include "text/CodePage.h"

using namespace forms;
using namespace text::literals;

namespace {

bool onPath(const char* program) {
    std::string cmd = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(cmd.c_str()) == 0;
}

pid_t start(const std::vector<std::string>& args, int keepFd = -1) {
    pid_t pid = fork();
    if (pid != 0) return pid;
    int null = open("/dev/null", O_RDWR);
    dup2(null, 1);
    dup2(null, 2);
    for (int fd = 3; fd < 256; ++fd)
        if (fd != keepFd) close(fd);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

std::string output(const std::string& cmd) {
    std::string out;
    if (FILE* p = popen((cmd + " 2>/dev/null").c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, p)) out += buf;
        pclose(p);
    }
    return out;
}

// A display of its own (Xvfb) with openbox on it, and the program's
// application on that display.
class Desktop : public ::testing::Environment {
public:
    static bool ready() { return ready_; }
    static const char* why() { return why_; }

    void SetUp() override {
        if (!onPath("Xvfb") || !onPath("openbox") || !onPath("xprop")) {
            why_ = "no Xvfb, openbox and xprop to show windows on";
            return;
        }
        int fds[2];
        if (pipe(fds) != 0) return;
        server_ = start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24", "-nolisten",
                         "tcp"},
                        fds[1]);
        close(fds[1]);
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (number.empty()) {
            why_ = "Xvfb did not start";
            return;
        }
        setenv("DISPLAY", (":" + number).c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        // The window manager is there once it has named itself on the root;
        // one that could not reach the new server yet is started again.
        for (int attempt = 0; attempt < 3 && !wmUp(); ++attempt) {
            if (wm_ > 0) {
                kill(wm_, SIGTERM);
                waitpid(wm_, nullptr, 0);
            }
            wm_ = start({"openbox"});
            for (int i = 0; i < 500 && !wmUp() && waitpid(wm_, nullptr, WNOHANG) == 0; ++i) usleep(20000);
        }
        static int argc = 1;
        static char name[] = "tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<Application>(argc, argv);
        if (!wmUp()) why_ = "openbox did not start";
        else if (QGuiApplication::platformName() != QLatin1String("xcb")) why_ = "no X display for the toolkit";
        else if (!managesWindows()) why_ = "openbox frames no window";
        else ready_ = true;
    }
    void TearDown() override {
        app_.reset();
        for (pid_t p : {wm_, server_})
            if (p > 0) {
                kill(p, SIGTERM);
                waitpid(p, nullptr, 0);
            }
    }

private:
    static bool wmUp() { return output("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") != std::string::npos; }
    // A first window, framed by the window manager once it is at work.
    static bool managesWindows();
    static inline bool ready_ = false;
    static inline const char* why_ = "";
    pid_t server_ = -1, wm_ = -1;
    std::unique_ptr<Application> app_;
};

::testing::Environment* const desktop = ::testing::AddGlobalTestEnvironment(new Desktop);

// Runs the event loop until `done` holds, at most ten seconds (a busy machine is slow to show a window).
template <class Done>
bool waitFor(Done done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        Application::processEvents();
        if (done()) return true;
        QThread::msleep(10);
    }
    return done();
}

// The X window of a top-level widget.
unsigned long xid(QWidget& w) { return w.windowHandle() ? w.windowHandle()->winId() : w.winId(); }

// The title the window system shows for a window.
std::string shownTitle(QWidget& w) {
    std::smatch m;
    const std::string out = output("xprop -id " + std::to_string(xid(w)) + " _NET_WM_NAME");
    static const std::regex quoted("= \"(.*)\"");
    return std::regex_search(out, m, quoted) ? m[1].str() : out;
}

// The managed windows from the bottom of the stack to its top.
std::vector<unsigned long> stacking() {
    std::vector<unsigned long> ids;
    const std::string out = output("xprop -root _NET_CLIENT_LIST_STACKING");
    static const std::regex id("0x[0-9a-f]+");
    for (auto it = std::sregex_iterator(out.begin(), out.end(), id); it != std::sregex_iterator(); ++it)
        ids.push_back(std::stoul(it->str(), nullptr, 16));
    return ids;
}

int stackPlace(QWidget& w) {
    const auto ids = stacking();
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == xid(w)) return static_cast<int>(i);
    return -1;
}

// Whether the window manager has put the window into a frame of its own.
bool framedByManager(QWidget& w) {
    const std::string out = output("xwininfo -children -id " + std::to_string(xid(w)));
    const auto parent = out.find("Parent window id:");
    return parent != std::string::npos && out.find("(the root window)", parent) > out.find('\n', parent);
}

bool Desktop::managesWindows() {
    QWidget first;
    first.resize(100, 100);
    first.show();
    const bool framed = waitFor([&] { return framedByManager(first); });
    first.hide();
    return framed;
}

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Desktop::ready()) GTEST_SKIP() << Desktop::why();
    }
};

// A window placed by its own show handler, as a main window restores its
// stored placement there.
class Placed : public Form {
public:
    Placed() : Form("Placed", Scale::Pixels) {}
    std::optional<QPoint> at;

protected:
    void createControls() override {
        setCaption("Edycja bazy wyrazów"_w);
        setClientSize(400, 300);
    }
    void onShow() override {
        if (at) moveClient(at->x(), at->y());
    }
};

// Where the X server has put the window's client area.
std::optional<QPoint> placeOnScreen(QWidget& w) {
    const std::string out = output("xwininfo -id " + std::to_string(xid(w)));
    std::smatch x, y;
    static const std::regex left("Absolute upper-left X: +(-?[0-9]+)"), top("Absolute upper-left Y: +(-?[0-9]+)");
    if (!std::regex_search(out, x, left) || !std::regex_search(out, y, top)) return std::nullopt;
    return QPoint(std::stoi(x[1].str()), std::stoi(y[1].str()));
}

TEST_F(DesktopTest, AWindowReopensExactlyWhereItWasClosed) {
    QPoint stored(200, 150);
    for (int start = 0; start < 3; ++start) {
        Placed f;
        f.at = stored;
        f.show();
        QWidget* w = windowOf(f);
        const bool framed = waitFor([&] { return framedByManager(*w) && placeOnScreen(*w) == stored; });
        EXPECT_TRUE(framed) << "start " << start << ": at " << placeOnScreen(*w).value_or(QPoint(-1, -1)).x() << ","
                            << placeOnScreen(*w).value_or(QPoint(-1, -1)).y();
        stored = QPoint(f.clientLeft(), f.clientTop());
        f.unload();
    }
    EXPECT_EQ(stored, QPoint(200, 150));
}

TEST_F(DesktopTest, TitlesAreTheWindowsOwnAndModalWindowsLieAboveWindowsKeptOnTop) {
    Application::setTitle("Wortel");
    Placed top;
    top.show();
    setWindowOrder(top, WindowOrder::Topmost);
    QWidget* topWindow = windowOf(top);
    ASSERT_TRUE(waitFor([&] { return stackPlace(*topWindow) >= 0; }));
    EXPECT_EQ(shownTitle(*topWindow), "Edycja bazy wyrazów");
    // The boxes open while an ordinary window is the active one, as the
    // lookup window is while the print list or the update window stays on top.
    Placed owner;
    owner.at = QPoint(300, 300);
    owner.show();
    owner.activate();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == windowOf(owner); }));

    WidgetAnswers answers;
    struct Case {
        const char* what;
        std::function<void()> open;
        std::string title;
    };
    std::string text;
    const Case cases[] = {
        {"message box", [&] { answers.messageBox("Tekst", "Porada", mb::OkOnly); }, "Porada"},
        {"message box of the program", [&] { answers.messageBox("Tekst", "", mb::OkOnly); }, "Wortel"},
        {"input box", [&] { answers.inputBox("Nadaj tytuł:", "Drukuj", "", text); }, "Drukuj"},
    };
    for (const auto& c : cases) {
        const bool opened = drive::whileModalOpen(c.open, [&](QWidget& m) {
            ASSERT_TRUE(waitFor([&] { return stackPlace(m) >= 0; })) << c.what;
            EXPECT_EQ(shownTitle(m), c.title) << c.what;
            EXPECT_GT(stackPlace(m), stackPlace(*topWindow)) << c.what << " lies under the window kept on top";
        });
        EXPECT_TRUE(opened) << c.what;
    }
    owner.unload();
    top.unload();
}

// As the update window opens: the lookup window is active, the update
// window is shown and kept on top, and its first box opens at once, before
// the window manager has made the new window the active one.
TEST_F(DesktopTest, TheFirstBoxOfANewWindowKeptOnTopLiesAboveIt) {
    Application::setTitle("Wortel");
    Placed owner;
    owner.show();
    owner.activate();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == windowOf(owner); }));
    Placed top;
    top.at = QPoint(250, 250);
    WidgetAnswers answers;
    const bool opened = drive::whileModalOpen(
        [&] {
            top.show();
            setWindowOrder(top, WindowOrder::Topmost);
            Application::processEventsWithoutInput();
            answers.messageBox("1", "", mb::OkOnly);
        },
        [&](QWidget& m) {
            QWidget* topWindow = windowOf(top);
            // Where the window manager leaves them once it has settled.
            const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
            waitFor([&] { return std::chrono::steady_clock::now() > until; });
            EXPECT_TRUE(waitFor([&] { return stackPlace(m) > stackPlace(*topWindow) && stackPlace(*topWindow) >= 0; }))
                << "the box lies under the window kept on top";
        });
    EXPECT_TRUE(opened);
    top.unload();
    owner.unload();
}


// A main window with a document area, and documents each filled with a
// colour of its own, so that the screen tells which one is seen.
class AreaWindow : public Form {
public:
    AreaWindow() : Form("AreaWindow", Scale::Pixels) {}
    MdiArea* area = nullptr;

protected:
    void createControls() override {
        setCaption("Sitecraft");
        setClientSize(900, 640);
        area = add<MdiArea>("MdiArea1");
    }
};

class Document : public Form {
public:
    explicit Document(std::uint32_t colour) : Form("Document", Scale::Pixels), colour(colour) {}
    const std::uint32_t colour;  // 0x00BBGGRR

protected:
    void createControls() override { setBackColor(colour); }
};

QMdiSubWindow* subOf(Form& f) { return qobject_cast<QMdiSubWindow*>(windowOf(f)->parentWidget()); }

// What the X server shows at the points of a document's client area (its
// corners and centre): the document's own colour at every one, or not.
bool seenOnScreen(Form& f, std::uint32_t colour) {
    QWidget* client = clientOf(f);
    if (!client || client->width() < 16 || client->height() < 16) return false;
    const QPoint at = client->mapToGlobal(QPoint(0, 0));
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QRgb want = qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    const int w = client->width(), h = client->height();
    for (QPoint p : {QPoint(6, 6), QPoint(w - 7, 6), QPoint(6, h - 7), QPoint(w - 7, h - 7), QPoint(w / 2, h / 2)}) {
        const QPoint s = at + p;
        if (!screen.rect().contains(s) || (screen.pixel(s) & 0xFFFFFF) != (want & 0xFFFFFF)) return false;
    }
    return true;
}

// The window the window manager holds active.
unsigned long activeOnScreen() {
    std::smatch m;
    const std::string out = output("xprop -root _NET_ACTIVE_WINDOW");
    static const std::regex id("0x[0-9a-f]+");
    return std::regex_search(out, m, id) ? std::stoul(m.str(), nullptr, 16) : 0;
}

TEST_F(DesktopTest, ANewDocumentWindowIsSeenAndActiveAtOnceWhateverTheOthersAreAndAnOpenOneComesBack) {
    AreaWindow main;
    main.show();
    main.activate();
    ASSERT_TRUE(waitFor([&] { return framedByManager(*windowOf(main)) && activeOnScreen() == xid(*windowOf(main)); }));

    struct Case {
        const char* others;
        int count;                         // documents open before the new one
        std::function<void(MdiArea&)> set;  // what the user did with them
    };
    const Case cases[] = {
        {"none", 0, [](MdiArea&) {}},
        {"as opened", 2, [](MdiArea&) {}},
        {"cascaded", 3, [](MdiArea& a) { a.cascade(); }},
        {"tiled", 2, [](MdiArea& a) { a.tileVertical(); }},
        {"the active one maximised", 2, [](MdiArea& a) { subOf(*a.activeChild())->showMaximized(); }},
        {"an older one maximised", 2, [](MdiArea& a) { subOf(*a.children().front())->showMaximized(); }},
        {"all minimised", 2, [](MdiArea& a) { a.minimizeAll(); }},
    };
    const std::uint32_t colours[] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0};
    for (const auto& c : cases) {
        std::vector<std::unique_ptr<Document>> docs;
        // Each document as the editor opens one: shown, then given its
        // working size and place.
        auto open = [&] {
            docs.push_back(std::make_unique<Document>(colours[docs.size()]));
            Document& d = *docs.back();
            main.area->addChild(d);
            const int step = static_cast<int>(docs.size() - 1) * 24;
            main.area->setChildClientSize(d, 500, 360);
            moveMdiChild(d, step, step);
        };
        for (int i = 0; i < c.count; ++i) open();
        c.set(*main.area);
        Application::processEvents();
        open();
        Document& made = *docs.back();
        EXPECT_TRUE(waitFor([&] { return seenOnScreen(made, made.colour); })) << c.others << ": the new window is not seen";
        EXPECT_EQ(main.area->activeChild(), &made) << c.others;
        EXPECT_EQ(clientOf(made)->size(), QSize(500, 360)) << c.others;
        EXPECT_EQ(activeOnScreen(), xid(*windowOf(main))) << c.others;
        // The first one, covered or minimised, activated again: seen again.
        if (c.count > 0) {
            Document& first = *docs.front();
            main.area->activateChild(first);
            EXPECT_TRUE(waitFor([&] { return seenOnScreen(first, first.colour); })) << c.others << ": activated, not seen";
            EXPECT_EQ(main.area->activeChild(), &first) << c.others;
        }
        for (auto& d : docs) d->unload();
        Application::processEvents();
    }
    main.unload();
}

}  // namespace
