#include "forms/CommandButton.h"

#include <QPixmap>
#include <QPushButton>

#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
QPushButton* buttonOf(const Control& c) { return static_cast<QPushButton*>(widgetOf(c)); }
}  // namespace

CommandButton::CommandButton(Form& form, std::string name, Control* container)
    : Control(form, std::move(name), container) {
    auto* b = new QPushButton;
    b->setAutoDefault(true);  // Enter on the focused button presses it
    attachWidget(*this, b);
    impl().synthesizeClick = false;
    QObject::connect(b, &QPushButton::clicked, impl().bridge, [this] {
        if (auto fn = onClick) fn();
    });
}

void CommandButton::setCaption(const std::string& caption) {
    caption_ = caption;
    // "&" marks the access key as on the platform; "&&" is a plain "&".
    buttonOf(*this)->setText(qs(caption));
}
std::string CommandButton::caption() const { return caption_; }

void CommandButton::setDefault(bool on) {
    default_ = on;
    buttonOf(*this)->setDefault(on);
    auto& f = form().impl();
    if (on) {
        if (f.defaultButton && f.defaultButton != this) static_cast<CommandButton*>(f.defaultButton)->default_ = false;
        f.defaultButton = this;
    } else if (f.defaultButton == this) {
        f.defaultButton = nullptr;
    }
}

void CommandButton::setCancel(bool on) {
    cancel_ = on;
    auto& f = form().impl();
    if (on) {
        if (f.cancelButton && f.cancelButton != this) static_cast<CommandButton*>(f.cancelButton)->cancel_ = false;
        f.cancelButton = this;
    } else if (f.cancelButton == this) {
        f.cancelButton = nullptr;
    }
}

CommandButton::~CommandButton() {
    auto& f = form().impl();
    if (f.defaultButton == this) f.defaultButton = nullptr;
    if (f.cancelButton == this) f.cancelButton = nullptr;
}

bool CommandButton::setPicture(const std::string& path) {
    QPixmap p;
    if (!p.load(QString::fromStdString(path))) return false;
    buttonOf(*this)->setIcon(QIcon(p));
    buttonOf(*this)->setIconSize(p.size());
    return true;
}

void CommandButton::press() { buttonOf(*this)->click(); }

}  // namespace forms
