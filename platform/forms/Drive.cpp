#include "forms/Drive.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include "forms/Application.h"
#include "forms/QtAccess.h"

namespace forms::drive {

namespace {
QWidget* target(Control& c) {
    QWidget* w = widgetOf(c);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) return area->viewport();
    return w;
}

QString typedText(int code, int shiftState) {
    bool up = shiftState & shift::Shift;
    if (code >= 'A' && code <= 'Z') return QString(QChar(up ? code : code + 32));
    if (code >= '0' && code <= '9') return QString(QChar(code));
    switch (code) {
    case key::Return: return QStringLiteral("\r");
    case key::Escape: return QString(QChar(27));
    case key::Back: return QString(QChar(8));
    case key::Tab: return QStringLiteral("\t");
    case key::Space: return QStringLiteral(" ");
    default: return {};
    }
}

Qt::KeyboardModifiers mods(int s) {
    Qt::KeyboardModifiers m;
    if (s & shift::Shift) m |= Qt::ShiftModifier;
    if (s & shift::Ctrl) m |= Qt::ControlModifier;
    if (s & shift::Alt) m |= Qt::AltModifier;
    return m;
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held) {
    QPointF local(p);
    QMouseEvent e(type, local, w->mapToGlobal(local), b, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

QPoint pointOf(Control& c, int x, int y) {
    Form& f = c.form();
    return {f.toPixels(x), f.toPixels(y)};
}
}  // namespace

void pressKey(Control& c, int keyCode, int shiftState) {
    QWidget* w = widgetOf(c);
    if (!w) return;
    w->setFocus(Qt::OtherFocusReason);  // keys come to the control with the focus
    QPointer<QWidget> alive(w);
    int qk = qtKeyOf(keyCode);
    if (qk == Qt::Key_unknown && keyCode >= 'A' && keyCode <= 'Z') qk = keyCode;
    QKeyEvent down(QEvent::KeyPress, qk, mods(shiftState), typedText(keyCode, shiftState));
    QCoreApplication::sendEvent(w, &down);
    if (!alive) return;
    QKeyEvent up(QEvent::KeyRelease, qk, mods(shiftState), typedText(keyCode, shiftState));
    QCoreApplication::sendEvent(w, &up);
}

void typeText(Control& c, const std::string& text) {
    if (QWidget* w = widgetOf(c)) w->setFocus(Qt::OtherFocusReason);
    for (char ch : text) {
        QWidget* w = widgetOf(c);
        if (!w) return;
        QString s = qs(std::string(1, ch));
        int qk = s[0].toUpper().unicode();
        QKeyEvent down(QEvent::KeyPress, qk, Qt::NoModifier, s);
        QCoreApplication::sendEvent(w, &down);
        if (!widgetOf(c)) return;
        QKeyEvent up(QEvent::KeyRelease, qk, Qt::NoModifier, s);
        QCoreApplication::sendEvent(w, &up);
    }
}

void click(Control& c) {
    QWidget* w = target(c);
    if (!w) return;
    QPointer<QWidget> alive(w);
    QPoint mid = w->rect().center();
    sendMouse(w, QEvent::MouseButtonPress, mid, Qt::LeftButton, Qt::LeftButton);
    if (alive) sendMouse(w, QEvent::MouseButtonRelease, mid, Qt::LeftButton, Qt::NoButton);
}

void doubleClick(Control& c) {
    QWidget* w = target(c);
    if (!w) return;
    QPointer<QWidget> alive(w);
    QPoint mid = w->rect().center();
    sendMouse(w, QEvent::MouseButtonPress, mid, Qt::LeftButton, Qt::LeftButton);
    if (alive) sendMouse(w, QEvent::MouseButtonRelease, mid, Qt::LeftButton, Qt::NoButton);
    if (alive) sendMouse(w, QEvent::MouseButtonDblClick, mid, Qt::LeftButton, Qt::LeftButton);
    if (alive) sendMouse(w, QEvent::MouseButtonRelease, mid, Qt::LeftButton, Qt::NoButton);
}

void mouseMove(Control& c, int x, int y) {
    if (QWidget* w = widgetOf(c)) sendMouse(w, QEvent::MouseMove, pointOf(c, x, y), Qt::NoButton, Qt::NoButton);
}
void mouseDown(Control& c, int x, int y) {
    if (QWidget* w = widgetOf(c))
        sendMouse(w, QEvent::MouseButtonPress, pointOf(c, x, y), Qt::LeftButton, Qt::LeftButton);
}
void mouseUp(Control& c, int x, int y) {
    if (QWidget* w = widgetOf(c))
        sendMouse(w, QEvent::MouseButtonRelease, pointOf(c, x, y), Qt::LeftButton, Qt::NoButton);
}

void mouseMoveOnForm(Form& f, int x, int y) {
    if (QWidget* w = clientOf(f))
        sendMouse(w, QEvent::MouseMove, {f.toPixels(x), f.toPixels(y)}, Qt::NoButton, Qt::NoButton);
}

void closeByUser(Form& f) {
    if (QWidget* w = windowOf(f)) w->close();
}

void processEvents() { Application::processEvents(); }

struct PaintCounter::Impl : QObject {
    int paints = 0;
    QTimer timer;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

PaintCounter::PaintCounter(Form& f, int everyMs) : d(new Impl) {
    if (QWidget* w = windowOf(f)) {
        w->installEventFilter(d);
        QObject::connect(&d->timer, &QTimer::timeout, d, [w] { w->update(); });
        d->timer.start(everyMs);
    }
}

PaintCounter::~PaintCounter() { delete d; }

int PaintCounter::count() const { return d->paints; }

bool saveScreenshot(Form& f, const std::string& path) {
    QWidget* w = windowOf(f);
    if (!w) return false;
    processEvents();
    return w->grab().save(QString::fromStdString(path), "PNG");
}

}  // namespace forms::drive
