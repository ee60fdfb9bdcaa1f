#include "forms/WindowOrder.h"

#include <QGuiApplication>

#include "forms/QtAccess.h"

namespace forms {

void setWindowOrder(Form& form, WindowOrder order) {
    QWidget* w = windowOf(form);
    if (!w) return;
    switch (order) {
    case WindowOrder::Topmost:
    case WindowOrder::NotTopmost: {
        const bool on = order == WindowOrder::Topmost;
        if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
        const bool wasVisible = w->isVisible();
        // Changing a window flag hides the window; show it again as it was.
        w->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        if (wasVisible) w->show();
        break;
    }
    case WindowOrder::Top:
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
        break;
    }
}

bool isTopmost(const Form& form) {
    QWidget* w = windowOf(form);
    return w && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace forms
