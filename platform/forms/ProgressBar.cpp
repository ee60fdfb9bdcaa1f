#include "forms/ProgressBar.h"

#include <QProgressBar>
#include <algorithm>

#include "forms/QtAccess.h"

namespace forms {

namespace {
// The widget counts in int: large values are scaled down to this range.
constexpr std::int64_t kWidgetRange = 1 << 30;

QProgressBar* barOf(const Control& c) { return static_cast<QProgressBar*>(widgetOf(c)); }
}  // namespace

ProgressBar::ProgressBar(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* bar = new QProgressBar;
    bar->setTextVisible(false);
    attachWidget(*this, bar);
    apply();
}

void ProgressBar::setMax(std::int64_t max) {
    max_ = std::max<std::int64_t>(0, max);
    position_ = std::clamp<std::int64_t>(position_, 0, max_);
    apply();
}

void ProgressBar::setPosition(std::int64_t position) {
    position_ = std::clamp<std::int64_t>(position, 0, max_);
    apply();
}

void ProgressBar::stepBy(std::int64_t delta) { setPosition(position_ + delta); }

void ProgressBar::apply() {
    QProgressBar* bar = barOf(*this);
    if (!bar) return;
    std::int64_t max = max_, pos = position_;
    if (max > kWidgetRange) {
        // Scaled as pos * range / max without overflow: both sides divided alike.
        std::int64_t div = max / kWidgetRange + 1;
        max /= div;
        pos /= div;
    }
    // A maximum of 0 would make the widget show a busy bar: an empty bar instead.
    bar->setRange(0, std::max<int>(1, int(max)));
    bar->setValue(int(pos));
}

}  // namespace forms
