#include "forms/testing/DesktopScreen.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>

#include "forms/Form.h"
#include "forms/QtAccess.h"

namespace forms::desktop {

bool onPath(const char* program) {
    std::string cmd = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(cmd.c_str()) == 0;
}

pid_t start(const std::vector<std::string>& args, int keepFd) {
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

unsigned long xid(QWidget& w) { return w.windowHandle() ? w.windowHandle()->winId() : w.winId(); }
unsigned long xid(Form& f) { return xid(*windowOf(f)); }

bool framedByManager(QWidget& w) {
    const std::string out = output("xwininfo -children -id " + std::to_string(xid(w)));
    const auto parent = out.find("Parent window id:");
    return parent != std::string::npos && out.find("(the root window)", parent) > out.find('\n', parent);
}

unsigned long activeOnScreen() {
    std::smatch m;
    const std::string out = output("xprop -root _NET_ACTIVE_WINDOW");
    static const std::regex id("0x[0-9a-f]+");
    return std::regex_search(out, m, id) ? std::stoul(m.str(), nullptr, 16) : 0;
}

bool becomesActive(unsigned long window, int seconds) {
    return waitFor([&] { return activeOnScreen() == window; }, seconds);
}

bool screenShows(int x, int y, int width, int height, std::uint32_t colour) {
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

bool seenOnScreen(Form& f, std::uint32_t colour) {
    QWidget* client = clientOf(f);
    if (!client) return false;
    const QPoint at = client->mapToGlobal(QPoint(0, 0));
    return screenShows(at.x(), at.y(), client->width(), client->height(), colour);
}

bool doubleClickAt(int x, int y) {
    const QPoint at(x, y);
    output("xdotool mousemove --sync " + std::to_string(x) + " " + std::to_string(y));
    // The pointer is there for the X server, and the toolkit has had the
    // widget under it entered: a click given before would go by the old place.
    const bool arrived = waitFor([&] {
        QWidget* under = QApplication::widgetAt(at);
        return QCursor::pos() == at && under && under->underMouse();
    });
    if (!arrived) return false;
    const int gap = std::max(1, QGuiApplication::styleHints()->mouseDoubleClickInterval() / 4);
    output("xdotool click --repeat 2 --delay " + std::to_string(gap) + " 1");
    return true;
}

}  // namespace forms::desktop
