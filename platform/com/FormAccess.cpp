#include "com/FormAccess.h"

#include <QApplication>
#include <QWidget>

#include "com/QtCursor.h"
#include "forms/QtAccess.h"

namespace com {

namespace {

QWidget* liveWidget(WindowHandle h) {
    if (!h) return nullptr;
    for (QWidget* w : QApplication::allWidgets())
        if (handleOf(w) == h) return w;
    return nullptr;
}

}  // namespace

WindowHandle formWindow(const forms::Form& form) { return handleOf(forms::windowOf(form)); }

void* formClient(const forms::Form& form) { return forms::clientOf(form); }

bool ownerRect(WindowHandle h, Rect& r) {
    QWidget* w = liveWidget(h);
    if (!w) return false;
    QWidget* top = w->window();
    if (!top || !top->isVisible()) return false;
    QRect g = top->frameGeometry();
    r = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    return true;
}

void keepOffTaskbar(const forms::Form& form) {
    QWidget* w = forms::windowOf(form);
    if (!w) return;
    const bool shown = w->isVisible();
    w->setWindowFlag(Qt::Tool, true);
    if (shown) w->show();
}

void setControlCursor(forms::Control& control, const CursorImage& image) {
    if (QWidget* w = forms::widgetOf(control)) w->setCursor(qtCursorOf(image));
}

}  // namespace com
