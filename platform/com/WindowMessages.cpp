#include "com/WindowMessages.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace com {

namespace {

QWidget* liveWidget(WindowHandle h) {
    if (!h) return nullptr;
    for (QWidget* w : QApplication::allWidgets())
        if (handleOf(w) == h) return w;
    return nullptr;
}

class QtMessages final : public WindowMessages {
public:
    std::intptr_t sendMessage(WindowHandle h, std::uint32_t message, std::uintptr_t wParam, std::intptr_t) override {
        QWidget* w = liveWidget(h);
        if (!w) return 0;
        if (message == WM_NCLBUTTONDOWN && wParam == HTCAPTION) {
            // The system moves the window with the mouse until the button
            // is released.
            QWindow* win = w->window()->windowHandle();
            if (win) win->startSystemMove();
        }
        return 0;
    }
};

}  // namespace

WindowMessages& platformMessages() {
    static QtMessages m;
    return m;
}

WindowMessages& messagesFor(WindowFunctions& windows) {
    if (auto* m = dynamic_cast<WindowMessages*>(&windows)) return *m;
    return platformMessages();
}

}  // namespace com
