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
    if (QWidget* active = QApplication::activeWindow()) return active;
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (keptOnTop(w)) found = w;
    return found;
}

void raiseAboveKeptOnTop(QWidget& dialog) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &dialog || !keptOnTop(w)) continue;
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        return;
    }
}

}  // namespace forms
