#include "forms/ModalWindow.h"

#include <QApplication>
#include <QWidget>

namespace forms {

namespace {
bool keptOnTop(const QWidget* w) {
    return w->isVisible() && w->isWindow() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}
}  // namespace

QWidget* modalOwner() {
    QWidget* active = QApplication::activeWindow();
    if (active && keptOnTop(active)) return active;
    // A window kept on top that has just appeared may not be the active one
    // yet; a box that belonged to the window under it would open under it
    // too, where the user can't see it waiting.
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (keptOnTop(w)) found = w;
    return found ? found : active;
}

void raiseAboveKeptOnTop(QWidget& dialog) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &dialog || !keptOnTop(w)) continue;
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        return;
    }
}

}  // namespace forms
