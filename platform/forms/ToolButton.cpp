#include "forms/ToolButton.h"

#include <QAction>
#include <QToolBar>

#include "forms/Action.h"
#include "forms/ImageListAccess.h"
#include "forms/MenuAccess.h"
#include "forms/QtAccess.h"
#include "forms/ToolBar.h"

namespace forms {

struct ToolButton::Impl {
    ToolBar* bar = nullptr;
    QPointer<QToolBar> qbar;
    QPointer<QAction> own;
    QPointer<QAction> shown;
    Action* bound = nullptr;
    std::string caption, hint;
    QMetaObject::Connection trigger;
};

ToolButton::ToolButton(Form& form, std::string name, ToolBar& bar, Style style)
    : Component(form, std::move(name)), style_(style), d_(std::make_unique<Impl>()) {
    d_->bar = &bar;
    d_->qbar = static_cast<QToolBar*>(widgetOf(bar));
    d_->own = style == Style::Separator ? d_->qbar->addSeparator() : d_->qbar->addAction(QString());
    d_->shown = d_->own;
    d_->trigger = QObject::connect(d_->own, &QAction::triggered, d_->own, [this] {
        if (onClick) onClick();
    });
}

ToolButton::~ToolButton() {
    QObject::disconnect(d_->trigger);
    if (d_->own) d_->own->deleteLater();
}

void ToolButton::setCaption(const std::string& caption) {
    d_->caption = caption;
    if (style_ == Style::Button) d_->shown->setText(qs(caption));
}
std::string ToolButton::caption() const { return d_->bound ? d_->bound->caption() : d_->caption; }

void ToolButton::setHint(const std::string& hint) {
    d_->hint = hint;
    d_->shown->setToolTip(shortHint(hint));
    d_->shown->setStatusTip(longHint(hint));
}
std::string ToolButton::hint() const { return d_->bound ? d_->bound->hint() : d_->hint; }

void ToolButton::setImageIndex(int index) { d_->shown->setIcon(iconOf(d_->bar->images(), index)); }

void ToolButton::setEnabled(bool on) { d_->shown->setEnabled(on); }
bool ToolButton::enabled() const { return d_->shown->isEnabled(); }
void ToolButton::setVisible(bool on) { d_->shown->setVisible(on); }
bool ToolButton::visible() const { return d_->shown->isVisible(); }

void ToolButton::setAction(Action& action) {
    QAction* a = actionOf(action);
    if (!a || style_ != Style::Button) return;
    d_->qbar->insertAction(d_->shown, a);
    d_->qbar->removeAction(d_->shown);
    d_->shown = a;
    d_->bound = &action;
}

void ToolButton::click() {
    if (d_->shown->isEnabled()) d_->shown->trigger();
}

}  // namespace forms
