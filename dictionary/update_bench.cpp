// Speed of the word-base update's merge on the imported program base: an
// increment of 200 entries sorted into a.dat and b.dat and both written.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "dictionary/WordBaseMerge.h"
#include "text/LineFile.h"

namespace fs = std::filesystem;
using namespace dictionary;

static void BM_MergeIncrementIntoProgramBase(benchmark::State& state) {
    const char* b = std::getenv("SUITE_BINARY_DIR");
    const fs::path dist = fs::path(b ? b : "build") / "dist" / "Wortel";
    const fs::path folder = fs::temp_directory_path() / ("wortel_update_bench_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::string entries, headwords;
    for (int i = 0; i < 200; ++i) {
        const std::string w = "Neuwort" + std::to_string(i * 7919 % 1000);
        entries += w + " <b>nowe słowo</b>\r\n";
        headwords += w + "\r\n";
    }
    WordBaseMerge::Hooks hooks;
    hooks.fetch = [&](const std::string& file) -> std::string {
        if (file == "numer.dat") return "1";
        return file == "1a.dat" ? entries : headwords;
    };
    std::size_t lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (const char* f : {"a.dat", "b.dat"}) fs::copy_file(dist / f, folder / f, fs::copy_options::overwrite_existing);
        text::writeLines(folder / "numer.dat", {"0"});
        state.ResumeTiming();
        WordBaseMerge merge(folder);
        merge.run(hooks);
        lines = merge.headwords().size();
    }
    state.counters["lines"] = static_cast<double>(lines);
    fs::remove_all(folder);
}
BENCHMARK(BM_MergeIncrementIntoProgramBase)->Unit(benchmark::kMillisecond);
