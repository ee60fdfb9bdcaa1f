#include "com/testing/RealInput.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace com::real {

namespace {

QWidget* w(void* p) { return static_cast<QWidget*>(p); }

Qt::MouseButton qtButton(int b) {
    switch (b) {
        case 2: return Qt::RightButton;
        case 4: return Qt::MiddleButton;
        default: return Qt::LeftButton;
    }
}

// The widget's window and the point in it.
QWindow* windowAt(void* widget, int x, int y, QPoint& at) {
    QWidget* top = w(widget)->window();
    at = w(widget)->mapTo(top, QPoint(x, y));
    return top->windowHandle();
}

}  // namespace

void press(void* widget, int x, int y, int button) {
    QPoint at;
    if (QWindow* win = windowAt(widget, x, y, at)) QTest::mousePress(win, qtButton(button), {}, at);
}

void release(void* widget, int x, int y, int button) {
    QPoint at;
    if (QWindow* win = windowAt(widget, x, y, at)) QTest::mouseRelease(win, qtButton(button), {}, at);
}

void click(void* widget, int x, int y, int button) {
    QPoint at;
    if (QWindow* win = windowAt(widget, x, y, at)) QTest::mouseClick(win, qtButton(button), {}, at);
}

void doubleClick(void* widget, int x, int y, int button) {
    QPoint at;
    if (QWindow* win = windowAt(widget, x, y, at)) QTest::mouseDClick(win, qtButton(button), {}, at);
}

void move(void* widget, int x, int y) {
    QPoint at;
    if (QWindow* win = windowAt(widget, x, y, at)) QTest::mouseMove(win, at);
}

bool activate(void* widget) {
    QWidget* top = w(widget)->window();
    top->show();
    top->activateWindow();
    return QTest::qWaitForWindowActive(top);
}

void* focusWidget() { return QApplication::focusWidget(); }

Image grab(void* widget) {
    const QImage shown = w(widget)->grab().toImage();
    Image image;
    image.width = shown.width();
    image.height = shown.height();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) image.rgb.push_back(shown.pixel(x, y) & 0xFFFFFFu);
    return image;
}

int outlineFaults(const Image& image, std::uint32_t back, bool framed) {
    int faults = 0;
    auto check = [&](int x, int y) {
        const bool dot = framed && (x + y) % 2 == 0;
        if (image.at(x, y) != (dot ? (back ^ 0xFFFFFFu) : back)) ++faults;
    };
    for (int x = 0; x < image.width; ++x) {
        check(x, 0);
        check(x, image.height - 1);
    }
    for (int y = 1; y < image.height - 1; ++y) {
        check(0, y);
        check(image.width - 1, y);
    }
    return faults;
}

}  // namespace com::real
