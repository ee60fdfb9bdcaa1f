#include "forms/WindowOrder.h"

#include <QWidget>

#include "forms/QtAccess.h"

namespace forms {

void setStayOnTop(Form& form, bool on) {
    QWidget* w = windowOf(form);
    if (!w) return;
    bool wasVisible = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible) w->show();  // changing the flags hides the window
}

bool stayOnTop(const Form& form) {
    QWidget* w = windowOf(form);
    return w && (w->windowFlags() & Qt::WindowStaysOnTopHint);
}

}  // namespace forms
