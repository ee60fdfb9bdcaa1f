#include "forms/PageControl.h"

#include <QTabWidget>

#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
QTabWidget* tabsOf(const Control& c) { return static_cast<QTabWidget*>(widgetOf(c)); }
}  // namespace

PageControl::PageControl(Form& form, std::string name, Control* container)
    : Control(form, std::move(name), container) {
    auto* t = new QTabWidget;
    t->setDocumentMode(false);
    attachWidget(*this, t);
    impl().synthesizeClick = false;
    QObject::connect(t, &QTabWidget::currentChanged, impl().bridge, [this](int) {
        if (onChange) onChange();
    });
}

int PageControl::pageCount() const { return tabsOf(*this)->count(); }
int PageControl::activePageIndex() const { return tabsOf(*this)->currentIndex(); }
void PageControl::setActivePageIndex(int index) { tabsOf(*this)->setCurrentIndex(index); }

}  // namespace forms
