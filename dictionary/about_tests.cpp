// The about window, the abbreviation list and the tray icon.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "com/Application.h"
#include "com/ComLibrary.h"
#include "com/Dispatch.h"
#include "com/Font.h"
#include "com/OleControl.h"
#include "com/SyntheticInput.h"
#include "com/testing/RealInput.h"
#include "dictionary/AboutLinks.h"
#include "dictionary/Form1.h"
#include "dictionary/Form3.h"
#include "dictionary/LookupChrome.h"
#include "dictionary/Program.h"
#include "dictionary/TrayIcon.h"
#include "dictionary/frmAbout.h"
#include "forms/Application.h"
#include "forms/ListBox.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/ScriptedAnswers.h"
#include "registry/Registry.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace dictionary;
namespace fs = std::filesystem;

namespace {

class AppEnv : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "about_tests";
        static char* argv[] = {name, nullptr};
        static forms::Application* app = new forms::Application(argc, argv);  // lives to the end of the run
        (void)app;
    }
};
[[maybe_unused]] auto* env = ::testing::AddGlobalTestEnvironment(new AppEnv);

fs::path dist() { return fs::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "zorbLink"; }

class About : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("about_tests_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        ::setenv("SUITE_REGISTRY", (dir / "registry").c_str(), 1);
        registry::setPath(dir / "registry");
        forms::setModal(&answers);
    }
    void TearDown() override {
        forms::setModal(nullptr);
        registry::setPath({});
        ::unsetenv("SUITE_REGISTRY");
        fs::remove_all(dir);
    }
    void registerLibrary() {
        std::string cmd = (dist() / "regsvr").string() + " /s '" + (dist() / "zorbLink.ocx").string() + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
    static com::Variant get(com::OleControl* c, const char* name) {
        auto d = c->dispatch();
        std::vector<com::DispId> ids;
        EXPECT_EQ(d->GetIDsOfNames({name}, ids), com::S_OK) << name;
        std::vector<com::Variant> none;
        com::Variant v;
        EXPECT_EQ(d->Invoke(ids[0], com::DISPATCH_PROPERTYGET, none, &v), com::S_OK) << name;
        return v;
    }
    static com::FontDesc font(com::OleControl* c, const char* name) {
        com::Variant v = get(c, name);
        com::Ptr<com::IFont> f;
        if (v.toObject()) v.toObject()->QueryInterface(com::IID_IFont, f.putVoid());
        return f ? f->desc() : com::FontDesc{};
    }
    fs::path dir;
    forms::ScriptedAnswers answers;
};

TEST_F(About, TheLinksLoadFromTheirStoredEntries) {
    registerLibrary();
    frmAbout about;
    about.show();
    ASSERT_TRUE(about.zorbLink1->created());
    ASSERT_TRUE(about.zorbLink2->created());
    EXPECT_TRUE(answers.asked("message").empty());
    struct {
        com::OleControl* link;
        const char* href;
        const char* caption;
        double points;
        bool bold, italic;
    } links[] = {{about.zorbLink1, kWebAddress, kWebCaption, 14.25, false, true},
                 {about.zorbLink2, kMailAddress, kMailCaption, 9.75, true, false}};
    for (auto& l : links) {
        EXPECT_EQ(get(l.link, "Href"), com::Variant::string(l.href));
        EXPECT_EQ(get(l.link, "Caption"), com::Variant::string(l.caption));
        EXPECT_EQ(get(l.link, "BackColor"), com::Variant::i4(0xFFFFFF));
        EXPECT_EQ(get(l.link, "ColorNormal"), com::Variant::i4(0xFF0000));
        EXPECT_EQ(get(l.link, "ColorActive"), com::Variant::i4(0x008000));
        EXPECT_EQ(get(l.link, "MousePointer"), com::Variant::i4(16));
        // Not stored: the control's defaults.
        EXPECT_EQ(get(l.link, "ColorHover"), com::Variant::i4(0xFF0000));
        EXPECT_EQ(get(l.link, "Enabled"), com::Variant::boolean(true));
        EXPECT_EQ(get(l.link, "ToolTipText"), com::Variant::string(""));
        EXPECT_EQ(get(l.link, "FocusFrame"), com::Variant::i4(1));
        EXPECT_EQ(get(l.link, "MouseIcon").toObject(), nullptr);
        com::FontDesc n = font(l.link, "FontNormal"), h = font(l.link, "FontHover"), a = font(l.link, "FontActive");
        EXPECT_EQ(n.name, "Arial");
        EXPECT_DOUBLE_EQ(n.points(), l.points);
        EXPECT_EQ(n.bold(), l.bold);
        EXPECT_EQ(n.italic, l.italic);
        EXPECT_EQ(n.charset, 238);
        EXPECT_FALSE(n.underline);
        EXPECT_TRUE(h.underline);
        EXPECT_TRUE(a.underline);
        EXPECT_EQ(h.bold(), l.bold);

        // Saved back, the entries are the stored ones: keys, order, omissions.
        com::PropertyBag saved;
        ASSERT_EQ(l.link->save(saved), com::S_OK);
        EXPECT_EQ(saved.keys(),
                  (std::vector<std::string>{"_extentx", "_extenty", "backcolor", "font", "mousepointer", "href",
                                            "caption", "colornormal", "coloractive", "fontnormal", "fonthover",
                                            "fontactive", "mousepointer"}));
    }
    EXPECT_EQ(frmAbout::versionLine(0, 7, 3), "Wersja 0.7.3 Kompilacja 02.05.2003");
    EXPECT_EQ(about.lblVersion->caption(),
              frmAbout::versionLine(Program::VersionMajor, Program::VersionMinor, Program::VersionRevision));
    EXPECT_EQ(about.lblTitle->caption(), Program::title());
    EXPECT_EQ(about.caption(), "O programie");
    about.unload();
    com::freeUnusedLibraries();
    com::processEvents();
    EXPECT_EQ(com::loadedLibraries(), 0) << "the links go with the window";
}

TEST_F(About, TheWindowOpensWithTheFirstLinkFocusedAndItsFrameShown) {
    registerLibrary();
    frmAbout about;
    about.show();
    void* link = about.zorbLink1->componentWidget();
    ASSERT_NE(link, nullptr);
    ASSERT_TRUE(com::real::activate(link));
    EXPECT_EQ(com::real::focusWidget(), link) << "first in the tab order";
    EXPECT_EQ(com::real::outlineFaults(com::real::grab(link), 0xFFFFFF, true), 0);
    void* second = about.zorbLink2->componentWidget();
    EXPECT_EQ(com::real::outlineFaults(com::real::grab(second), 0xFFFFFF, false), 0);
    about.unload();
}

TEST_F(About, AMissingLibraryIsToldInPolishAndTheWindowStillOpens) {
    // Not registered at all.
    frmAbout about;
    about.show();
    auto msgs = answers.asked("message");
    ASSERT_EQ(msgs.size(), 1u) << "one message for both links";
    EXPECT_NE(msgs[0].text.find(text::ansi("nie jest zarejestrowana")), std::string::npos);
    EXPECT_FALSE(about.zorbLink1->created());
    EXPECT_TRUE(about.isLoaded());
    about.unload();

    // Registered, but its file is gone.
    fs::copy_file(dist() / "zorbLink.ocx", dir / "zorbLink.ocx");
    std::string cmd = (dist() / "regsvr").string() + " /s '" + (dir / "zorbLink.ocx").string() + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    fs::remove(dir / "zorbLink.ocx");
    answers.clear();
    about.show();
    EXPECT_EQ(answers.asked("message").size(), 1u);
    EXPECT_FALSE(about.zorbLink2->created());
    about.unload();
}

TEST_F(About, OpeningAnOpenWindowOnlyBringsItToTheFrontAndClosingFocusesTheSearchBox) {
    registerLibrary();
    frmAbout about;
    int closed = 0;
    about.onClosed = [&] { ++closed; };
    about.show();
    com::OleControl* first = about.zorbLink1;
    about.show();
    EXPECT_EQ(about.zorbLink1, first) << "not loaded again";
    about.unload();
    EXPECT_EQ(closed, 1);
    about.show();
    EXPECT_NE(about.zorbLink1, nullptr);
    EXPECT_TRUE(about.zorbLink1->created()) << "loaded afresh after closing";
    about.unload();
    EXPECT_EQ(closed, 2);
}

TEST(Abbreviations, TheListHoldsTheTwentyOneItemsInTheirOrder) {
    Form3 f;
    f.show();
    EXPECT_EQ(f.List1->listCount(), 21);
    EXPECT_EQ(f.List1->items(), Form3::abbreviations()) << "the sorted list keeps the stored order";
    EXPECT_EQ(f.List1->list(15), text::ansi("POR. - porównaj"));
    EXPECT_EQ(f.caption(), text::ansi("Skróty"));
    f.show();
    EXPECT_EQ(f.List1->listCount(), 21);
    f.unload();
}

// A stand-in for the lookup window: the picture box pichook hears the icon.
class Lookup : public forms::Form {
public:
    Lookup() : forms::Form("Form1") {}
    forms::PictureBox* pichook = nullptr;
    std::unique_ptr<TrayIcon> tray;
    int taskbarChanges = 0;

protected:
    void createControls() override {
        pichook = add<forms::PictureBox>("pichook");
        pichook->move(5085, 180, 465, 330);
        tray = std::make_unique<TrayIcon>(*this, *pichook, "Wortel");
        tray->setTaskVisible = [this](bool) { ++taskbarChanges; };
        pichook->onMouseMove = [this](int b, int s, float x, float y) { tray->pichook_MouseMove(b, s, x, y); };
    }
    void onQueryUnload(bool&, bool) override { tray->removeOnClose(); }
};

class Tray : public ::testing::Test {
protected:
    void SetUp() override { shell::assumeTrayAvailable(true); }
    void TearDown() override { shell::assumeTrayAvailable(std::nullopt); }
};

TEST_F(Tray, HidesAndComesBackOnlyOnALeftDoubleClick) {
    Lookup f;
    f.show();
    ASSERT_TRUE(f.visible());
    f.tray->hideToTray();
    EXPECT_FALSE(f.visible());
    auto icons = shell::shownIcons();
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].uID, 1u);
    EXPECT_EQ(icons[0].tip, "Wortel");
    const auto& rec = f.tray->record();
    EXPECT_EQ(rec.cbSize, 88u);
    EXPECT_EQ(rec.uFlags, 7u);
    EXPECT_EQ(rec.uCallbackMessage, 512u);
    auto bytes = rec.bytes();
    EXPECT_EQ(bytes[0], 88);
    EXPECT_EQ(bytes[24 + 6], 0) << "the tip ends in one NUL";
    EXPECT_EQ(bytes[24 + 7], ' ') << "then spaces";
    EXPECT_EQ(bytes[87], ' ');

    const shell::WindowHandle h = icons[0].hWnd;
    for (int msg : {shell::WM_MOUSEMOVE, shell::WM_LBUTTONDOWN, shell::WM_LBUTTONUP, shell::WM_RBUTTONDOWN,
                    shell::WM_RBUTTONUP, shell::WM_RBUTTONDBLCLK}) {
        ASSERT_TRUE(shell::sendTrayMouse(h, 1, msg));
        EXPECT_EQ(f.tray->lastMessage(), msg);
        EXPECT_FALSE(f.visible()) << msg;
        EXPECT_EQ(shell::shownIcons().size(), 1u) << msg;
    }
    ASSERT_TRUE(shell::sendTrayMouse(h, 1, shell::WM_LBUTTONDBLCLK));
    EXPECT_TRUE(f.visible());
    EXPECT_TRUE(shell::shownIcons().empty()) << "the icon is gone after the restore";
    EXPECT_EQ(f.taskbarChanges, 2);

    // Hiding again adds a new icon; closing the window removes it.
    f.tray->hideToTray();
    EXPECT_EQ(shell::shownIcons().size(), 1u);
    f.unload();
    EXPECT_TRUE(shell::shownIcons().empty());
    // Closing with no icon shown sends the removal without effect.
    f.show();
    EXPECT_FALSE(shell::Shell_NotifyIconA(shell::NIM_DELETE, f.tray->record()));
    f.unload();
    EXPECT_TRUE(shell::shownIcons().empty());
}

TEST_F(Tray, WithoutANotificationAreaTheWindowStays) {
    shell::assumeTrayAvailable(false);
    Lookup f;
    f.show();
    f.tray->hideToTray();
    EXPECT_TRUE(f.visible()) << "hidden with no icon it could never come back";
    EXPECT_TRUE(shell::shownIcons().empty());
    EXPECT_EQ(f.taskbarChanges, 0);
    f.unload();
}

TEST_F(Tray, ASecondCallbackDuringTheRestoreIsDropped) {
    Lookup f;
    f.show();
    f.tray->hideToTray();
    const shell::WindowHandle h = shell::shownIcons().at(0).hWnd;
    int restores = 0;
    f.tray->setTaskVisible = [&](bool visible) {
        if (!visible) return;
        ++restores;
        // Another double click arrives while the window is being shown.
        shell::sendTrayMouse(h, 1, shell::WM_LBUTTONDBLCLK);
    };
    shell::sendTrayMouse(h, 1, shell::WM_LBUTTONDBLCLK);
    EXPECT_EQ(restores, 1);
    EXPECT_TRUE(shell::shownIcons().empty());
    f.unload();
}

}  // namespace

namespace {

// The lookup window with its chrome, driven by clicks as a user makes them.
class Chrome : public About {
protected:
    void SetUp() override {
        About::SetUp();
        shell::assumeTrayAvailable(true);
        text::writeLines(dir / "b.dat", {"Haus"});
        text::writeLines(dir / "a.dat", {"Haus dom"});
        program = std::make_unique<Program>(dir);
        program->form1().show();
        chrome.createControls(program->form1());
    }
    void TearDown() override {
        chrome.about().unload();
        chrome.abbreviations().unload();
        program.reset();
        shell::assumeTrayAvailable(std::nullopt);
        About::TearDown();
    }
    static void click(forms::Control* c) {
        void* w = reinterpret_cast<void*>(shell::windowOf(*c));
        com::input::click(w, 2, 2);
    }
    std::unique_ptr<Program> program;
    LookupChrome chrome;
};

TEST_F(Chrome, TheLabelsOpenTheirWindowsAndImage1HidesToTheTray) {
    registerLibrary();
    Form1& f = program->form1();
    click(f.Label2);
    ASSERT_TRUE(chrome.about().isLoaded());
    EXPECT_TRUE(chrome.about().visible());
    com::OleControl* link = chrome.about().zorbLink1;
    EXPECT_TRUE(link->created());
    click(f.Label2);
    EXPECT_EQ(chrome.about().zorbLink1, link) << "an open window only comes to the front";
    click(f.Label9);
    EXPECT_TRUE(chrome.abbreviations().visible());
    EXPECT_EQ(chrome.abbreviations().List1->listCount(), 21);

    click(f.Image1);
    EXPECT_FALSE(f.visible());
    ASSERT_EQ(shell::shownIcons().size(), 1u);
    EXPECT_EQ(shell::shownIcons()[0].hWnd, shell::windowOf(*chrome.pichook));
    EXPECT_EQ(shell::shownIcons()[0].tip, Program::title());
    shell::sendTrayMouse(shell::windowOf(*chrome.pichook), 1, shell::WM_LBUTTONDOWN);
    EXPECT_FALSE(f.visible());
    shell::sendTrayMouse(shell::windowOf(*chrome.pichook), 1, shell::WM_LBUTTONDBLCLK);
    EXPECT_TRUE(f.visible());
    EXPECT_TRUE(shell::shownIcons().empty());

    chrome.Image1_Click();
    chrome.Form_QueryUnload();
    EXPECT_TRUE(shell::shownIcons().empty()) << "closing the window removes the icon";
}

}  // namespace
