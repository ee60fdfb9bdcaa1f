#include "forms/OptionButton.h"

#include <QRadioButton>

#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
QRadioButton* buttonOf(const Control& c) { return static_cast<QRadioButton*>(widgetOf(c)); }
}  // namespace

OptionButton::OptionButton(Form& form, std::string name, Control* container)
    : Control(form, std::move(name), container) {
    auto* b = new QRadioButton;
    b->setAutoExclusive(true);  // exclusive among the buttons of one parent widget
    attachWidget(*this, b);
    impl().synthesizeClick = false;
    QObject::connect(b, &QRadioButton::toggled, impl().bridge, [this](bool on) {
        if (!on) return;
        if (auto fn = onClick) fn();
    });
}

void OptionButton::setCaption(const std::string& caption) {
    caption_ = caption;
    buttonOf(*this)->setText(qs(caption));
}
std::string OptionButton::caption() const { return caption_; }

void OptionButton::setValue(bool on) {
    if (on) {
        buttonOf(*this)->setChecked(true);
        return;
    }
    // Clearing the set button of a group leaves none set, as code may.
    auto* b = buttonOf(*this);
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(true);
}
bool OptionButton::value() const { return buttonOf(*this)->isChecked(); }

}  // namespace forms
