// The form runtime on a real X display with a window manager, where the
// headless platform shows nothing of it: the titles the window system
// shows, which window lies above which, where a window's frame lands, and
// what the screen shows of the document windows inside a main window.
// The program starts its own X server and window manager (DesktopTesting.h);
// without them installed the tests are skipped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <QWidget>

#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "forms/Application.h"
#include "forms/DesktopTesting.h"
#include "forms/Drive.h"
#include "forms/Form.h"
#include "forms/MdiArea.h"
#include "forms/MdiChildPlacement.h"
#include "forms/ModalProbe.h"
#include "forms/QtAccess.h"
#include "forms/WidgetAnswers.h"
#include "forms/WindowOrder.h"
#include "text/CodePage.h"

using namespace forms;
using namespace text::literals;

namespace {

using desktop::becomesActive;
using desktop::framedByManager;
using desktop::output;
using desktop::seenOnScreen;
using desktop::waitFor;
using desktop::xid;
using DesktopTest = desktop::Test;

::testing::Environment* const display = ::testing::AddGlobalTestEnvironment(new desktop::Environment);

// The title the window system shows for a window.
std::string shownTitle(QWidget& w) {
    std::smatch m;
    const std::string out = output("xprop -id " + std::to_string(xid(w)) + " _NET_WM_NAME");
    static const std::regex quoted("= \"(.*)\"");
    return std::regex_search(out, m, quoted) ? m[1].str() : out;
}

// The managed windows from the bottom of the stack to its top.
std::vector<unsigned long> stacking() {
    std::vector<unsigned long> ids;
    const std::string out = output("xprop -root _NET_CLIENT_LIST_STACKING");
    static const std::regex id("0x[0-9a-f]+");
    for (auto it = std::sregex_iterator(out.begin(), out.end(), id); it != std::sregex_iterator(); ++it)
        ids.push_back(std::stoul(it->str(), nullptr, 16));
    return ids;
}

int stackPlace(QWidget& w) {
    const auto ids = stacking();
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == xid(w)) return static_cast<int>(i);
    return -1;
}

// A window placed by its own show handler, as a main window restores its
// stored placement there.
class Placed : public Form {
public:
    Placed() : Form("Placed", Scale::Pixels) {}
    std::optional<QPoint> at;

protected:
    void createControls() override {
        setCaption("Edycja bazy wyrazów"_w);
        setClientSize(400, 300);
    }
    void onShow() override {
        if (at) moveClient(at->x(), at->y());
    }
};

// Where the X server has put the window's client area.
std::optional<QPoint> placeOnScreen(QWidget& w) {
    const std::string out = output("xwininfo -id " + std::to_string(xid(w)));
    std::smatch x, y;
    static const std::regex left("Absolute upper-left X: +(-?[0-9]+)"), top("Absolute upper-left Y: +(-?[0-9]+)");
    if (!std::regex_search(out, x, left) || !std::regex_search(out, y, top)) return std::nullopt;
    return QPoint(std::stoi(x[1].str()), std::stoi(y[1].str()));
}

TEST_F(DesktopTest, AWindowReopensExactlyWhereItWasClosed) {
    QPoint stored(200, 150);
    for (int start = 0; start < 3; ++start) {
        Placed f;
        f.at = stored;
        f.show();
        QWidget* w = windowOf(f);
        const bool framed = waitFor([&] { return framedByManager(*w) && placeOnScreen(*w) == stored; });
        EXPECT_TRUE(framed) << "start " << start << ": at " << placeOnScreen(*w).value_or(QPoint(-1, -1)).x() << ","
                            << placeOnScreen(*w).value_or(QPoint(-1, -1)).y();
        stored = QPoint(f.clientLeft(), f.clientTop());
        f.unload();
    }
    EXPECT_EQ(stored, QPoint(200, 150));
}

TEST_F(DesktopTest, TitlesAreTheWindowsOwnAndModalWindowsLieAboveWindowsKeptOnTop) {
    Application::setTitle("Wortel");
    Placed top;
    top.show();
    setWindowOrder(top, WindowOrder::Topmost);
    QWidget* topWindow = windowOf(top);
    ASSERT_TRUE(waitFor([&] { return stackPlace(*topWindow) >= 0; }));
    EXPECT_EQ(shownTitle(*topWindow), "Edycja bazy wyrazów");
    // The boxes open while an ordinary window is the active one, as the
    // lookup window is while the print list or the update window stays on top.
    Placed owner;
    owner.at = QPoint(300, 300);
    owner.show();
    owner.activate();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == windowOf(owner); }));
    ASSERT_TRUE(becomesActive(xid(owner)));

    WidgetAnswers answers;
    struct Case {
        const char* what;
        std::function<void()> open;
        std::string title;
    };
    std::string text;
    const Case cases[] = {
        {"message box", [&] { answers.messageBox("Tekst", "Porada", mb::OkOnly); }, "Porada"},
        {"message box of the program", [&] { answers.messageBox("Tekst", "", mb::OkOnly); }, "Wortel"},
        {"input box", [&] { answers.inputBox("Nadaj tytuł:", "Drukuj", "", text); }, "Drukuj"},
    };
    for (const auto& c : cases) {
        const bool opened = drive::whileModalOpen(c.open, [&](QWidget& m) {
            ASSERT_TRUE(waitFor([&] { return stackPlace(m) >= 0; })) << c.what;
            EXPECT_EQ(shownTitle(m), c.title) << c.what;
            EXPECT_GT(stackPlace(m), stackPlace(*topWindow)) << c.what << " lies under the window kept on top";
        });
        EXPECT_TRUE(opened) << c.what;
    }
    owner.unload();
    top.unload();
}

// As the update window opens: the lookup window is active, the update
// window is shown and kept on top, and its first box opens at once, before
// the window manager has made the new window the active one.
TEST_F(DesktopTest, TheFirstBoxOfANewWindowKeptOnTopLiesAboveIt) {
    Application::setTitle("Wortel");
    Placed owner;
    owner.show();
    owner.activate();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == windowOf(owner); }));
    ASSERT_TRUE(becomesActive(xid(owner)));
    Placed top;
    top.at = QPoint(250, 250);
    WidgetAnswers answers;
    const bool opened = drive::whileModalOpen(
        [&] {
            top.show();
            setWindowOrder(top, WindowOrder::Topmost);
            Application::processEventsWithoutInput();
            answers.messageBox("1", "", mb::OkOnly);
        },
        [&](QWidget& m) {
            QWidget* topWindow = windowOf(top);
            // Where the window manager leaves them once it has made the box
            // the active window, after the window kept on top.
            EXPECT_TRUE(becomesActive(xid(m))) << "the box is not made the active window";
            EXPECT_TRUE(waitFor([&] { return stackPlace(m) > stackPlace(*topWindow) && stackPlace(*topWindow) >= 0; }))
                << "the box lies under the window kept on top";
        });
    EXPECT_TRUE(opened);
    top.unload();
    owner.unload();
}


// A main window with a document area, and documents each filled with a
// colour of its own, so that the screen tells which one is seen.
class AreaWindow : public Form {
public:
    AreaWindow() : Form("AreaWindow", Scale::Pixels) {}
    MdiArea* area = nullptr;

protected:
    void createControls() override {
        setCaption("Sitecraft");
        setClientSize(900, 640);
        area = add<MdiArea>("MdiArea1");
    }
};

class Document : public Form {
public:
    explicit Document(std::uint32_t colour) : Form("Document", Scale::Pixels), colour(colour) {}
    const std::uint32_t colour;  // 0x00BBGGRR

protected:
    void createControls() override { setBackColor(colour); }
};

QMdiSubWindow* subOf(Form& f) { return qobject_cast<QMdiSubWindow*>(windowOf(f)->parentWidget()); }

TEST_F(DesktopTest, ANewDocumentWindowIsSeenAndActiveAtOnceWhateverTheOthersAreAndAnOpenOneComesBack) {
    AreaWindow main;
    main.show();
    main.activate();
    ASSERT_TRUE(waitFor([&] { return framedByManager(*windowOf(main)); }));
    ASSERT_TRUE(becomesActive(xid(main)));

    struct Case {
        const char* others;
        int count;                         // documents open before the new one
        std::function<void(MdiArea&)> set;  // what the user did with them
    };
    const Case cases[] = {
        {"none", 0, [](MdiArea&) {}},
        {"as opened", 2, [](MdiArea&) {}},
        {"cascaded", 3, [](MdiArea& a) { a.cascade(); }},
        {"tiled", 2, [](MdiArea& a) { a.tileVertical(); }},
        {"the active one maximised", 2, [](MdiArea& a) { subOf(*a.activeChild())->showMaximized(); }},
        {"an older one maximised", 2, [](MdiArea& a) { subOf(*a.children().front())->showMaximized(); }},
        {"all minimised", 2, [](MdiArea& a) { a.minimizeAll(); }},
    };
    const std::uint32_t colours[] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0};
    for (const auto& c : cases) {
        std::vector<std::unique_ptr<Document>> docs;
        // Each document as the editor opens one: shown, then given its
        // working size and place.
        auto open = [&] {
            docs.push_back(std::make_unique<Document>(colours[docs.size()]));
            Document& d = *docs.back();
            main.area->addChild(d);
            const int step = static_cast<int>(docs.size() - 1) * 24;
            main.area->setChildClientSize(d, 500, 360);
            moveMdiChild(d, step, step);
        };
        for (int i = 0; i < c.count; ++i) open();
        c.set(*main.area);
        Application::processEvents();
        open();
        Document& made = *docs.back();
        EXPECT_TRUE(waitFor([&] { return seenOnScreen(made, made.colour); })) << c.others << ": the new window is not seen";
        EXPECT_EQ(main.area->activeChild(), &made) << c.others;
        EXPECT_EQ(clientOf(made)->size(), QSize(500, 360)) << c.others;
        EXPECT_TRUE(becomesActive(xid(main))) << c.others << ": the main window is not the active one";
        // The first one, covered or minimised, activated again: seen again.
        if (c.count > 0) {
            Document& first = *docs.front();
            main.area->activateChild(first);
            EXPECT_TRUE(waitFor([&] { return seenOnScreen(first, first.colour); })) << c.others << ": activated, not seen";
            EXPECT_EQ(main.area->activeChild(), &first) << c.others;
        }
        for (auto& d : docs) d->unload();
        Application::processEvents();
    }
    main.unload();
}

}  // namespace
