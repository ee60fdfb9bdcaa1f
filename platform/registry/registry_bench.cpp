// How long a change and a read of the registry take: every change rewrites
// the file under the lock and makes it durable; a read only checks whether
// the file changed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

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

// The first read of a file whose one key holds many values (a damaged or
// hostile file may hold any number): grows with the file, not its square.
void BM_LoadValuesUnderOneKey(benchmark::State& state) {
    std::filesystem::remove_all(benchFile().parent_path());
    std::filesystem::create_directories(benchFile().parent_path());
    {
        std::ofstream out(benchFile());
        out << "REGISTRY 1\n[HKEY_CURRENT_USER\\Software\\Bench]\n";
        for (int i = 0; i < state.range(0); ++i) out << "s Value" << i << "=some text\n";
    }
    std::string v;
    for (auto _ : state) {
        registry::Registry r(benchFile());
        benchmark::DoNotOptimize(r.getString(registry::Hive::CurrentUser, "Software\\Bench", "Value1", v));
    }
    state.SetComplexityN(state.range(0));
    std::filesystem::remove_all(benchFile().parent_path());
}
BENCHMARK(BM_LoadValuesUnderOneKey)->Arg(300)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
