// The editor on a real X display with a window manager (an X server and
// openbox of the test's own, forms/DesktopTesting.h): "Dodaj dokument do
// strony" typed as Ctrl+Shift+N on the X server's keyboard shows the new
// page's window at once and makes it the active one, whatever the other
// document windows are (none, one maximised, several cascaded); a double
// click on an open page in the page list brings that page's window back and
// opens no second one. What is seen is asked of the X server: the window it
// holds active, and the screen's pixels in the editing area of each page,
// each page having a background colour of its own.
#include <gtest/gtest.h>

#include <QMdiSubWindow>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/FileSystem.h"
#include "forms/DesktopTesting.h"
#include "forms/Drive.h"
#include "forms/ListView.h"
#include "forms/ListViewDrive.h"
#include "forms/MdiArea.h"
#include "forms/MenuItem.h"
#include "forms/QtAccess.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "htmledit/EditControl.h"
#include "pageeditor/app/EditorWindowsTest.h"
#include "pageeditor/app/Tdocnew.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "text/LineFile.h"

using namespace pageeditor;
namespace fs = std::filesystem;
namespace desktop = forms::desktop;

namespace {

::testing::Environment* const display =
    ::testing::AddGlobalTestEnvironment(new desktop::Environment([] { htmledit::prepareProcess(); }));

// The colours of the pages (0x00BBGGRR) and the markup of each.
constexpr std::uint32_t kNewPage = 0x0000C0, kIndex = 0x00C000, kA = 0xC00000, kB = 0x00C0C0;
std::string page(std::uint32_t colour) {
    const char* hex = "0123456789ABCDEF";
    std::string rgb = "#";
    for (int shift : {0, 8, 16}) {
        const unsigned v = (colour >> shift) & 0xFF;
        rgb += hex[v >> 4];
        rgb += hex[v & 15];
    }
    return "<HTML><HEAD>\r\n<TITLE>Strona</TITLE>\r\n</HEAD>\r\n<BODY bgcolor=\"" + rgb + "\">\r\n<P>Strona</P>\r\n</BODY></HTML>\r\n";
}

class EditorOnDesktop : public enginetest::EditorWindowsTest {
protected:
    void SetUp() override {
        makeTemp("pw_desktop");
        if (!desktop::Environment::installed()) GTEST_SKIP() << desktop::Environment::why();
        ASSERT_TRUE(desktop::Environment::ready()) << desktop::Environment::why();
        if (!desktop::onPath("xdotool")) GTEST_SKIP() << "no xdotool to type and click with";
        const fs::path prog = tmp / "prog";
        fs::create_directories(prog / "webpages" / "s" / "data");
        fs::copy(enginetest::shippedFolder() / "data", prog / "data", fs::copy_options::recursive);
        fs::create_directories(prog / "data" / "templates" / "Czerwony");
        ASSERT_TRUE(text::writeFile(prog / "data" / "templates" / "Czerwony" / "index.html", page(kNewPage)));
        ASSERT_TRUE(text::writeFile(prog / "webpages" / "s" / "project.prj", "[project]\r\nname=s\r\n"));
        for (const auto& [name, colour] : {std::pair{"index.html", kIndex}, {"a.html", kA}, {"b.html", kB}})
            ASSERT_TRUE(text::writeFile(prog / "webpages" / "s" / name, page(colour)));
        startEditor(prog);
        TMainForm& m = *all->MainForm;
        m.activate();
        ASSERT_TRUE(desktop::waitFor([&] { return desktop::framedByManager(*forms::windowOf(m)); }));
        ASSERT_TRUE(desktop::becomesActive(desktop::xid(m)));
        ASSERT_TRUE(m.page_open("s"));
    }

    TMainForm& main() { return *all->MainForm; }
    static THTMLEdit& frameOf(TMDIChild& w) { return *dynamic_cast<THTMLEdit*>(w.HTMLEdit1); }
    // The page's editing area as the X server shows it: in its colour at
    // every point looked at.
    static bool seen(TMDIChild& w, std::uint32_t colour) {
        int x = 0, y = 0, width = 0, height = 0;
        frameOf(w).control().screenRect(x, y, width, height);
        return desktop::screenShows(x, y, width, height, colour);
    }
    TMDIChild* open(const std::string& name) {
        TMDIChild* w = main().doc_open(main().app_dir + "webpages\\s\\" + name);
        EXPECT_NE(w, nullptr) << name;
        if (w) EXPECT_TRUE(desktop::waitFor([&] { return frameOf(*w).DocumentReady; }, 20)) << name;
        return w;
    }
    void closeAll() {
        while (TMDIChild* d = main().activeDocument()) d->closeWithoutQuestion();
        forms::drive::processEvents();
    }
    int pageItem(const std::string& caption) {
        for (int i = 0; i < main().ListView1->count(); ++i)
            if (main().ListView1->caption(i) == caption) return i;
        return -1;
    }
};

TEST_F(EditorOnDesktop, ANewPagesWindowIsSeenAndActiveAtOnceAndAnOpenPageComesBackFromTheList) {
    struct Case {
        const char* others;
        std::vector<std::string> open;        // pages open before the new one
        std::function<void(TMainForm&)> set;  // what the user did with their windows
    };
    const Case cases[] = {
        {"none", {}, [](TMainForm&) {}},
        {"one maximised", {"index.html"},
         [](TMainForm& m) {
             qobject_cast<QMdiSubWindow*>(forms::windowOf(*m.MdiArea1->activeChild())->parentWidget())->showMaximized();
         }},
        {"several cascaded", {"index.html", "a.html", "b.html"}, [](TMainForm& m) { m.Kaskada1->click(); }},
    };
    const std::uint32_t colours[] = {kIndex, kA, kB};
    int pages = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.others);
        std::vector<TMDIChild*> windows;
        for (const auto& name : c.open) windows.push_back(open(name));
        c.set(main());
        forms::drive::processEvents();
        const std::size_t before = main().documentWindows().size();

        // Ctrl+Shift+N, the dialog answered with a title, a file name and
        // the red template.
        const std::string file = "nowa" + std::to_string(++pages);
        forms::drive::setModalHook([file](forms::Form& shown) {
            auto* d = dynamic_cast<Tdocnew*>(&shown);
            if (!d) return shown.setModalResult(2);
            d->Edit971->setText("Nowa strona");
            d->Edit972->setText(file);
            for (int i = 0; i < d->ListView1->count(); ++i)
                if (d->ListView1->caption(i) == "Czerwony") d->ListView1->setSelectedIndex(i);
            d->SpeedButton1->press();
        });
        desktop::output("xdotool key --clearmodifiers ctrl+shift+n");
        ASSERT_TRUE(desktop::waitFor([&] { return main().documentWindows().size() == before + 1; }, 20))
            << "no window for the new page";
        forms::drive::setModalHook({});
        TMDIChild* made = main().documentWindows().back();
        EXPECT_EQ(made->caption(), file + ".html");
        EXPECT_TRUE(desktop::waitFor([&] { return frameOf(*made).DocumentReady && seen(*made, kNewPage); }, 20))
            << "the new page's window is not seen";
        EXPECT_EQ(main().activeDocument(), made);
        EXPECT_TRUE(desktop::becomesActive(desktop::xid(main()))) << "the main window is not the active one";

        // A double click on an open page in the list: its own window comes
        // back, seen and active, and no other is opened.
        TMDIChild* again = windows.empty() ? made : windows.front();
        const std::string name = windows.empty() ? file + ".html" : c.open.front();
        const std::uint32_t colour = windows.empty() ? kNewPage : colours[0];
        int x = 0, y = 0;
        ASSERT_TRUE(forms::drive::itemOnScreen(*main().ListView1, pageItem(name), x, y)) << name;
        ASSERT_TRUE(desktop::doubleClickAt(x, y)) << "the pointer did not get to " << name;
        EXPECT_TRUE(desktop::waitFor([&] { return main().activeDocument() == again && seen(*again, colour); }, 20))
            << name << " is not brought back";
        EXPECT_EQ(main().documentWindows().size(), before + 1) << name << " got a second window";
        EXPECT_TRUE(desktop::becomesActive(desktop::xid(main()))) << "the main window is not the active one";
        closeAll();
    }
}

}  // namespace
