#include "forms/CommandButton.h"

#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
QPushButton* buttonOf(const Control& c) { return static_cast<QPushButton*>(widgetOf(c)); }
}  // namespace

CommandButton::CommandButton(Form& form, std::string name, Control* container)
    : Control(form, std::move(name), container) {
    auto* b = new QPushButton;
    b->setAutoDefault(false);
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
    if (on) {
        auto* enter = new QShortcut(QKeySequence(Qt::Key_Return), buttonOf(*this)->window());
        auto* enter2 = new QShortcut(QKeySequence(Qt::Key_Enter), buttonOf(*this)->window());
        for (auto* s : {enter, enter2}) {
            s->setContext(Qt::WindowShortcut);
            QObject::connect(s, &QShortcut::activated, impl().bridge, [this] {
                if (default_ && enabled()) press();
            });
            QObject::connect(impl().bridge, &QObject::destroyed, s, &QObject::deleteLater);
        }
    }
}

void CommandButton::setCancel(bool on) {
    cancel_ = on;
    if (on) {
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), buttonOf(*this)->window());
        esc->setContext(Qt::WindowShortcut);
        QObject::connect(esc, &QShortcut::activated, impl().bridge, [this] {
            if (cancel_ && enabled()) press();
        });
        QObject::connect(impl().bridge, &QObject::destroyed, esc, &QObject::deleteLater);
    }
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
