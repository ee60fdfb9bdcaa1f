#include "forms/PopupMenu.h"

#include <QCursor>

#include "forms/Control.h"
#include "forms/MenuAccess.h"
#include "forms/QtAccess.h"

namespace forms {

PopupMenu::PopupMenu(Form& form, std::string name)
    : Component(form, std::move(name)), d_(std::make_unique<Impl>()) {
    d_->menu = new QMenu(windowOf(form));
}

PopupMenu::~PopupMenu() {
    for (auto& c : d_->attached) QObject::disconnect(c);
    if (d_->menu) d_->menu->deleteLater();
}

void PopupMenu::attachTo(Control& control) {
    QWidget* w = widgetOf(control);
    if (!w) return;
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    d_->attached.push_back(
        QObject::connect(w, &QWidget::customContextMenuRequested, d_->menu, [this](const QPoint&) { popup(); }));
    // Shortcuts of the menu's items work while the control has the focus.
    for (QAction* a : d_->menu->actions()) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        w->addAction(a);
    }
    d_->menu->setProperty("formsAttached", QVariant::fromValue<QObject*>(w));
}

void PopupMenu::popup() {
    if (onPopup) onPopup();
    d_->menu->popup(QCursor::pos());
}

}  // namespace forms
