#include "com/SyntheticInput.h"

#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QWidget>

namespace com::input {

namespace {
QWidget* w(void* p) { return static_cast<QWidget*>(p); }

void mouse(void* widget, QEvent::Type type, int x, int y, Qt::MouseButton b, Qt::MouseButtons held) {
    QWidget* t = w(widget);
    QPointF local(x, y);
    QPointF global = t->mapToGlobal(QPoint(x, y));
    QMouseEvent e(type, local, global, b, held, Qt::NoModifier);
    QApplication::sendEvent(t, &e);
}
}  // namespace

void press(void* widget, int x, int y) {
    mouse(widget, QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
}
void release(void* widget, int x, int y) {
    mouse(widget, QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
}
void move(void* widget, int x, int y, bool leftHeld) {
    mouse(widget, QEvent::MouseMove, x, y, Qt::NoButton, leftHeld ? Qt::LeftButton : Qt::NoButton);
}
void click(void* widget, int x, int y) {
    press(widget, x, y);
    release(widget, x, y);
}
void doubleClick(void* widget, int x, int y) {
    click(widget, x, y);
    mouse(widget, QEvent::MouseButtonDblClick, x, y, Qt::LeftButton, Qt::LeftButton);
    release(widget, x, y);
}

void key(void* widget, const char* name) {
    QKeySequence seq = QKeySequence::fromString(QString::fromLatin1(name));
    int k = seq.isEmpty() ? 0 : seq[0].key();
    QString text;
    if (k == Qt::Key_Space) text = QStringLiteral(" ");
    else if (k == Qt::Key_Return) text = QStringLiteral("\r");
    else if (k == Qt::Key_Escape) text = QString(QChar(27));
    else if (k == Qt::Key_Tab) text = QStringLiteral("\t");
    else if (k >= Qt::Key_A && k <= Qt::Key_Z) text = QString(QChar('a' + (k - Qt::Key_A)));
    else if (k >= Qt::Key_0 && k <= Qt::Key_9) text = QString(QChar('0' + (k - Qt::Key_0)));
    QKeyEvent down(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w(widget), &down);
    QKeyEvent up(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QApplication::sendEvent(w(widget), &up);
}

void* labelOf(void* widget) {
    for (QObject* c : w(widget)->children())
        if (auto* cw = qobject_cast<QWidget*>(c); cw && cw->property("comNoWindow").toBool()) return cw;
    return nullptr;
}

void focus(void* widget) {
    w(widget)->setFocus(Qt::OtherFocusReason);
    QFocusEvent e(QEvent::FocusIn, Qt::OtherFocusReason);
    QApplication::sendEvent(w(widget), &e);
}

Point screenPoint(void* widget, int x, int y) {
    QPoint g = w(widget)->mapToGlobal(QPoint(x, y));
    return {g.x(), g.y()};
}

int focusRects(void* widget) { return static_cast<int>(w(widget)->property("comFocusRects").toList().size()); }

void resize(void* widget, int width, int height) {
    // A hosted window is shown; a hidden one would hear of its size later.
    w(widget)->show();
    w(widget)->resize(width, height);
}

}  // namespace com::input
