// Speed of the editing control on the browser engine: loading a 100 KB page,
// a whole-document rewrite, a toolbar refresh and one call into the page;
// and of the notes markup gets on its way in, for one tag of very many
// attributes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "htmledit/EditControl.h"
#include "htmledit/MarkupNotes.h"

using namespace htmledit;

namespace {

EditControl& control() {
    static QApplication* app = [] {
        prepareProcess();
        static int argc = 1;
        static char name[] = "htmledit_bench";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
    static EditControl* c = [] {
        auto* e = new EditControl();
        e->widget()->resize(1024, 768);
        e->widget()->show();
        return e;
    }();
    return *c;
}

// A page of about 100 KB in the editor's own form.
std::string bigPage() {
    std::string s =
        "<HTML><HEAD>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">\r\n"
        "<TITLE>Strona pr\xF3\x62na</TITLE>\r\n</HEAD>\r\n<BODY bgcolor=\"#FFFFFF\">\r\n";
    int i = 0;
    while (s.size() < 100 * 1024) {
        s += "<P align=center>Akapit " + std::to_string(i) +
             ": Za\xBF\xF3\xB3\xE6 g\xEA\xB6l\xB1 ja\xBC\xF1, <B>pogrubiony</B> i <I>pochylony</I> tekst, "
             "<A href=\"strona" + std::to_string(i) + ".html\" title=\"odno\xB6nik\">odno\xB6nik</A>.</P>\r\n";
        if (i % 10 == 0)
            s += "<TABLE border=\"1\" cellpadding=\"2\"><TR><TD>a</TD><TD>b</TD></TR><TR><TD>c</TD><TD>"
                 "<IMG SRC=\"data/x.gif\" ALT=\"obrazek\" WIDTH=\"10\" HEIGHT=\"10\"></TD></TR></TABLE>\r\n";
        ++i;
    }
    s += "<!--SIZE:1-->\r\n</BODY></HTML>";
    return s;
}

std::string pageFile() {
    static std::string path = [] {
        auto p = std::filesystem::temp_directory_path() / ("htmledit_bench_" + std::to_string(::getpid()) + ".html");
        std::ofstream(p, std::ios::binary) << bigPage();
        return p.string();
    }();
    return path;
}

void load(EditControl& c) {
    int before = c.completedDocuments();
    c.loadDocument(pageFile(), false);
    c.waitForDocuments(before + 1, 60000);
}

// Until the DocumentComplete handler runs. The engine lays the page out
// after that; the pause lets it finish, so that it is not counted in the
// next load.
void BM_LoadToDocumentComplete(benchmark::State& state) {
    EditControl& c = control();
    for (auto _ : state) {
        load(c);
        state.PauseTiming();
        c.evaluate("1");
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(bigPage().size() / 1024) + " KB");
}
BENCHMARK(BM_LoadToDocumentComplete)->Unit(benchmark::kMillisecond)->Iterations(20);

// Until the page, laid out, answers the next call.
void BM_LoadUntilLaidOut(benchmark::State& state) {
    EditControl& c = control();
    for (auto _ : state) {
        load(c);
        c.evaluate("1");
    }
}
BENCHMARK(BM_LoadUntilLaidOut)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_DocumentHtmlReadModifySet(benchmark::State& state) {
    EditControl& c = control();
    load(c);
    int n = 0;
    for (auto _ : state) {
        std::string html = c.documentHTML();
        auto p = html.find("<!--SIZE:");
        html.replace(p, 13, (n++ % 2) ? "<!--SIZE:1-->" : "<!--SIZE:2-->");
        std::string base = c.baseURL();
        int before = c.completedDocuments();
        c.setDocumentHTML(html);
        c.setBaseURL(base);
        c.waitForDocuments(before + 1, 60000);
        state.PauseTiming();
        c.evaluate("1");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DocumentHtmlReadModifySet)->Unit(benchmark::kMillisecond)->Iterations(20);

// The calls of a toolbar refresh: clipboard states, the three toggles, the
// two lists, justification, font name, the font size three times and the
// block format.
void BM_ToolbarRefresh(benchmark::State& state) {
    EditControl& c = control();
    load(c);
    c.evaluate("pw.x('selectText',['Akapit 40'])");
    for (auto _ : state) {
        for (int id : {ctl::Copy, ctl::Cut, ctl::Paste}) benchmark::DoNotOptimize(c.queryStatus(id));
        Document d = c.dom();
        for (const char* q : {"Bold", "Italic", "Underline"})
            benchmark::DoNotOptimize(d.selection().createRange().queryCommandValue(q));
        CommandTarget t = d.commandTarget();
        benchmark::DoNotOptimize(t.queryStatus(CommandGroup::Mshtml, cmd::NumberedList));
        benchmark::DoNotOptimize(t.queryStatus(CommandGroup::Mshtml, cmd::BulletedList));
        for (const char* q : {"JustifyRight", "JustifyCenter", "FontName", "FontSize", "FontSize", "FontSize"})
            benchmark::DoNotOptimize(d.selection().createRange().queryCommandValue(q));
        if (t.queryStatus(CommandGroup::Mshtml, cmd::BlockFormat) & cmd::Enabled) {
            Value out;
            t.exec(CommandGroup::Mshtml, cmd::BlockFormat, cmd::DontAskUser, {}, &out);
        }
    }
}
BENCHMARK(BM_ToolbarRefresh)->Unit(benchmark::kMillisecond);

void BM_ScriptRoundTrip(benchmark::State& state) {
    EditControl& c = control();
    load(c);
    for (auto _ : state) benchmark::DoNotOptimize(c.evaluate("1"));
}
BENCHMARK(BM_ScriptRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {
void BM_DocumentHtmlRead(benchmark::State& state) {
    EditControl& c = control();
    load(c);
    c.evaluate("1");
    for (auto _ : state) benchmark::DoNotOptimize(c.documentHTML());
}
BENCHMARK(BM_DocumentHtmlRead)->Unit(benchmark::kMillisecond);
}  // namespace

namespace {
// One tag with `n` attributes, each written in upper case so that each is
// noted.
void BM_AnnotateOneTagManyAttributes(benchmark::State& state) {
    std::u16string tag = u"<P";
    for (int64_t i = 0; i < state.range(0); ++i) {
        std::string number = std::to_string(i);
        tag += u" A" + std::u16string(number.begin(), number.end()) + u"=x";
    }
    tag += u">a</P>";
    for (auto _ : state) benchmark::DoNotOptimize(MarkupNotes::annotate(tag));
    state.SetComplexityN(state.range(0));
    state.SetLabel(std::to_string(tag.size() / 1024) + " K characters");
}
BENCHMARK(BM_AnnotateOneTagManyAttributes)->Arg(4000)->Arg(16000)->Arg(64000)->Unit(benchmark::kMillisecond)->Complexity();
}  // namespace
