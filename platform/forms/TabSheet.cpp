#include "forms/TabSheet.h"

#include <QTabWidget>

#include "forms/DockingWidget.h"
#include "forms/ImageListAccess.h"
#include "forms/PageControl.h"
#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

TabSheet::TabSheet(Form& form, std::string name, PageControl& pages)
    : Control(form, std::move(name), &pages), pages_(pages) {
    auto* page = new detail::DockingWidget;
    attachWidget(*this, page);
    impl().synthesizeClick = false;
    static_cast<QTabWidget*>(widgetOf(pages))->addTab(page, QString());
}

void TabSheet::setCaption(const std::string& caption) {
    caption_ = caption;
    auto* tabs = static_cast<QTabWidget*>(widgetOf(pages_));
    int i = tabs->indexOf(widgetOf(*this));
    if (i >= 0) tabs->setTabText(i, qs(caption));
}
std::string TabSheet::caption() const { return caption_; }

void TabSheet::setHint(const std::string& hint) {
    hint_ = hint;
    auto* tabs = static_cast<QTabWidget*>(widgetOf(pages_));
    int i = tabs->indexOf(widgetOf(*this));
    if (i >= 0) tabs->setTabToolTip(i, shortHint(hint));
}

void TabSheet::activate() { static_cast<QTabWidget*>(widgetOf(pages_))->setCurrentWidget(widgetOf(*this)); }

}  // namespace forms
