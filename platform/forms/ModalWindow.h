#pragma once
// Platform-internal: where a modal window (message box, input box, standard
// dialog) opens. It belongs to the program's active window, and it opens
// above that window and above every window of the program that stays on
// top, so no such window can cover it while it waits for its answer.
class QWidget;

namespace forms {

// The window a modal window belongs to: the active window when it stays on
// top; else a visible window that stays on top; else the active window, or
// none.
QWidget* modalOwner();
// Keeps `dialog` (not yet shown) above every visible window of the
// program that stays on top.
void raiseAboveKeptOnTop(QWidget& dialog);

}  // namespace forms
