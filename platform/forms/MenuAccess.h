#pragma once
// Platform-internal: the Qt objects behind menus and command objects.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <vector>

#include "forms/Action.h"
#include "forms/MainMenu.h"
#include "forms/MenuItem.h"
#include "forms/PopupMenu.h"

namespace forms {

struct Action::Impl {
    QPointer<QAction> action;
    ActionList* list = nullptr;
    std::string caption, hint;
};

struct MainMenu::Impl {
    QPointer<QMenuBar> bar;
};

struct MenuItem::Impl {
    // The menu this item stands in, and the item's own action (replaced by
    // the command's action when bound to one).
    QPointer<QMenu> parentMenu;
    QPointer<QMenuBar> parentBar;
    QPointer<QAction> own;
    QPointer<QAction> shown;
    QPointer<QMenu> submenu;  // made when the first child item is added
    Action* bound = nullptr;
    std::string caption;
    QMetaObject::Connection trigger;
};

struct PopupMenu::Impl {
    QPointer<QMenu> menu;
    std::vector<QMetaObject::Connection> attached;
};

// The menu that children of `item` go into, made on first use.
QMenu* submenuOf(MenuItem& item);
QAction* actionOf(const Action& a);
QAction* shownActionOf(const MenuItem& item);
QKeySequence keySequence(int keyCode, int shift);

}  // namespace forms
