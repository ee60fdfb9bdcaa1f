#include "forms/MdiChildPlacement.h"

#include <QMdiSubWindow>

#include "forms/Form.h"
#include "forms/QtAccess.h"

namespace forms {

void moveMdiChild(Form& child, int left, int top) {
    QWidget* w = windowOf(child);
    auto* sub = w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
    if (!sub || sub->isMaximized() || sub->isMinimized()) return;
    sub->move(child.toPixels(left), child.toPixels(top));
}

}  // namespace forms
