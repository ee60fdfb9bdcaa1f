// Speed of the lookup window on the imported program base.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "dictionary/EntryFile.h"
#include "dictionary/Form1.h"
#include "dictionary/Program.h"
#include "forms/Application.h"
#include "forms/ScriptedAnswers.h"

namespace fs = std::filesystem;
using namespace dictionary;

namespace {

struct Setup {
    Setup() {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "dictionary_bench";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<forms::Application>(argc, argv);
        forms::setModal(&answers);
        const char* b = std::getenv("SUITE_BINARY_DIR");
        fs::path dist = fs::path(b ? b : "build") / "dist" / "Wortel";
        folder = fs::temp_directory_path() / ("wortel_bench_" + std::to_string(::getpid()));
        fs::create_directories(folder / "wyrazy");
        for (const char* f : {"a.dat", "b.dat", "3.dat", "data.dat"})
            fs::copy_file(dist / f, folder / f, fs::copy_options::overwrite_existing);
        program = std::make_unique<Program>(folder);
        program->blnPrzeladowanie = true;  // unloading does not end the run
        program->form1().show();
    }
    ~Setup() {
        program.reset();
        fs::remove_all(folder);
    }
    std::unique_ptr<forms::Application> app;
    forms::ScriptedAnswers answers;
    fs::path folder;
    std::unique_ptr<Program> program;
};

Setup& setup() {
    static Setup s;
    return s;
}

// Reading b.dat into the emptied headword list.
void BM_LoadFullBaseIntoList(benchmark::State& state) {
    Form1& f = setup().program->form1();
    for (auto _ : state) {
        f.lstWort->clear();
        benchmark::DoNotOptimize(f.loadHeadwords("b.dat"));
    }
    state.counters["headwords"] = f.lstWort->listCount();
}
BENCHMARK(BM_LoadFullBaseIntoList)->Unit(benchmark::kMillisecond);

// The whole start-up of the lookup window: unload and load again.
void BM_LookupWindowStartUp(benchmark::State& state) {
    Form1& f = setup().program->form1();
    for (auto _ : state) {
        f.unload();
        f.show();
    }
}
BENCHMARK(BM_LookupWindowStartUp)->Unit(benchmark::kMillisecond);

// One keystroke in the search box: prefix search, selection, entry page
// written and shown. The texts alternate so that every one is a change;
// "zu" lies far down the list, "ab" near its top.
void BM_PrefixSearchKeystroke(benchmark::State& state) {
    Form1& f = setup().program->form1();
    const char* texts[] = {"hau", "zu", "ab", "schw"};
    std::size_t i = 0;
    for (auto _ : state) {
        f.Text1->setText(texts[i++ % 4]);
        benchmark::DoNotOptimize(f.lstWort->listIndex());
    }
}
BENCHMARK(BM_PrefixSearchKeystroke)->Unit(benchmark::kMillisecond);

// The parts of a keystroke: finding the entry line of a headword near the
// end of a.dat, and showing a written page.
void BM_EntryLineNearTheEnd(benchmark::State& state) {
    Setup& s = setup();
    std::string line;
    for (auto _ : state) benchmark::DoNotOptimize(EntryFile::findLine(s.folder / "a.dat", "Zypresse", line));
}
BENCHMARK(BM_EntryLineNearTheEnd)->Unit(benchmark::kMillisecond);

void BM_ShowEntryPage(benchmark::State& state) {
    Form1& f = setup().program->form1();
    f.lstWort->setText("Haus");
    std::string page = f.WebBrowser1->locationPath();
    for (auto _ : state) f.WebBrowser1->navigate(page);
}
BENCHMARK(BM_ShowEntryPage)->Unit(benchmark::kMillisecond);

}  // namespace
