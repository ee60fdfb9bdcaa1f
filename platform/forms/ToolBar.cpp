#include "forms/ToolBar.h"

#include <QToolBar>

#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

ToolBar::ToolBar(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* bar = new QToolBar;
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(22, 22));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    attachWidget(*this, bar);
    impl().synthesizeClick = false;
    setAlign(Align::Top);
    resize(form.fromPixels(500), form.fromPixels(34));
}

void ToolBar::setImages(const ImageList& list) { images_ = &list; }

void ToolBar::setShowCaptions(bool on) {
    static_cast<QToolBar*>(widgetOf(*this))
        ->setToolButtonStyle(on ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

}  // namespace forms
