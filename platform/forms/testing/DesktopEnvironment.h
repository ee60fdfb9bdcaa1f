#pragma once
// For GoogleTest programs that show their windows on a real X display with a
// window manager, where the headless platform shows nothing of them: the
// program starts an X server of its own (Xvfb) with openbox on it before its
// application is made. Without Xvfb, openbox and xprop installed it is not
// ready, and the tests that need it are skipped (DesktopTest.h); with them,
// a display that could not be made fails those tests.
#include <gtest/gtest.h>

#include <sys/types.h>

#include <functional>
#include <memory>

namespace forms {
class Application;
}

namespace forms::desktop {

// A display of the program's own (Xvfb) with openbox on it, and the
// program's application on that display, made after `beforeApplication`.
class Environment : public ::testing::Environment {
public:
    explicit Environment(std::function<void()> beforeApplication = {});
    ~Environment() override;
    static bool ready() { return ready_; }
    // Why it is not ready.
    static const char* why() { return why_; }
    // Whether Xvfb, openbox and xprop are there to make the display with.
    static bool installed();

    void SetUp() override;
    void TearDown() override;

private:
    static bool wmUp();
    // A first window, framed by the window manager once it is at work.
    static bool managesWindows();

    static inline bool ready_ = false;
    static inline const char* why_ = "";
    std::function<void()> before_;
    pid_t server_ = -1, wm_ = -1;
    std::unique_ptr<Application> app_;
};

}  // namespace forms::desktop
