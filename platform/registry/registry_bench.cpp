// How long a change and a read of the registry take: every change rewrites
// the file under the lock and makes it durable; a read only checks whether
// the file changed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "registry/Registry.h"

namespace {

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() / ("registry_bench_" + std::to_string(::getpid())) / "registry";
}

void fill(registry::Registry& r, int keys) {
    for (int i = 0; i < keys; ++i)
        r.setString(registry::Hive::CurrentUser, "Software\\Bench\\Key" + std::to_string(i), "Value", "some text");
}

void BM_SetString(benchmark::State& state) {
    std::filesystem::remove_all(benchFile().parent_path());
    registry::Registry r(benchFile());
    fill(r, static_cast<int>(state.range(0)));
    int n = 0;
    for (auto _ : state)
        r.setString(registry::Hive::CurrentUser, "Software\\Bench\\Forms", "Width", std::to_string(n++));
    std::filesystem::remove_all(benchFile().parent_path());
}
BENCHMARK(BM_SetString)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_GetString(benchmark::State& state) {
    std::filesystem::remove_all(benchFile().parent_path());
    registry::Registry r(benchFile());
    fill(r, static_cast<int>(state.range(0)));
    std::string v;
    for (auto _ : state)
        benchmark::DoNotOptimize(r.getString(registry::Hive::CurrentUser, "Software\\Bench\\Key5", "Value", v));
    std::filesystem::remove_all(benchFile().parent_path());
}
BENCHMARK(BM_GetString)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
