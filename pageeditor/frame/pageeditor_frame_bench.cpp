// Speed of the editor frame's toolbar refresh on the browser engine: every
// click and key release in the editing area runs it.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "files/FileSystem.h"
#include "forms/Application.h"
#include "forms/Drive.h"
#include "forms/Form.h"
#include "forms/SpeedButton.h"
#include "htmledit/EditControl.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "text/LineFile.h"

using namespace pageeditor;
namespace fs = std::filesystem;

namespace {

class Window : public forms::Form {
public:
    Window() : forms::Form("TMDIChild", forms::Scale::Pixels) {}
    THTMLEdit* frame = nullptr;

protected:
    void createControls() override {
        frame = THTMLEdit::create(*this);
        frame->sizeWindow = [](int, int) {};
    }
};

// A page of about 100 KB as the editor writes them.
std::string bigPage() {
    std::string s =
        "<HTML><HEAD>\r\n<META http-equiv=Content-Type content=\"text/html; charset=iso-8859-2\">\r\n"
        "<TITLE>Strona</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    for (int i = 0; s.size() < 100 * 1024; ++i)
        s += "<P>Akapit " + std::to_string(i) +
             ": Za\xBF\xF3\xB3\xE6 g\xEA\xB6l\xB1 ja\xBC\xF1, <B>pogrubiony</B> i <FONT size=4 face=Arial>inny</FONT> "
             "<A href=\"s.html\">odno\xB6nik</A>.</P>\r\n<UL><LI>punkt</LI></UL>\r\n";
    return s + "<!--SIZE:1-->\r\n</BODY></HTML>\r\n";
}

THTMLEdit& frame() {
    static Window* w = [] {
        htmledit::prepareProcess();
        static int argc = 1;
        static char name[] = "pageeditor_frame_bench";
        static char* argv[] = {name, nullptr};
        static auto* app = new forms::Application(argc, argv);
        (void)app;
        fs::path file = fs::temp_directory_path() / ("frame_bench_" + std::to_string(::getpid()) + ".html");
        text::writeFile(file, bigPage());
        auto* win = new Window;
        win->show();
        win->frame->LoadDocument(files::platformName(file));
        while (!win->frame->DocumentReady) {
            forms::drive::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        fs::remove(file);
        win->frame->control().engine()->evaluate("pw.x('selectText',['inny',100])");
        return win;
    }();
    return *w->frame;
}

// The refresh after a click inside formatted text of a 100 KB page.
void BM_ToolbarRefresh(benchmark::State& state) {
    THTMLEdit& f = frame();
    for (auto _ : state) f.UpdateToolbar();
    benchmark::DoNotOptimize(f.btnBold->down());
}
BENCHMARK(BM_ToolbarRefresh)->Unit(benchmark::kMillisecond);

// The first refresh of a document window, which also reads the page-size
// marker from the document text.
void BM_FirstRefreshWithSizeMarker(benchmark::State& state) {
    THTMLEdit& f = frame();
    for (auto _ : state) {
        f.SizeMarkerRead = false;
        f.UpdateToolbar();
    }
}
BENCHMARK(BM_FirstRefreshWithSizeMarker)->Unit(benchmark::kMillisecond);

}  // namespace
