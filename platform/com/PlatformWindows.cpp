// The platform's window functions over the widget toolkit. A widget marked
// with the property "comNoWindow" has no window of its own and answers as its
// parent. The focus rectangles drawn on a widget are kept in its property
// "comFocusRects" (a list of rectangles), which the widget paints; the list
// is a property so that any module's widget can be drawn on.
#include <QApplication>
#include <QCursor>
#include <QRect>
#include <QVariant>
#include <QWidget>

#include "com/WindowFunctions.h"

namespace com {

namespace {

QWidget* widgetOf(WindowHandle h) {
    if (!h) return nullptr;
    // Only hand out widgets that still exist.
    for (QWidget* w : QApplication::allWidgets())
        if (handleOf(w) == h) return w;
    return nullptr;
}

QWidget* windowed(QWidget* w) {
    while (w && w->property("comNoWindow").toBool()) w = w->parentWidget();
    return w;
}

class QtWindows final : public WindowFunctions {
public:
    bool getCursorPos(Point& p) override {
        QPoint q = QCursor::pos();
        p = {q.x(), q.y()};
        return true;
    }
    WindowHandle windowFromPoint(Point p) override {
        return handleOf(windowed(QApplication::widgetAt(QPoint(p.x, p.y))));
    }
    WindowHandle getFocus() override {
        if (!QApplication::activeWindow()) return 0;
        return handleOf(windowed(QApplication::focusWidget()));
    }
    bool drawFocusRect(WindowHandle h, const Rect& r) override {
        QWidget* w = widgetOf(h);
        if (!w) return false;
        QRect q(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
        QVariantList rects = w->property("comFocusRects").toList();
        bool removed = false;
        for (qsizetype i = 0; i < rects.size(); ++i)
            if (rects[i].toRect() == q) {
                rects.removeAt(i);
                removed = true;
                break;
            }
        if (!removed) rects.append(q);
        w->setProperty("comFocusRects", rects);
        if (!w->property("comPainting").toBool()) w->update();
        return true;
    }
    WindowHandle setCapture(WindowHandle h) override {
        WindowHandle before = getCapture();
        if (QWidget* w = widgetOf(h)) {
            w->grabMouse();
            captured_ = h;
        }
        return before;
    }
    WindowHandle getCapture() override {
        QWidget* g = QWidget::mouseGrabber();
        return g ? handleOf(g) : 0;
    }
    bool releaseCapture() override {
        if (QWidget* g = QWidget::mouseGrabber()) g->releaseMouse();
        captured_ = 0;
        return true;
    }
    WindowHandle desktopWindow() override { return 0; }

private:
    WindowHandle captured_ = 0;
};

}  // namespace

WindowFunctions& platformWindows() {
    static QtWindows w;
    return w;
}

}  // namespace com
