// A double click on an element of the page, given by the X server's mouse on
// a real display with a window manager (forms/DesktopTesting.h), shows the
// element's dialog at once: a picture, a table, a scrolling text, a video, a
// Flash movie and an inline frame, on a page written elsewhere (media.html of
// foreign_pages/) and on one with a picture and a table. Nothing else may
// wake the program meanwhile: while it waits in its own event loop, as it
// does for the user, another thread asks the X server whether the dialog's
// window is shown, and only then ends the dialog; when the time is up it
// moves the mouse, with which a late dialog comes, and ends that one.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QMetaObject>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <typeinfo>

#include "files/FileSystem.h"
#include "forms/DesktopTesting.h"
#include "forms/Drive.h"
#include "htmledit/EditControl.h"
#include "pageeditor/app/EditorWindowsTest.h"
#include "pageeditor/dialogs/Tflashins.h"
#include "pageeditor/dialogs/Tiframe.h"
#include "pageeditor/dialogs/Tinsertimg.h"
#include "pageeditor/dialogs/Tinstbl.h"
#include "pageeditor/dialogs/Tmarquee.h"
#include "pageeditor/dialogs/Tmovie.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "text/LineFile.h"

using namespace pageeditor;
namespace fs = std::filesystem;
namespace desktop = forms::desktop;

namespace {

::testing::Environment* const display =
    ::testing::AddGlobalTestEnvironment(new desktop::Environment([] { htmledit::prepareProcess(); }));

fs::path foreignPages() { return fs::path(std::getenv("SUITE_SOURCE_DIR")) / "pageeditor" / "app" / "foreign_pages"; }

// A picture and a table of the editor's own kind.
const char* const kPictures =
    "<HTML><HEAD>\r\n<TITLE>Obrazki</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
    "<P><IMG id=obrazek src=\"images/tlo.png\" width=120 height=90></P>\r\n"
    "<TABLE id=tabela border=6 cellSpacing=6 cellPadding=20 width=300>\r\n"
    "<TR><TD>Rejs</TD><TD>10:00</TD></TR>\r\n</TABLE>\r\n</BODY></HTML>\r\n";

// Whether the X server shows the window: mapped, and its parents too.
bool viewable(unsigned long id) {
    return desktop::output("xwininfo -id " + std::to_string(id)).find("Map State: IsViewable") != std::string::npos;
}

// One dialog shown modal by the program while the test waits in an event
// loop of its own: a thread looks at the X server for the dialog's window,
// and when it is seen (or the time is up) has the program end the dialog
// and the wait.
class DialogWatch {
public:
    explicit DialogWatch(int seconds) : seconds_(seconds) {
        forms::drive::setModalHook([this](forms::Form& f) {
            // Only remembered here: what the hook does must not wake the
            // program's event loop. A dialog that comes too late ends at once.
            form_ = &f;
            kind_ = &typeid(f);
            if (over_) return f.setModalResult(2);
            id_ = desktop::xid(f);
        });
    }
    ~DialogWatch() { forms::drive::setModalHook({}); }

    // Runs the program's event loop until the watch is over; true when the
    // dialog's window was seen before the time was up.
    bool run() {
        QEventLoop loop;
        std::thread watcher([this, &loop] {
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds_);
            while (std::chrono::steady_clock::now() < end && !seen_) {
                if (const unsigned long id = id_) seen_ = viewable(id);
                if (!seen_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            over_ = true;
            // A dialog not seen yet comes with the next input, and is ended.
            if (!seen_) desktop::output("xdotool mousemove_relative 1 0");
            QMetaObject::invokeMethod(
                &loop,
                [this, &loop] {
                    if (form_ && form_->isModal()) form_->setModalResult(2);
                    loop.quit();
                },
                Qt::QueuedConnection);
        });
        loop.exec();
        watcher.join();
        // The dialog, shown in time or late, ends once the program is back
        // in its loop.
        desktop::waitFor([this] { return form_ && !form_->isModal(); });
        return seen_;
    }
    const std::type_info* kind() const { return kind_; }

private:
    int seconds_;
    std::atomic<bool> seen_{false}, over_{false};
    std::atomic<unsigned long> id_{0};
    forms::Form* form_ = nullptr;
    const std::type_info* kind_ = nullptr;
};

class ElementDialogsOnDesktop : public enginetest::EditorWindowsTest {
protected:
    void SetUp() override {
        makeTemp("pw_dblclick");
        if (!desktop::Environment::ready()) GTEST_SKIP() << desktop::Environment::why();
        if (!desktop::onPath("xdotool") || !desktop::onPath("xwininfo"))
            GTEST_SKIP() << "no xdotool and xwininfo to click and look with";
        const fs::path site = tmp / "prog" / "webpages" / "s";
        fs::create_directories(site / "data");
        fs::copy(foreignPages(), site, fs::copy_options::recursive);
        ASSERT_TRUE(text::writeFile(site / "obrazki.html", kPictures));
        startEditor(enginetest::shippedFolder());
        main().app_dir = files::platformName(tmp / "prog") + "\\";
        main().site_name = "s";
        main().activate();
        ASSERT_TRUE(desktop::waitFor([&] {
            return desktop::framedByManager(*forms::windowOf(main())) &&
                   desktop::activeOnScreen() == desktop::xid(main());
        }));
    }
    TMainForm& main() { return *all->MainForm; }

    THTMLEdit& open(const std::string& name) {
        TMDIChild* w = main().doc_open(main().app_dir + "webpages\\s\\" + name);
        EXPECT_NE(w, nullptr) << name;
        auto& f = *dynamic_cast<THTMLEdit*>(w->HTMLEdit1);
        EXPECT_TRUE(desktop::waitFor([&] { return f.DocumentReady; }, 20)) << name;
        return f;
    }
    // A point of the element on the screen: its middle, or near its left
    // edge (on a table's border rather than in a cell).
    static bool onScreen(THTMLEdit& f, const std::string& css, bool edge, int& x, int& y) {
        const std::string at = f.control().engine()->evaluate(
            "(function(){const e=document.querySelector('" + css +
            "');if(!e)return '';e.scrollIntoView({block:'center'});const b=e.getBoundingClientRect();return " +
            (edge ? std::string("Math.round(b.left+3)") : std::string("Math.round(b.left+b.width/2)")) +
            "+','+Math.round(b.top+b.height/2)})()");
        const auto comma = at.find(',');
        if (comma == std::string::npos) return false;
        int left = 0, top = 0, width = 0, height = 0;
        f.control().screenRect(left, top, width, height);
        x = left + std::stoi(at.substr(0, comma));
        y = top + std::stoi(at.substr(comma + 1));
        return true;
    }
};

TEST_F(ElementDialogsOnDesktop, ADoubleClickOnAnElementShowsItsDialogWithoutFurtherInput) {
    struct Case {
        const char* page;
        const char* css;
        bool edge;
        const std::type_info& dialog;
    };
    const Case cases[] = {
        {"obrazki.html", "#obrazek", false, typeid(Tinsertimg)},
        {"obrazki.html", "#tabela", true, typeid(Tinstbl)},
        {"media.html", "marquee", false, typeid(Tmarquee)},
        {"media.html", "embed.film", false, typeid(Tmovie)},
        {"media.html", "object", false, typeid(Tflashins)},
        {"media.html", "iframe", false, typeid(Tiframe)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.page) + " " + c.css);
        THTMLEdit& f = open(c.page);
        int x = 0, y = 0;
        ASSERT_TRUE(onScreen(f, c.css, c.edge, x, y));

        // Again and again, the element selected by then or not: whether the
        // program has gone to sleep by the time the double click's own work
        // is done depends on how the clicks fall. Each double click lies 15
        // pixels from the one before (along a table's border), so that it
        // does not count on as a third and fourth click.
        for (int time = 1; time <= 4; ++time) {
            SCOPED_TRACE("double click " + std::to_string(time));
            const int shift = time % 2 ? 0 : 15;
            desktop::output("xdotool mousemove --sync " + std::to_string(x + (c.edge ? 0 : shift)) + " " +
                            std::to_string(y + (c.edge ? shift : 0)));
            forms::drive::processEvents();
            DialogWatch watch(15);
            desktop::output("xdotool click --repeat 2 --delay 60 1");
            EXPECT_TRUE(watch.run()) << "the dialog is not shown until the next input";
            EXPECT_NE(watch.kind(), nullptr) << "no dialog at all";
            if (watch.kind()) EXPECT_EQ(*watch.kind(), c.dialog) << watch.kind()->name();
        }
        while (TMDIChild* d = main().activeDocument()) d->closeWithoutQuestion();
        forms::drive::processEvents();
    }
}

}  // namespace
