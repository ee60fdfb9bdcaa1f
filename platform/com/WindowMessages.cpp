#include "com/WindowMessages.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
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

// The system's drag of a window by its title: the window follows the mouse
// until the left button is released (Esc puts it back), and the message
// returns only then, as the platform's own move loop does.
class MoveLoop final : public QObject {
public:
    MoveLoop(QWidget* window) : window_(window), cursor_(QCursor::pos()), start_(window->pos()) {}
    void run() {
        qApp->installEventFilter(this);
        window_->grabMouse();
        QTimer poll;
        // A release the window never hears of (another program took the
        // mouse) ends the drag as well.
        QObject::connect(&poll, &QTimer::timeout, &loop_, [this] {
            if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) loop_.quit();
        });
        poll.start(50);
        loop_.exec();
        if (window_) window_->releaseMouse();
        qApp->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseMove: {
                auto* m = static_cast<QMouseEvent*>(e);
                if (!(m->buttons() & Qt::LeftButton)) {
                    loop_.quit();
                    return false;
                }
                if (window_) window_->move(start_ + (m->globalPosition().toPoint() - cursor_));
                return true;
            }
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: return true;
            case QEvent::MouseButtonRelease: loop_.quit(); return true;
            case QEvent::KeyPress:
                if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
                    if (window_) window_->move(start_);
                    loop_.quit();
                    return true;
                }
                return false;
            case QEvent::ApplicationDeactivate: loop_.quit(); return false;
            default: return false;
        }
    }

private:
    QPointer<QWidget> window_;
    QPoint cursor_, start_;
    QEventLoop loop_;
};

class QtMessages final : public WindowMessages {
public:
    std::intptr_t sendMessage(WindowHandle h, std::uint32_t message, std::uintptr_t wParam, std::intptr_t) override {
        QWidget* w = liveWidget(h);
        if (!w) return 0;
        if (message == WM_NCLBUTTONDOWN && wParam == HTCAPTION) {
            QWidget* top = w->window();
            if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) return 0;
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
                // Where a program may not place its windows, the system drags it.
                if (QWindow* win = top->windowHandle()) win->startSystemMove();
                return 0;
            }
            MoveLoop(top).run();
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
