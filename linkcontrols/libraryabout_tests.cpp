// The library's about form, shown by either control, with the window
// functions (cursor, capture, the drag message) and the shell played by the
// test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "com/Application.h"
#include "com/ClassFactory.h"
#include "com/FormAccess.h"
#include "com/OleControl.h"
#include "com/PropertyBag.h"
#include "com/SyntheticInput.h"
#include "com/WindowMessages.h"
#include "forms/Application.h"
#include "forms/Drive.h"
#include "forms/Label.h"
#include "forms/ModalAnswers.h"
#include "forms/ScriptedAnswers.h"
#include "forms/Timer.h"
#include "linkcontrols/Module.h"
#include "linkcontrols/PrivateClasses.h"
#include "linkcontrols/Server.h"
#include "linkcontrols/ZorbLinkObject.h"
#include "linkcontrols/ZorbLinkTypeLib.h"
#include "linkcontrols/ZorbShadingObject.h"
#include "linkcontrols/frmAbout.h"
#include "shell/Shell.h"

using namespace com;
using namespace linkcontrols;
namespace fs = std::filesystem;

namespace {

struct FakeWindows final : WindowFunctions, WindowMessages {
    Point cursor{0, 0};
    WindowHandle under = 0;
    WindowHandle captured = 0;
    std::vector<std::string> log;
    WindowHandle sentTo = 0;
    bool getCursorPos(Point& p) override {
        p = cursor;
        return true;
    }
    WindowHandle windowFromPoint(Point) override { return under; }
    WindowHandle getFocus() override { return 0; }
    bool drawFocusRect(WindowHandle, const Rect&) override { return true; }
    WindowHandle setCapture(WindowHandle w) override {
        log.push_back("setCapture");
        return std::exchange(captured, w);
    }
    WindowHandle getCapture() override { return captured; }
    bool releaseCapture() override {
        log.push_back("releaseCapture");
        captured = 0;
        return true;
    }
    WindowHandle desktopWindow() override { return 0; }
    std::intptr_t sendMessage(WindowHandle w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) override {
        char buf[64];
        std::snprintf(buf, sizeof buf, "send %X %u %d", m, static_cast<unsigned>(wp), static_cast<int>(lp));
        log.push_back(buf);
        sentTo = w;
        return 0;
    }
};

struct FakeSite final : IControlSite {
    FakeWindows* windowsFns = nullptr;
    int shells = 0;
    Ptr<IFont> ambientFont() override { return {}; }
    void propertyChanged(const std::string&) override {}
    WindowFunctions* windows() override { return windowsFns; }
    int shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory, int show) override {
        ++shells;
        return shell::execute(verb, file, parameters, directory, show);
    }
    void sizeChanged(int, int) override {}
};

ZorbShading& gradientOf(OleControl* c) { return static_cast<ZorbShadingObject*>(c->dispatch().get())->control(); }

class LibraryAboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        forms::setModal(&answers);
        site.windowsFns = &windows;
    }
    void TearDown() override {
        forms::drive::setModalHook(nullptr);
        if (form && form->isLoaded()) form->unload();
        form.reset();
        forms::setModal(nullptr);
    }
    // The form loaded and shown modeless, so the test drives it directly.
    frmAbout& open() {
        form = std::make_unique<frmAbout>();
        form->setCaller(&site, 0);
        form->load();
        form->move(1500, 1500);
        form->show();
        return *form;
    }
    void cursorAtTwips(int x, int y) { windows.cursor = {x / forms::TwipsPerPixel, y / forms::TwipsPerPixel}; }
    void clickBackground() { input::click(formClient(*form), 255, 60); }

    forms::ScriptedAnswers answers;
    FakeWindows windows;
    FakeSite site;
    std::unique_ptr<frmAbout> form;
};

TEST_F(LibraryAboutTest, TheFormHoldsItsControlsWhereTheyBelong) {
    frmAbout& f = open();
    EXPECT_EQ(f.caption(), "");
    EXPECT_EQ(f.clientWidth(), 4020);
    EXPECT_EQ(f.clientHeight(), 1485);
    EXPECT_EQ(f.lblVersion->caption(), "Version 1.0") << "replaced at load";
    EXPECT_EQ(f.lblTitel->caption(), "zorbLinkControl");
    EXPECT_EQ(f.lblTitel->foreColor(), 0xFF0000u);
    EXPECT_DOUBLE_EQ(f.lblTitel->font().size, 21.75);
    EXPECT_EQ(f.Label2->caption(), "Homepage:");
    EXPECT_EQ(f.lblURL->caption(), frmAbout::kHomepage);
    EXPECT_EQ(f.lblURL->foreColor(), 0u);
    EXPECT_EQ(f.tmrMouseOut->interval(), 20);
    EXPECT_FALSE(f.tmrMouseOut->enabled());

    struct {
        OleControl* c;
        int left, top, width, height;
        std::uint32_t color1, color2;
        std::int32_t shading;
        std::vector<std::string> keys;
    } bars[] = {
        {f.zorbShading2, 0, 480, 3990, 15, 0xFF0000, 0x8000000F, 0, {"Color1"}},
        {f.shdMove[1], 150, 0, 90, 1515, 0x8000000F, 0x80000010, 1, {"Color1", "Color2", "Shading"}},
        {f.shdMove[0], 0, 0, 240, 2715, 0x80000010, 0x8000000F, 1, {"Shading"}},
    };
    for (auto& b : bars) {
        ASSERT_TRUE(b.c->created()) << b.c->name();
        EXPECT_EQ(b.c->left(), b.left) << b.c->name();
        EXPECT_EQ(b.c->top(), b.top) << b.c->name();
        EXPECT_EQ(b.c->width(), b.width) << b.c->name();
        EXPECT_EQ(b.c->height(), b.height) << b.c->name();
        ZorbShading& g = gradientOf(b.c);
        EXPECT_EQ(g.Color1(), b.color1) << b.c->name();
        EXPECT_EQ(g.Color2(), b.color2) << b.c->name();
        EXPECT_EQ(g.Shading(), b.shading) << b.c->name();
        EXPECT_EQ(g.surface().point(0, 0), g.rgb1()) << "Color1 at the start of the gradient: " << b.c->name();
        PropertyBag saved;
        b.c->object().as<IPersistPropertyBag>(IID_IPersistPropertyBag)->Save(&saved, true, false);
        EXPECT_EQ(saved.keys(), b.keys) << "the stored entries, less the extent: " << b.c->name();
    }
    EXPECT_EQ(gradientOf(f.zorbShading2).surface().point(0, 0), 0xFF0000) << "blue under the title";
}

TEST(LibraryAboutVersion, ShowsMajorAndMinorOnly) {
    struct {
        int major, minor;
        const char* text;
    } cases[] = {{1, 0, "Version 1.0"}, {0, 0, "Version 0.0"}, {2, 13, "Version 2.13"}};
    for (auto& c : cases) EXPECT_EQ(frmAbout::versionCaption(c.major, c.minor), c.text);
}

TEST_F(LibraryAboutTest, OnlyTheBackgroundClosesItAndOnlyTheLinkOpensAnything) {
    frmAbout& f = open();
    for (forms::Label* l : {f.Label2, f.lblTitel, f.lblVersion, f.Label1}) {
        forms::drive::click(*l);
        EXPECT_TRUE(f.isLoaded()) << l->name();
    }
    for (OleControl* c : {f.zorbShading2, f.shdMove[0], f.shdMove[1]}) {
        input::click(c->componentWidget(), 1, 1);
        EXPECT_TRUE(f.isLoaded()) << c->name();
    }
    EXPECT_TRUE(answers.asked("shell").empty());

    forms::drive::click(*f.lblURL);
    auto shells = answers.asked("shell");
    ASSERT_EQ(shells.size(), 1u);
    EXPECT_EQ(shells[0].text, frmAbout::kHomepage);
    EXPECT_EQ(shells[0].title, "Open");
    EXPECT_TRUE(f.isLoaded()) << "the link leaves the form open";
    answers.answerShell(2);  // the shell fails: nothing is said
    forms::drive::click(*f.lblURL);
    EXPECT_TRUE(answers.asked("message").empty());

    clickBackground();
    EXPECT_FALSE(f.isLoaded());
}

TEST_F(LibraryAboutTest, TheLinkIsBlueOnlyInsideItsTestedRectangle) {
    frmAbout& f = open();
    const int l = f.left() + f.lblURL->left(), t = f.top() + f.lblURL->top();
    const int r = l + f.lblURL->width(), b = t + f.lblURL->height();
    const int px = forms::TwipsPerPixel;
    struct {
        int x, y;
        bool blue;
    } cases[] = {
        {l, t, true},      {r, b, true},       {(l + r) / 2, (t + b) / 2, true},
        {l - px, t, false}, {l, t - px, false}, {r + px, t, false}, {l, b + px, false},
    };
    for (auto& c : cases) {
        forms::drive::mouseMoveOnForm(f, 3900, 1400);  // background: black at once
        f.tmrMouseOut->setEnabled(false);
        EXPECT_EQ(f.lblURL->foreColor(), 0u);
        cursorAtTwips(c.x, c.y);
        forms::drive::mouseMove(*f.lblURL, 30, 30);
        EXPECT_EQ(f.lblURL->foreColor(), c.blue ? 0xFF0000u : 0u) << c.x << "," << c.y;
        EXPECT_EQ(f.tmrMouseOut->enabled(), c.blue) << c.x << "," << c.y;
    }

    // The watch keeps the colour while the cursor stays, and stops itself
    // once it finds the cursor outside.
    cursorAtTwips(l, t);
    forms::drive::mouseMove(*f.lblURL, 30, 30);
    f.tmrMouseOut_Timer();
    EXPECT_EQ(f.lblURL->foreColor(), 0xFF0000u);
    EXPECT_TRUE(f.tmrMouseOut->enabled());
    cursorAtTwips(l - px, t);
    processEvents(100);
    EXPECT_EQ(f.lblURL->foreColor(), 0u) << "within a tick of the 20 ms timer";
    EXPECT_FALSE(f.tmrMouseOut->enabled());
}

TEST_F(LibraryAboutTest, ALeftButtonDragOnEitherBarMovesTheForm) {
    frmAbout& f = open();
    struct {
        OleControl* bar;
        std::int16_t button;
        bool drags;
    } cases[] = {
        {f.shdMove[0], 1, true}, {f.shdMove[1], 1, true}, {f.shdMove[0], 2, false},
        {f.shdMove[1], 0, false}, {f.zorbShading2, 1, false},
    };
    for (auto& c : cases) {
        windows.log.clear();
        windows.sentTo = 0;
        void* canvas = c.bar->componentWidget();
        windows.under = handleOf(canvas);
        windows.captured = handleOf(canvas);  // the bar holds the mouse while the cursor is over it
        if (c.button == 1)
            input::move(canvas, 3, 3, true);
        else
            gradientOf(c.bar).UserControl_MouseMove(c.button, 0, 45, 45);
        if (c.drags) {
            ASSERT_GE(windows.log.size(), 2u) << c.bar->name();
            EXPECT_EQ(windows.log[0], "releaseCapture") << "the capture goes first: " << c.bar->name();
            EXPECT_EQ(windows.log[1], "send A1 2 0") << "a press on the title: " << c.bar->name();
            EXPECT_EQ(windows.sentTo, formWindow(f));
        } else {
            EXPECT_TRUE(windows.log.empty()) << c.bar->name() << " button " << c.button;
        }
    }
    EXPECT_TRUE(f.isLoaded());
}

// The form draws; the picture is kept only where LIBRARYABOUT_SCREENSHOT
// names a file for it, else it goes with the test's own folder.
TEST_F(LibraryAboutTest, LooksRight) {
    frmAbout& f = open();
    const fs::path dir = fs::temp_directory_path() / ("libraryabout_tests_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const char* keep = std::getenv("LIBRARYABOUT_SCREENSHOT");
    const fs::path png = keep ? fs::path(keep) : dir / "about.png";
    EXPECT_TRUE(forms::drive::saveScreenshot(f, png.string()));
    std::error_code ec;
    EXPECT_GT(fs::file_size(png, ec), 0u);
    if (keep) std::printf("about form drawn to %s\n", png.c_str());
    fs::remove_all(dir, ec);
}

// ShowAbout through the controls' automation interfaces.
class ShowAboutTest : public LibraryAboutTest {
protected:
    void SetUp() override {
        LibraryAboutTest::SetUp();
        void* f = nullptr;
        ASSERT_EQ(getClassObject(&CLSID_zorbLink, &IID_IClassFactory, &f), S_OK);
        Ptr<IClassFactory> factory = Ptr<IClassFactory>::adopt(static_cast<IClassFactory*>(f));
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, link.putVoid()), S_OK);
        static_cast<ZorbLinkObject*>(link.get())->SetClientSite(&site);
        static_cast<ZorbLinkObject*>(link.get())->InitNew();
        ASSERT_EQ(createPrivateControl(kShadingProgId, IID_IDispatch, gradient.putVoid()), S_OK);
        static_cast<ZorbShadingObject*>(gradient.get())->SetClientSite(&site);
    }
    void TearDown() override {
        static_cast<ZorbLinkObject*>(link.get())->Close();
        static_cast<ZorbShadingObject*>(gradient.get())->Close();
        link.reset();
        gradient.reset();
        LibraryAboutTest::TearDown();
    }
    HRESULT showAbout(IDispatch* d) {
        std::vector<Variant> none;
        return d->Invoke(DISPID_ABOUTBOX, DISPATCH_METHOD, none, nullptr);
    }
    Ptr<IDispatch> link, gradient;
};

TEST_F(ShowAboutTest, EitherControlShowsTheOneFormModallyUntilItIsClosed) {
    std::vector<std::string> seen;
    forms::drive::setModalHook([&](forms::Form& f) {
        seen.push_back(f.name());
        EXPECT_EQ(libraryAbout(), &f) << "the library-wide reference";
        EXPECT_TRUE(f.isModal());
        EXPECT_EQ(static_cast<frmAbout&>(f).lblVersion->caption(), "Version 1.0");
        // Shown already: a second ShowAbout does not show it again.
        const std::size_t before = seen.size();
        EXPECT_EQ(showAbout(gradient.get()), S_OK);
        EXPECT_EQ(seen.size(), before);
        input::click(formClient(f), 255, 60);
    });
    EXPECT_EQ(showAbout(link.get()), S_OK);
    EXPECT_EQ(seen, std::vector<std::string>{"frmAbout"});
    EXPECT_EQ(libraryAbout(), nullptr) << "cleared when the form unloaded";

    EXPECT_EQ(showAbout(gradient.get()), S_OK);
    EXPECT_EQ(seen, (std::vector<std::string>{"frmAbout", "frmAbout"})) << "a new form for the next ShowAbout";
    EXPECT_EQ(libraryAbout(), nullptr);
}

TEST_F(ShowAboutTest, ClosedByTheSystemOrFailingItIsGoneAllTheSame) {
    int shows = 0;
    forms::drive::setModalHook([&](forms::Form& f) {
        ++shows;
        forms::drive::closeByUser(f);
    });
    EXPECT_EQ(showAbout(link.get()), S_OK);
    EXPECT_EQ(libraryAbout(), nullptr);

    // An error while showing is swallowed, and the form does not stay behind.
    forms::drive::setModalHook([&](forms::Form&) {
        ++shows;
        throw std::runtime_error("no window");
    });
    EXPECT_EQ(showAbout(gradient.get()), S_OK);
    EXPECT_EQ(libraryAbout(), nullptr);
    EXPECT_TRUE(answers.asked("message").empty());

    forms::drive::setModalHook([&](forms::Form& f) {
        ++shows;
        input::click(formClient(f), 255, 60);
    });
    EXPECT_EQ(showAbout(link.get()), S_OK);
    EXPECT_EQ(shows, 3);
}

TEST_F(ShowAboutTest, TheLinkAsksTheCallersShellUntilTheCallerLetsGoOfItsSite) {
    forms::drive::setModalHook([&](forms::Form& f) {
        auto& about = static_cast<frmAbout&>(f);
        forms::drive::click(*about.lblURL);
        EXPECT_EQ(site.shells, 1) << "the host's shell answers";
        // The host frees its control while the form is open.
        static_cast<ZorbLinkObject*>(link.get())->Close();
        forms::drive::click(*about.lblURL);
        EXPECT_EQ(site.shells, 1) << "a site let go of is not asked again";
        EXPECT_EQ(answers.asked("shell").size(), 2u) << "the platform's shell opens it";
        input::click(formClient(f), 255, 60);
    });
    EXPECT_EQ(showAbout(link.get()), S_OK);
    EXPECT_EQ(libraryAbout(), nullptr);
}

TEST_F(ShowAboutTest, TheFormIsCentredOnItsOwner) {
    ZorbLink& l = static_cast<ZorbLinkObject*>(link.get())->control();
    void* w = l.surface().widget();
    input::resize(w, 300, 200);  // the link's window, shown on its own
    Rect owner;
    ASSERT_TRUE(ownerRect(l.surface().handle(), owner));
    int dx = 99999, dy = 99999;
    forms::drive::setModalHook([&](forms::Form& f) {
        dx = f.left() + f.width() / 2 - (owner.left + owner.right) / 2 * forms::TwipsPerPixel;
        dy = f.top() + f.height() / 2 - (owner.top + owner.bottom) / 2 * forms::TwipsPerPixel;
        input::click(formClient(f), 255, 60);
    });
    showAbout(link.get());
    EXPECT_LE(std::abs(dx), forms::TwipsPerPixel);
    EXPECT_LE(std::abs(dy), forms::TwipsPerPixel);

    // Without a shown owner: centred on the screen.
    Ptr<IDispatch> other;
    ASSERT_EQ(createPrivateControl(kShadingProgId, IID_IDispatch, other.putVoid()), S_OK);
    forms::drive::setModalHook([&](forms::Form& f) {
        dx = f.left() + f.width() / 2 - forms::Application::screenWidth() / 2;
        dy = f.top() + f.height() / 2 - forms::Application::screenHeight() / 2;
        input::click(formClient(f), 255, 60);
    });
    showAbout(other.get());
    static_cast<ZorbShadingObject*>(other.get())->Close();
    EXPECT_LE(std::abs(dx), forms::TwipsPerPixel);
    EXPECT_LE(std::abs(dy), forms::TwipsPerPixel);
}

}  // namespace
