#pragma once
// Messages sent to a window, as far as controls send them here: a press of
// the left button on the window's title (WM_NCLBUTTONDOWN with HTCAPTION),
// which moves the window with the mouse while the left button is held; the
// message returns when the button is released. The running program uses platformMessages(); a test's window
// functions may implement this interface as well, and messagesFor() then
// finds it there.
#include <cstdint>

#include "com/WindowFunctions.h"

namespace com {

constexpr std::uint32_t WM_NCLBUTTONDOWN = 0xA1;
constexpr std::uintptr_t HTCAPTION = 2;

class WindowMessages {
public:
    virtual ~WindowMessages() = default;
    // The message's result; 0 for a message the window does not handle.
    virtual std::intptr_t sendMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
};

WindowMessages& platformMessages();
// The messages of `windows` when it implements them, else the platform's.
WindowMessages& messagesFor(WindowFunctions& windows);

}  // namespace com
