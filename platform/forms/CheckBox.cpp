#include "forms/CheckBox.h"

#include <QCheckBox>

#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
QCheckBox* boxOf(const Control& c) { return static_cast<QCheckBox*>(widgetOf(c)); }
}  // namespace

CheckBox::CheckBox(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* b = new QCheckBox;
    attachWidget(*this, b);
    impl().synthesizeClick = false;
    QObject::connect(b, &QCheckBox::toggled, impl().bridge, [this](bool) {
        if (auto fn = onClick) fn();
    });
}

void CheckBox::setCaption(const std::string& caption) {
    caption_ = caption;
    boxOf(*this)->setText(qs(caption));
}
std::string CheckBox::caption() const { return caption_; }

void CheckBox::setValue(int v) { boxOf(*this)->setChecked(v != 0); }
int CheckBox::value() const { return boxOf(*this)->isChecked() ? 1 : 0; }

}  // namespace forms
