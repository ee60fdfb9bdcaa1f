#include "forms/Timer.h"

#include <QTimer>

namespace forms {

struct Timer::Impl {
    QTimer* timer = new QTimer;
};

Timer::Timer(Form& form, std::string name, int intervalMs, bool enabled)
    : Component(form, std::move(name)), d_(std::make_unique<Impl>()), interval_(intervalMs), enabled_(enabled) {
    QObject::connect(d_->timer, &QTimer::timeout, d_->timer, [this] { fire(); });
    apply();
}

Timer::~Timer() {
    // The timer may be unloaded from its own handler: Qt deletes it later.
    d_->timer->stop();
    d_->timer->deleteLater();
}

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
        d_->timer->start(interval_);
    else
        d_->timer->stop();
}

void Timer::fire() {
    // A copy: the handler may unload the form that owns this timer.
    if (auto fn = onTimer) fn();
}

}  // namespace forms
