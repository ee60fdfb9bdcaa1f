#include "forms/FormWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

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
