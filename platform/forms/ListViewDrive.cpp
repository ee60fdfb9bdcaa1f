#include "forms/ListViewDrive.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>

#include "forms/ListView.h"
#include "forms/QtAccess.h"

namespace forms::drive {

namespace {
void send(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held) {
    QPointF local(p);
    QMouseEvent e(type, local, w->mapToGlobal(local), b, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
}  // namespace

void doubleClickItem(ListView& list, int index) {
    auto* l = qobject_cast<QListWidget*>(widgetOf(list));
    if (!l || index < 0 || index >= l->count()) return;
    l->doItemsLayout();
    QPointer<QWidget> view(l->viewport());
    QPoint at = l->visualItemRect(l->item(index)).center();
    send(view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    if (view) send(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    if (view) send(view, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    if (view) send(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

bool itemOnScreen(ListView& list, int index, int& x, int& y) {
    auto* l = qobject_cast<QListWidget*>(widgetOf(list));
    if (!l || index < 0 || index >= l->count()) return false;
    l->doItemsLayout();
    const QPoint at = l->viewport()->mapToGlobal(l->visualItemRect(l->item(index)).center());
    x = at.x();
    y = at.y();
    return true;
}

}  // namespace forms::drive
