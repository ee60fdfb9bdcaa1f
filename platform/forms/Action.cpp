#include "forms/Action.h"

#include "forms/ActionList.h"
#include "forms/ImageListAccess.h"
#include "forms/MenuAccess.h"
#include "forms/QtAccess.h"

namespace forms {

QKeySequence keySequence(int keyCode, int shift) {
    int k = qtKeyOf(keyCode);
    if (shift & shift::Shift) k |= Qt::SHIFT;
    if (shift & shift::Ctrl) k |= Qt::CTRL;
    if (shift & shift::Alt) k |= Qt::ALT;
    return QKeySequence(k);
}

QAction* actionOf(const Action& a) { return a.impl().action.data(); }

Action::Action(Form& form, std::string name, ActionList* list)
    : Component(form, std::move(name)), d_(std::make_unique<Impl>()) {
    QWidget* win = windowOf(form);
    d_->action = new QAction(win);
    d_->action->setShortcutContext(Qt::WindowShortcut);
    if (win) win->addAction(d_->action);
    d_->list = list;
    if (list) list->add(this);
    QObject::connect(d_->action, &QAction::triggered, d_->action, [this] {
        if (onExecute) onExecute();
    });
}

Action::~Action() {
    if (d_->list) d_->list->remove(this);
    if (d_->action) {
        // The action may still be inside one of its own events: it goes later,
        // but from now on it reaches nothing of this object.
        d_->action->disconnect();
        d_->action->deleteLater();
    }
}

void Action::setCaption(const std::string& caption) {
    d_->caption = caption;
    d_->action->setText(qs(caption));
}
std::string Action::caption() const { return d_->caption; }

void Action::setHint(const std::string& hint) {
    d_->hint = hint;
    d_->action->setToolTip(shortHint(hint));
    d_->action->setStatusTip(longHint(hint));
}
std::string Action::hint() const { return d_->hint; }

void Action::addShortcut(int keyCode, int shift) {
    auto list = d_->action->shortcuts();
    list.push_back(keySequence(keyCode, shift));
    d_->action->setShortcuts(list);
}

void Action::setEnabled(bool on) { d_->action->setEnabled(on); }
bool Action::enabled() const { return d_->action->isEnabled(); }
void Action::setVisible(bool on) { d_->action->setVisible(on); }
bool Action::visible() const { return d_->action->isVisible(); }

void Action::setImage(const ImageList& list, int index) { d_->action->setIcon(iconOf(&list, index)); }

void Action::execute() {
    if (d_->action->isEnabled() && onExecute) onExecute();
}

void Action::update() {
    if (onUpdate) onUpdate();
}

}  // namespace forms
