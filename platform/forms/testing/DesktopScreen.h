#pragma once
// What the tests on a real X display ask of the X server and its window
// manager, and the input they give it as a user would (xprop, xwininfo and
// xdotool, run as programs): which window is active, which are framed, the
// screen's pixels, a double click at a point of the screen.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <QThread>

#include "forms/Application.h"

class QWidget;

namespace forms {
class Form;
}

namespace forms::desktop {

bool onPath(const char* program);
// Starts a program in the background, its output thrown away; keepFd stays open in it.
pid_t start(const std::vector<std::string>& args, int keepFd = -1);
// What a command writes (its errors thrown away).
std::string output(const std::string& cmd);

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
unsigned long xid(QWidget& w);
unsigned long xid(Form& f);

// Whether the window manager has put the window into a frame of its own.
bool framedByManager(QWidget& w);

// The window the window manager holds active (_NET_ACTIVE_WINDOW of the root).
unsigned long activeOnScreen();
// Waits until the window manager names `window` the active one; false when
// it has not after `seconds`.
bool becomesActive(unsigned long window, int seconds = 10);

// What the X server shows at points of a rectangle of the screen (its corners
// and centre, 6 pixels in): the colour (0x00BBGGRR) at every one, or not.
bool screenShows(int x, int y, int width, int height, std::uint32_t colour);
// The same for the client area of a form.
bool seenOnScreen(Form& f, std::uint32_t colour);

// A double click of the first button at a point of the screen, as a user
// makes one: the pointer is moved there, the clicks are given once the
// widget under it has seen it arrive, the second one well within the
// toolkit's double-click interval. False when the pointer did not get there.
bool doubleClickAt(int x, int y);

}  // namespace forms::desktop
