#pragma once
// For GoogleTest programs that show their windows on a real X display with a
// window manager, where the headless platform shows nothing of them: the
// program starts an X server of its own (Xvfb) with openbox on it before its
// application is made, and asks the X server what it shows (which window is
// active, which are framed, the screen's pixels). Without Xvfb, openbox and
// xprop installed the tests are skipped.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/QtAccess.h"

namespace forms::desktop {

inline bool onPath(const char* program) {
    std::string cmd = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(cmd.c_str()) == 0;
}

// Starts a program in the background, its output thrown away; keepFd stays open in it.
inline pid_t start(const std::vector<std::string>& args, int keepFd = -1) {
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

// What a command writes (its errors thrown away).
inline std::string output(const std::string& cmd) {
    std::string out;
    if (FILE* p = popen((cmd + " 2>/dev/null").c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, p)) out += buf;
        pclose(p);
    }
    return out;
}

// Runs the event loop until `done` holds, at most `seconds` (a busy machine
// is slow to show a window).
template <class Done>
bool waitFor(Done done, int seconds = 10) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
        Application::processEvents();
        if (done()) return true;
        QThread::msleep(10);
    }
    return done();
}

// The X window of a top-level widget, of a form's window.
inline unsigned long xid(QWidget& w) { return w.windowHandle() ? w.windowHandle()->winId() : w.winId(); }
inline unsigned long xid(Form& f) { return xid(*windowOf(f)); }

// Whether the window manager has put the window into a frame of its own.
inline bool framedByManager(QWidget& w) {
    const std::string out = output("xwininfo -children -id " + std::to_string(xid(w)));
    const auto parent = out.find("Parent window id:");
    return parent != std::string::npos && out.find("(the root window)", parent) > out.find('\n', parent);
}

// The window the window manager holds active.
inline unsigned long activeOnScreen() {
    std::smatch m;
    const std::string out = output("xprop -root _NET_ACTIVE_WINDOW");
    static const std::regex id("0x[0-9a-f]+");
    return std::regex_search(out, m, id) ? std::stoul(m.str(), nullptr, 16) : 0;
}

// What the X server shows at points of a rectangle of the screen (its corners
// and centre, 6 pixels in): the colour (0x00BBGGRR) at every one, or not.
inline bool screenShows(int x, int y, int width, int height, std::uint32_t colour) {
    if (width < 16 || height < 16) return false;
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QRgb want = qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    for (QPoint p : {QPoint(6, 6), QPoint(width - 7, 6), QPoint(6, height - 7), QPoint(width - 7, height - 7),
                     QPoint(width / 2, height / 2)}) {
        const QPoint s = QPoint(x, y) + p;
        if (!screen.rect().contains(s) || (screen.pixel(s) & 0xFFFFFF) != (want & 0xFFFFFF)) return false;
    }
    return true;
}

// The same for the client area of a form.
inline bool seenOnScreen(Form& f, std::uint32_t colour) {
    QWidget* client = clientOf(f);
    if (!client) return false;
    const QPoint at = client->mapToGlobal(QPoint(0, 0));
    return screenShows(at.x(), at.y(), client->width(), client->height(), colour);
}

// A display of the program's own (Xvfb) with openbox on it, and the
// program's application on that display, made after `beforeApplication`.
class Environment : public ::testing::Environment {
public:
    explicit Environment(std::function<void()> beforeApplication = {}) : before_(std::move(beforeApplication)) {}
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
        if (before_) before_();
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
    static bool managesWindows() {
        QWidget first;
        first.resize(100, 100);
        first.show();
        const bool framed = waitFor([&] { return framedByManager(first); });
        first.hide();
        return framed;
    }
    static inline bool ready_ = false;
    static inline const char* why_ = "";
    std::function<void()> before_;
    pid_t server_ = -1, wm_ = -1;
    std::unique_ptr<Application> app_;
};

// A test that needs the display: skipped where the environment could not make it.
class Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Environment::ready()) GTEST_SKIP() << Environment::why();
    }
};

}  // namespace forms::desktop
