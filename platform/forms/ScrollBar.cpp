#include "forms/ScrollBar.h"

#include <QScrollBar>
#include <algorithm>

#include "forms/QtAccess.h"

namespace forms {

namespace {
QScrollBar* barOf(const Control& c) { return static_cast<QScrollBar*>(widgetOf(c)); }
}  // namespace

ScrollBar::ScrollBar(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* bar = new QScrollBar(Qt::Vertical);
    bar->setRange(0, 0);
    bar->setSingleStep(1);
    attachWidget(*this, bar);
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this](int) {
        if (onChange) onChange();
    });
}

void ScrollBar::setRange(int min, int max) { barOf(*this)->setRange(min, std::max(min, max)); }
int ScrollBar::min() const { return barOf(*this)->minimum(); }
int ScrollBar::max() const { return barOf(*this)->maximum(); }
void ScrollBar::setPageStep(int step) { barOf(*this)->setPageStep(std::max(1, step)); }
void ScrollBar::setPosition(int position) { barOf(*this)->setValue(position); }
int ScrollBar::position() const { return barOf(*this)->value(); }

}  // namespace forms
