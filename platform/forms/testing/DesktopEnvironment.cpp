#include "forms/testing/DesktopEnvironment.h"

#include <QGuiApplication>
#include <QWidget>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "forms/Application.h"
#include "forms/testing/DesktopScreen.h"

namespace forms::desktop {

Environment::Environment(std::function<void()> beforeApplication) : before_(std::move(beforeApplication)) {}

Environment::~Environment() = default;

void Environment::SetUp() {
    if (!installed()) {
        why_ = "no Xvfb, openbox and xprop to show windows on";
        return;
    }
    int fds[2];
    if (pipe(fds) != 0) return;
    server_ = start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
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

void Environment::TearDown() {
    app_.reset();
    for (pid_t p : {wm_, server_})
        if (p > 0) {
            kill(p, SIGTERM);
            waitpid(p, nullptr, 0);
        }
}

bool Environment::installed() { return onPath("Xvfb") && onPath("openbox") && onPath("xprop"); }

bool Environment::wmUp() {
    return output("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") != std::string::npos;
}

bool Environment::managesWindows() {
    QWidget first;
    first.resize(100, 100);
    // A window mapped while openbox is still starting may be left as it is,
    // unframed (on a busy machine, now and then): mapped again, it is framed.
    bool framed = false;
    for (int attempt = 0; attempt < 3 && !framed; ++attempt) {
        first.show();
        framed = waitFor([&] { return framedByManager(first); }, 3);
        first.hide();
        Application::processEvents();
    }
    return framed;
}

}  // namespace forms::desktop
