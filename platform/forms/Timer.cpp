#include "forms/Timer.h"

#include <QTimer>

namespace forms {

struct Timer::Impl {
    QTimer timer;
};

Timer::Timer(Form& form, std::string name, int intervalMs, bool enabled)
    : Component(form, std::move(name)), d_(std::make_unique<Impl>()), interval_(intervalMs), enabled_(enabled) {
    QObject::connect(&d_->timer, &QTimer::timeout, [this] { fire(); });
    apply();
}

Timer::~Timer() { d_->timer.stop(); }

void Timer::setInterval(int ms) {
    interval_ = ms;
    apply();
}

void Timer::setEnabled(bool on) {
    enabled_ = on;
    apply();
}

void Timer::apply() {
    if (enabled_ && interval_ > 0)
        d_->timer.start(interval_);
    else
        d_->timer.stop();
}

void Timer::fire() {
    if (onTimer) onTimer();
}

}  // namespace forms
