#include "forms/MenuItem.h"

#include "forms/Action.h"
#include "forms/ImageListAccess.h"
#include "forms/MenuAccess.h"
#include "forms/QtAccess.h"

namespace forms {

QMenu* submenuOf(MenuItem& item) {
    auto& d = item.impl();
    if (!d.submenu) {
        d.submenu = new QMenu(d.parentMenu ? static_cast<QWidget*>(d.parentMenu.data()) : d.parentBar.data());
        d.submenu->setTitle(qs(d.caption));
        if (d.own) d.own->setMenu(d.submenu.data());
    }
    return d.submenu;
}

QAction* shownActionOf(const MenuItem& item) { return item.impl().shown.data(); }

MenuItem::MenuItem(Form& form, std::string name, MainMenu& parent)
    : Component(form, std::move(name)), d_(std::make_unique<Impl>()) {
    d_->parentBar = parent.impl().bar;
    // Items of the bar are menus.
    d_->submenu = new QMenu(d_->parentBar.data());
    d_->own = d_->submenu->menuAction();
    d_->parentBar->addMenu(d_->submenu);
    init();
}

MenuItem::MenuItem(Form& form, std::string name, PopupMenu& parent)
    : Component(form, std::move(name)), d_(std::make_unique<Impl>()) {
    d_->parentMenu = parent.impl().menu;
    d_->own = new QAction(d_->parentMenu.data());
    d_->parentMenu->addAction(d_->own);
    // A pop-up menu attached already: its control takes the item's shortcut.
    if (auto* w = qobject_cast<QWidget*>(d_->parentMenu->property("formsAttached").value<QObject*>())) {
        d_->own->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        w->addAction(d_->own);
    }
    init();
}

MenuItem::MenuItem(Form& form, std::string name, MenuItem& parent)
    : Component(form, std::move(name)), d_(std::make_unique<Impl>()) {
    d_->parentMenu = submenuOf(parent);
    d_->own = new QAction(d_->parentMenu.data());
    d_->own->setShortcutContext(Qt::WindowShortcut);
    d_->parentMenu->addAction(d_->own);
    init();
}

void MenuItem::init() {
    d_->shown = d_->own;
    d_->trigger = QObject::connect(d_->own, &QAction::triggered, d_->own, [this] {
        if (onClick) onClick();
    });
}

MenuItem::~MenuItem() {
    if (d_->own) QObject::disconnect(d_->trigger);
    if (d_->own && d_->own != (d_->submenu ? d_->submenu->menuAction() : nullptr)) d_->own->deleteLater();
    if (d_->submenu) d_->submenu->deleteLater();
}

void MenuItem::setCaption(const std::string& caption) {
    d_->caption = caption;
    if (caption == "-") {
        d_->shown->setSeparator(true);
        return;
    }
    d_->shown->setSeparator(false);
    d_->shown->setText(qs(caption));
    if (d_->submenu) d_->submenu->setTitle(qs(caption));
}
std::string MenuItem::caption() const { return d_->bound ? d_->bound->caption() : d_->caption; }

void MenuItem::addShortcut(int keyCode, int shift) {
    auto list = d_->shown->shortcuts();
    list.push_back(keySequence(keyCode, shift));
    d_->shown->setShortcuts(list);
}

std::string MenuItem::shortcutText() const {
    QKeySequence k = d_->shown->shortcut();
    return ansiOf(k.toString(QKeySequence::PortableText));
}

void MenuItem::setEnabled(bool on) { d_->shown->setEnabled(on); }
bool MenuItem::enabled() const { return d_->shown->isEnabled(); }
void MenuItem::setVisible(bool on) { d_->shown->setVisible(on); }
bool MenuItem::visible() const { return d_->shown->isVisible(); }

void MenuItem::setChecked(bool on) {
    d_->shown->setCheckable(on || d_->shown->isCheckable());
    d_->shown->setChecked(on);
}

void MenuItem::setDefault(bool on) {
    if (!d_->parentMenu) return;
    if (on)
        d_->parentMenu->setDefaultAction(d_->shown);
    else if (d_->parentMenu->defaultAction() == d_->shown)
        d_->parentMenu->setDefaultAction(nullptr);
}

bool MenuItem::isDefault() const { return d_->parentMenu && d_->parentMenu->defaultAction() == d_->shown; }

void MenuItem::setImage(const ImageList& list, int index) { d_->shown->setIcon(iconOf(&list, index)); }

void MenuItem::setAction(Action& action) {
    QAction* a = actionOf(action);
    if (!a || !d_->parentMenu) return;
    d_->parentMenu->insertAction(d_->shown, a);
    d_->parentMenu->removeAction(d_->shown);
    d_->shown = a;
    d_->bound = &action;
}

Action* MenuItem::action() const { return d_->bound; }

void MenuItem::click() {
    if (d_->shown->isEnabled()) d_->shown->trigger();
}

}  // namespace forms
