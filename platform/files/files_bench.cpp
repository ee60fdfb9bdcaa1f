// Reading every key of an INI file: the section's keys listed, then each
// key's value looked up, as a caller that shows or copies a whole file does.
#include <benchmark/benchmark.h>

#include "files/ProfileFile.h"

namespace {

void ReadEveryKey(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    std::vector<std::string> lines{"; settings", "[project]"};
    for (std::size_t i = 0; i < n; ++i) lines.push_back("key" + std::to_string(i) + " = value " + std::to_string(i));
    for (auto _ : state) {
        files::ProfileFile file;
        file.setLines(lines);
        std::size_t total = 0;
        for (const std::string& key : file.keys("project")) total += file.read("project", key).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetComplexityN(static_cast<benchmark::IterationCount>(n));
}
BENCHMARK(ReadEveryKey)->Arg(300)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
