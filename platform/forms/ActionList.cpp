#include "forms/ActionList.h"

#include <QTimer>

#include <algorithm>

#include "forms/Action.h"
#include "forms/QtAccess.h"

namespace forms {

struct ActionList::Impl {
    QPointer<QTimer> idle;
};

ActionList::ActionList(Form& form, std::string name)
    : Component(form, std::move(name)), d_(std::make_unique<Impl>()) {
    QWidget* win = windowOf(form);
    d_->idle = new QTimer(win);
    d_->idle->setInterval(150);
    QObject::connect(d_->idle, &QTimer::timeout, d_->idle, [this, win] {
        if (win && win->isVisible()) updateAll();
    });
    d_->idle->start();
}

ActionList::~ActionList() {
    if (d_->idle) {
        d_->idle->stop();
        d_->idle->disconnect();
        d_->idle->deleteLater();
    }
}

void ActionList::remove(Action* a) { actions_.erase(std::remove(actions_.begin(), actions_.end(), a), actions_.end()); }

void ActionList::updateAll() {
    // A copy: an update handler may not change the list, but be safe.
    std::vector<Action*> list = actions_;
    for (Action* a : list) a->update();
}

}  // namespace forms
