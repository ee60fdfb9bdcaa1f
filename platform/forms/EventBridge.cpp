#include "forms/EventBridge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "forms/CommandButton.h"
#include "forms/FormEvents.h"
#include "forms/QtAccess.h"

namespace forms::detail {

EventBridge::EventBridge(Control& c) : QObject(nullptr), c_(c) {}

void EventBridge::watch(QObject* o) { o->installEventFilter(this); }

bool formKeyDown(Control& c, int& code, int shift) {
    Form& f = c.form();
    if (f.keyPreview()) {
        FormEvents::keyDown(f, code, shift);
        if (code == 0) return false;
    }
    return true;
}

bool pressFormButton(Form& form, int code, QObject* watched) {
    if (code != key::Return && code != key::Escape) return false;
    auto& f = form.impl();
    Control* b = code == key::Return ? f.defaultButton : f.cancelButton;
    if (!b || !b->enabled() || !b->visible()) return false;
    if (code == key::Return && (qobject_cast<QAbstractButton*>(watched) || qobject_cast<QPlainTextEdit*>(watched)))
        return false;
    static_cast<CommandButton*>(b)->press();
    return true;
}

namespace {

// The character a key event types, in Windows-1250; 0 when none.
int asciiOf(QKeyEvent* k) {
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    QString t = k->text();
    if (t.isEmpty()) return 0;
    if (k->modifiers() & Qt::ControlModifier) {
        if (t.size() == 1 && t[0].unicode() < 32) return t[0].unicode();
        return 0;
    }
    std::string a = ansiOf(t.left(1));
    return a.size() == 1 ? static_cast<unsigned char>(a[0]) : 0;
}
}  // namespace

void EventBridge::moveAfterRelease(QWidget* released, QMouseEvent* m) {
    // As on the platform, letting go of the mouse is followed by a mouse
    // move where the pointer is, so what lies under it shows its hover look
    // at once: a label used as a button that turned black-on-black at the
    // release turns back to its hovered look without waiting for the hand.
    const QPointF global = m->globalPosition();
    QWidget* under = released->rect().contains(m->position().toPoint()) ? released
                                                                         : QApplication::widgetAt(global.toPoint());
    if (!under) return;
    QCoreApplication::postEvent(under, new QMouseEvent(QEvent::MouseMove, under->mapFromGlobal(global), global,
                                                       Qt::NoButton, Qt::NoButton, m->modifiers()));
}

void EventBridge::forwardToContainer(QWidget* watched, QMouseEvent* m) {
    QWidget* control = c_.impl().widget.data();
    QWidget* under = control ? control->parentWidget() : nullptr;
    if (!under || (watched != control && !control->isAncestorOf(watched))) return;
    QPointF p = watched->mapTo(under, m->position());
    QMouseEvent e(m->type(), p, m->scenePosition(), m->globalPosition(), m->button(), m->buttons(), m->modifiers(),
                  m->pointingDevice());
    QCoreApplication::sendEvent(under, &e);
}

bool EventBridge::eventFilter(QObject* watched, QEvent* event) {
    if (replaying_) return false;
    auto& d = c_.impl();
    Form& f = c_.form();
    auto pos = [&](QMouseEvent* m) {
        QPoint p = m->position().toPoint();
        if (watched != d.widget.data()) {
            if (auto* w = qobject_cast<QWidget*>(watched); w && d.widget) p = w->mapTo(d.widget.data(), p);
        }
        return std::pair<float, float>(static_cast<float>(f.fromPixels(p.x())),
                                       static_cast<float>(f.fromPixels(p.y())));
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* w = qobject_cast<QWidget*>(watched);
        // A disabled control (or one in a disabled container) takes no mouse
        // events: the mouse over it is over what lies underneath. Some
        // widgets (buttons) swallow the events of their disabled state, so
        // they are handed to the container here rather than left to travel.
        if (d.widget && !d.widget->isEnabled()) {
            if (w) forwardToContainer(w, static_cast<QMouseEvent*>(event));
            return true;
        }
        // A mouse event that a child control ignored travels up to its
        // container: it is the child's, not the container's.
        if (w && coveredByControl(w, static_cast<QMouseEvent*>(event)->position().toPoint())) return false;
        break;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // Keys a control left alone travel up to its container; only the
        // control with the focus raises key events.
        if (auto* w = qobject_cast<QWidget*>(watched)) {
            QWidget* fw = w->window()->focusWidget();
            if (fw && fw != w) return false;
        }
        break;
    default: break;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        auto [x, y] = pos(m);
        d.pressed = true;
        if (auto fn = c_.onMouseDown) fn(buttonOf(m->button()), shiftOf(m->modifiers()), x, y);
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(event);
        auto [x, y] = pos(m);
        bool wasPressed = d.pressed;
        d.pressed = false;
        QPointer<QObject> alive(this);
        if (auto fn = c_.onMouseUp) fn(buttonOf(m->button()), shiftOf(m->modifiers()), x, y);
        if (!alive) return true;
        QPointer<QWidget> w = qobject_cast<QWidget*>(watched);
        if (d.synthesizeClick && wasPressed && d.widget && m->button() == Qt::LeftButton) {
            // A copy: the click may unload the form and with it this control.
            if (w && w->rect().contains(m->position().toPoint()))
                if (auto fn = c_.onClick) fn();
            if (!alive) return true;
        }
        if (wasPressed && w) moveAfterRelease(w, m);
        break;
    }
    case QEvent::MouseButtonDblClick: {
        auto* m = static_cast<QMouseEvent*>(event);
        auto [x, y] = pos(m);
        // The release that follows makes no second click.
        d.pressed = false;
        QPointer<QObject> alive(this);
        if (auto fn = c_.onMouseDown) fn(buttonOf(m->button()), shiftOf(m->modifiers()), x, y);
        if (!alive) return true;
        if (auto fn = c_.onDblClick) fn();
        if (!alive) return true;
        break;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(event);
        auto [x, y] = pos(m);
        if (auto fn = c_.onMouseMove) fn(buttonOf(m->buttons()), shiftOf(m->modifiers()), x, y);
        break;
    }
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        int code = keyCodeOf(k->key());
        int sh = shiftOf(k->modifiers());
        QPointer<QObject> alive(this);
        if (code != 0) {
            if (!formKeyDown(c_, code, sh)) return true;
            if (!alive) return true;
            if (auto fn = c_.onKeyDown) fn(code, sh);
            if (!alive) return true;
            if (code == 0) return true;
            if (pressFormButton(f, code, watched)) return true;
        }
        int ascii = asciiOf(k);
        if (ascii == 0 && !k->text().isEmpty() && k->text()[0].unicode() >= 32 &&
            !(k->modifiers() & Qt::ControlModifier))
            return true;  // a character Windows-1250 cannot hold is not typed
        if (ascii != 0) {
            int original = ascii;
            if (f.keyPreview()) {
                FormEvents::keyPress(f, ascii);
                if (!alive) return true;
            }
            if (ascii != 0 && c_.onKeyPress) c_.onKeyPress(ascii);
            if (!alive) return true;
            if (ascii == 0) return true;
            if (ascii != original) {
                std::string a(1, static_cast<char>(ascii));
                QKeyEvent replaced(QEvent::KeyPress, Qt::Key_unknown, k->modifiers(), qs(a));
                replaying_ = true;
                QCoreApplication::sendEvent(watched, &replaced);
                replaying_ = false;
                return true;
            }
        }
        break;
    }
    case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(event);
        int code = keyCodeOf(k->key());
        int sh = shiftOf(k->modifiers());
        if (code != 0) {
            if (f.keyPreview()) {
                FormEvents::keyUp(f, code, sh);
                if (code == 0) return true;
            }
            if (auto fn = c_.onKeyUp) fn(code, sh);
            if (code == 0) return true;
        }
        break;
    }
    case QEvent::Resize:
        if (watched == d.widget.data()) {
            if (QWidget* area = childAreaOf(c_)) layoutDocked(area);
        }
        break;
    case QEvent::FocusIn:
        if (watched == d.widget.data() && c_.onGotFocus) c_.onGotFocus();
        break;
    case QEvent::FocusOut:
        if (watched == d.widget.data() && c_.onLostFocus) c_.onLostFocus();
        break;
    default: break;
    }
    return false;
}

}  // namespace forms::detail
