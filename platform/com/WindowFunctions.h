#pragma once
// The window functions a control calls: the cursor position, the window under
// a point, the focus window, the focus rectangle, mouse capture. The running
// program uses the platform's own (platformWindows()); tests hand a control
// an implementation of their own and move the cursor and focus themselves.
#include <cstdint>

namespace com {

// A window: 0 is none. A window is a widget; a part of a control that has no
// window of its own (a label) answers as the window it lies on.
using WindowHandle = std::uintptr_t;

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect&) const = default;
};

class WindowFunctions {
public:
    virtual ~WindowFunctions() = default;
    // The cursor in screen pixels; false when it cannot be told.
    virtual bool getCursorPos(Point& p) = 0;
    virtual WindowHandle windowFromPoint(Point p) = 0;
    // The window of this program that has the keyboard focus; 0 while
    // another program is active.
    virtual WindowHandle getFocus() = 0;
    // Draws the dotted focus rectangle (window pixels) on the window's
    // drawing surface the way the platform does, by inverting: drawing the
    // same rectangle twice takes it away again.
    virtual bool drawFocusRect(WindowHandle w, const Rect& r) = 0;
    // Sends the mouse to `w`; returns the window that had it.
    virtual WindowHandle setCapture(WindowHandle w) = 0;
    virtual WindowHandle getCapture() = 0;
    virtual bool releaseCapture() = 0;
    virtual WindowHandle desktopWindow() = 0;
};

// The platform's own window functions.
WindowFunctions& platformWindows();

// The widget behind a handle, and back (the handle is the widget's address).
inline WindowHandle handleOf(const void* widget) { return reinterpret_cast<WindowHandle>(widget); }

}  // namespace com
