#include "forms/SpeedButton.h"

#include <QToolButton>

#include "forms/ImageListAccess.h"
#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
QToolButton* buttonOf(const Control& c) { return static_cast<QToolButton*>(widgetOf(c)); }
}  // namespace

SpeedButton::SpeedButton(Form& form, std::string name, Control* container)
    : Control(form, std::move(name), container) {
    auto* b = new QToolButton;
    b->setAutoRaise(true);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setIconSize(QSize(16, 16));
    attachWidget(*this, b);
    impl().synthesizeClick = false;
    QObject::connect(b, &QToolButton::clicked, impl().bridge, [this] {
        QToolButton* me = buttonOf(*this);
        if (group_ > 0) {
            // Pressing a button of a group puts the others up; pressing the
            // one that is down puts it up only when all may be up.
            bool wasDown = !me->isChecked();  // clicked() has toggled it already
            if (wasDown && !allowAllUp_) me->setChecked(true);
            if (me->isChecked() && me->parentWidget()) {
                for (auto* other : me->parentWidget()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
                    if (other != me && other->property("formsGroup").toInt() == group_) other->setChecked(false);
            }
        }
        if (onClick) onClick();
    });
}

void SpeedButton::setCaption(const std::string& caption) {
    caption_ = caption;
    QToolButton* b = buttonOf(*this);
    b->setText(qs(caption));
    b->setToolButtonStyle(caption.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}
std::string SpeedButton::caption() const { return caption_; }

void SpeedButton::setHint(const std::string& hint) {
    hint_ = hint;
    applyHint(buttonOf(*this), hint);
}
std::string SpeedButton::hint() const { return hint_; }

void SpeedButton::setGlyph(const ImageList& list, int index) { buttonOf(*this)->setIcon(iconOf(&list, index)); }

void SpeedButton::setFlat(bool on) { buttonOf(*this)->setAutoRaise(on); }

void SpeedButton::setGroupIndex(int group) {
    group_ = group;
    QToolButton* b = buttonOf(*this);
    b->setCheckable(group > 0);
    b->setProperty("formsGroup", group);
}

void SpeedButton::setDown(bool on) {
    QToolButton* b = buttonOf(*this);
    if (!b->isCheckable()) b->setCheckable(true);
    b->setChecked(on);
}
bool SpeedButton::down() const { return buttonOf(*this)->isChecked(); }

void SpeedButton::press() {
    if (enabled()) buttonOf(*this)->click();
}

}  // namespace forms
