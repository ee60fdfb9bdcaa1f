#pragma once
// Mouse and key input sent to a widget as the window system would send it,
// for tests that drive controls (the widget is a host's or a control's).
#include "com/WindowFunctions.h"

namespace com::input {

// A press and release of the left button at (x, y) of the widget.
void click(void* widget, int x, int y);
// Two clicks in quick succession, as a double click arrives: press, release,
// double-click press, release.
void doubleClick(void* widget, int x, int y);
void press(void* widget, int x, int y);
void release(void* widget, int x, int y);
void move(void* widget, int x, int y, bool leftHeld = false);
// A key by name: "A", "Space", "Return", "Escape", "Shift", "Left", "Tab",
// "F1".
void key(void* widget, const char* name);
// The first child widget of `widget` that has no window of its own (a
// control's label), or null.
void* labelOf(void* widget);
void focus(void* widget);
// A point of the widget in screen pixels.
Point screenPoint(void* widget, int x, int y);
// How many focus rectangles are drawn on the widget now.
int focusRects(void* widget);
// Shows the widget and resizes it as its host would (pixels).
void resize(void* widget, int width, int height);

}  // namespace com::input
