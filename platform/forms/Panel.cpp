#include "forms/Panel.h"

#include <QChildEvent>
#include <QPainter>
#include <QTimer>

#include "forms/DockingWidget.h"
#include "forms/ImageListAccess.h"
#include "forms/QtAccess.h"

namespace forms {

namespace detail {
void DockingWidget::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    layoutDocked(this);
}

void DockingWidget::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    if (caption_.isEmpty()) return;
    QPainter p(this);
    p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

void DockingWidget::childEvent(QChildEvent* e) {
    QFrame::childEvent(e);
    // A control placed or docked inside: lay out once its properties are set.
    if (e->added() || e->removed()) QTimer::singleShot(0, this, [this] { layoutDocked(this); });
}
bool DockingWidget::event(QEvent* e) {
    bool r = QFrame::event(e);
    relayoutParentOn(this, e);
    return r;
}

void relayoutParentOn(QWidget* w, QEvent* e) {
    // Docked neighbours take the room of a control that is hidden and give
    // it back when it is shown again.
    if ((e->type() == QEvent::HideToParent || e->type() == QEvent::ShowToParent) && w->parentWidget() &&
        w->property("formsAlign").toInt() != 0)
        layoutDocked(w->parentWidget());
}
}  // namespace detail

Panel::Panel(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* w = new detail::DockingWidget;
    w->setAutoFillBackground(true);
    attachWidget(*this, w);
    setBevel(Bevel::Raised);
}

void Panel::setCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<detail::DockingWidget*>(widgetOf(*this))->setCaption(qs(caption));
}
std::string Panel::caption() const { return caption_; }

void Panel::setHint(const std::string& hint) {
    hint_ = hint;
    applyHint(widgetOf(*this), hint);
}

void Panel::setBevel(Bevel b) {
    auto* w = static_cast<QFrame*>(widgetOf(*this));
    switch (b) {
    case Bevel::None: w->setFrameStyle(QFrame::NoFrame); break;
    case Bevel::Raised: w->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    case Bevel::Lowered: w->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    }
    w->setLineWidth(1);
}

}  // namespace forms
