#include "forms/FormWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimerEvent>

#include "forms/EventBridge.h"
#include "forms/FormEvents.h"
#include "forms/QtAccess.h"

namespace forms::detail {

FormWindow::FormWindow(Form& f) : QWidget(nullptr), form_(&f) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormWindow::closeEvent(QCloseEvent* e) {
    if (!form_) {
        e->accept();
        return;
    }
    // The form decides; when it unloads, the window is already gone from it.
    if (FormEvents::userClose(*form_))
        e->accept();
    else
        e->ignore();
}

void FormWindow::changeEvent(QEvent* e) {
    if (form_ && e->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            FormEvents::activate(*form_);
        else
            FormEvents::deactivate(*form_);
    }
    QWidget::changeEvent(e);
}

void FormWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // Becoming visible, not coming back from the task bar.
    if (form_ && !e->spontaneous()) FormEvents::shown(*form_);
}

void FormWindow::placeFrame(QPoint p) {
    move(p);
    // A native window that is being shown has no frame yet, and the window
    // system takes a position given then as its client area's: the window
    // would open lower and further right by the frame. Once the frame is
    // there the window is moved where it was asked to be.
    wantedFrame_.reset();
    frameWait_.stop();
    if (!testAttribute(Qt::WA_WState_Created) || frameGeometry().topLeft() != geometry().topLeft()) return;
    wantedFrame_ = p;
    frameChecks_ = 0;
    frameWait_.start(10, this);
}

void FormWindow::timerEvent(QTimerEvent* e) {
    if (e->timerId() != frameWait_.timerId()) {
        QWidget::timerEvent(e);
        return;
    }
    // A window without a frame (none drawn, or no window manager) is where
    // it was asked to be; the wait ends after a second.
    const bool framed = frameGeometry().topLeft() != geometry().topLeft();
    if (!wantedFrame_ || framed || ++frameChecks_ > 100) {
        frameWait_.stop();
        if (wantedFrame_ && framed && isVisible() && frameGeometry().topLeft() != *wantedFrame_) move(*wantedFrame_);
        wantedFrame_.reset();
    }
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    // Keys that reach the window itself: no control had the focus.
    if (form_ && focusWidget() == nullptr) {
        int code = keyCodeOf(e->key());
        if (code) FormEvents::keyDown(*form_, code, shiftOf(e->modifiers()));
        if (code && pressFormButton(*form_, code, nullptr)) return;
    }
    QWidget::keyPressEvent(e);
}

void FormWindow::keyReleaseEvent(QKeyEvent* e) {
    if (form_ && focusWidget() == nullptr) {
        int code = keyCodeOf(e->key());
        if (code) FormEvents::keyUp(*form_, code, shiftOf(e->modifiers()));
    }
    QWidget::keyReleaseEvent(e);
}

}  // namespace forms::detail
