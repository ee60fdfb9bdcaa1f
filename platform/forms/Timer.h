#pragma once
// A timer on a form: while enabled with an interval above 0, onTimer runs
// every interval milliseconds on the UI thread. It stops when its form unloads.
#include <functional>
#include <memory>

#include "forms/Component.h"

namespace forms {

class Timer : public Component {
public:
    Timer(Form& form, std::string name, int intervalMs = 0, bool enabled = true);
    ~Timer() override;
    void setInterval(int ms);
    int interval() const { return interval_; }
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }
    // Runs the handler as if the interval had passed (for tests and callers).
    void fire();

    std::function<void()> onTimer;

private:
    void apply();
    struct Impl;
    std::unique_ptr<Impl> d_;
    int interval_;
    bool enabled_;
};

}  // namespace forms
