// Reading every key of an INI file: the section's keys listed, then each
// key's value looked up, as a caller that shows or copies a whole file does;
// and writing a new key into every section of a file of many sections.
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

// A key added to every section of a file of many sections (each with a key
// and a blank line after it), then the file's lines taken whole, as a save
// takes them.
void WriteIntoEverySection(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    std::vector<std::string> lines{"; settings"};
    for (std::size_t i = 0; i < n; ++i) {
        lines.push_back("[site" + std::to_string(i) + "]");
        lines.push_back("host = ftp" + std::to_string(i) + ".example.pl");
        lines.push_back("");
    }
    for (auto _ : state) {
        files::ProfileFile file;
        file.setLines(lines);
        for (std::size_t i = 0; i < n; ++i) file.write("site" + std::to_string(i), "pass", "x");
        benchmark::DoNotOptimize(file.lines().size());
    }
    state.SetComplexityN(static_cast<benchmark::IterationCount>(n));
}
BENCHMARK(WriteIntoEverySection)->Arg(300)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond)->Complexity();
