// Speed of the reverse search over the imported program base, and of the
// user's word base being read and written.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include "dictionary/OwnWordBase.h"
#include "dictionary/ReverseSearch.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

namespace fs = std::filesystem;
using namespace dictionary;

namespace {

void BM_ReverseSearch(benchmark::State& state) {
    const fs::path a = fs::path(WORTEL_DIST) / "a.dat";
    const auto mode = static_cast<ReverseSearch::Mode>(state.range(0));
    const std::string word = text::ansi("dom");
    std::vector<std::string> found;
    for (auto _ : state) {
        ReverseSearch::search(a, word, mode, found);
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["results"] = static_cast<double>(found.size());
}
BENCHMARK(BM_ReverseSearch)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_OwnWordBaseLoadSave(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / ("wortel_own_bench_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::vector<std::string> heads, lines;
    for (int i = 0; i < state.range(0); ++i) {
        char h[16];
        std::snprintf(h, sizeof h, "w%05d", i);
        heads.push_back(h);
        lines.push_back(std::string(h) + " <i>der</i> (PL die x) <b>tłumaczenie</b>");
    }
    text::writeLines(folder / "y.dat", heads);
    text::writeLines(folder / "x.dat", lines);
    OwnWordBase b;
    for (auto _ : state) {
        b.load(folder);
        b.add({"Zzz", "Zzz <b>z</b>"});
        b.save(folder);
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_OwnWordBaseLoadSave)->Arg(1000)->Arg(33000)->Unit(benchmark::kMillisecond);

}  // namespace
