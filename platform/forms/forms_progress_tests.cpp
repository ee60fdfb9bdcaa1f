// The progress bar, the copy animation and the stay-on-top setting of a form.
#include <gtest/gtest.h>

#include <QProgressBar>
#include <unistd.h>

#include "forms/Animation.h"
#include "forms/Application.h"
#include "forms/Drive.h"
#include "forms/Form.h"
#include "forms/MainMenu.h"
#include "forms/MenuItem.h"
#include "forms/ProgressBar.h"
#include "forms/QtAccess.h"
#include "forms/WindowOrder.h"

using namespace forms;

namespace {

class AppEnv : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "forms_progress_tests";
        static char* argv[] = {name, nullptr};
        static Application* app = new Application(argc, argv);  // lives to the end of the run
        (void)app;
    }
};
[[maybe_unused]] auto* env = ::testing::AddGlobalTestEnvironment(new AppEnv);

class Window : public Form {
public:
    Window() : Form("Window", Scale::Pixels) {}
    ProgressBar* bar = nullptr;
    Animation* anim = nullptr;

protected:
    void createControls() override {
        bar = add<ProgressBar>("ProgressBar1");
        bar->move(10, 10, 200, 16);
        anim = add<Animation>("Animate1");
        anim->move(10, 40, 200, 50);
    }
};

// The share of the bar the widget shows filled.
double filled(const ProgressBar& b) {
    auto* w = static_cast<QProgressBar*>(widgetOf(b));
    return double(w->value() - w->minimum()) / double(w->maximum() - w->minimum());
}

}  // namespace

TEST(ProgressBar, KeepsItsPositionInRangeAndShowsLargeCountsInProportion) {
    Window f;
    f.load();
    constexpr std::int64_t GB = 1024ll * 1024 * 1024;
    struct Case {
        std::int64_t max, position, expectPosition;
        double share;
    } cases[] = {
        {1000, 250, 250, 0.25},
        {1000, 1500, 1000, 1.0},        // past the end stops at the end
        {1000, -5, 0, 0.0},
        {0, 10, 0, 0.0},                // no size known: an empty bar, not a busy one
        {6 * GB, 3 * GB, 3 * GB, 0.5},  // more bytes than the widget counts
        {6 * GB, 6 * GB, 6 * GB, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.max) + " " + std::to_string(c.position));
        f.bar->setMax(c.max);
        f.bar->setPosition(c.position);
        EXPECT_EQ(f.bar->position(), c.expectPosition);
        EXPECT_NEAR(filled(*f.bar), c.share, 0.001);
    }
    // A smaller maximum pulls the position back; steps add up.
    f.bar->setMax(100);
    f.bar->setPosition(90);
    f.bar->setMax(50);
    EXPECT_EQ(f.bar->position(), 50);
    f.bar->setPosition(0);
    f.bar->stepBy(20);
    f.bar->stepBy(20);
    EXPECT_EQ(f.bar->position(), 40);
}

TEST(Animation, PlaysOnlyWhileActive) {
    Window f;
    f.show();
    f.anim->setActive(true);
    for (int i = 0; i < 100 && f.anim->frame() == 0; ++i) {
        drive::processEvents();
        usleep(5000);
    }
    EXPECT_NE(f.anim->frame(), 0);
    f.anim->setActive(false);
    int stopped = f.anim->frame();
    for (int i = 0; i < 10; ++i) {
        drive::processEvents();
        usleep(10000);
    }
    EXPECT_EQ(f.anim->frame(), stopped);
    f.anim->setFrame(Animation::frameCount() + 1);
    EXPECT_EQ(f.anim->frame(), 1);
}

TEST(WindowOrder, StayOnTopSurvivesShowingAndHiding) {
    Window f;
    f.load();
    EXPECT_FALSE(isTopmost(f));
    setWindowOrder(f, WindowOrder::Topmost);
    f.show();
    EXPECT_TRUE(isTopmost(f));
    EXPECT_TRUE(f.visible());
    f.hide();
    f.show();
    EXPECT_TRUE(isTopmost(f));
    setWindowOrder(f, WindowOrder::NotTopmost);
    EXPECT_TRUE(f.visible()) << "changing it keeps a shown window shown";
    EXPECT_FALSE(isTopmost(f));
}

TEST(WindowOrder, DisablingAWindowKeepsTheStatesOfItsMenus) {
    // A window disabled while another one works (a progress window, say)
    // comes back with its menus as they were.
    struct Menus : Form {
        Menus() : Form("Menus", Scale::Pixels) {}
        MenuItem *file = nullptr, *insert = nullptr, *open = nullptr, *save = nullptr, *sub = nullptr, *deep = nullptr;
        void createControls() override {
            auto* bar = add<MainMenu>("MainMenu1");
            file = add<MenuItem>("Plik1", *bar);
            open = add<MenuItem>("Otworz1", *file);
            save = add<MenuItem>("Zapisz1", *file);
            sub = add<MenuItem>("Wiecej1", *file);
            deep = add<MenuItem>("Gleboko1", *sub);
            insert = add<MenuItem>("Wstaw1", *bar);
            for (MenuItem* m : {file, open, save, sub, deep, insert}) m->setCaption(m->name());
        }
    } f;
    f.show();
    f.insert->setEnabled(false);
    f.save->setEnabled(false);
    f.sub->setEnabled(false);
    auto states = [&] {
        std::vector<bool> s;
        for (MenuItem* m : {f.file, f.open, f.save, f.sub, f.deep, f.insert}) s.push_back(m->enabled());
        return s;
    };
    const std::vector<bool> before = states();
    f.setEnabled(false);
    EXPECT_FALSE(f.enabled());
    f.setEnabled(true);
    EXPECT_EQ(states(), before);
    int clicks = 0;
    f.insert->onClick = [&] { ++clicks; };
    f.insert->click();
    EXPECT_EQ(clicks, 0);
}
