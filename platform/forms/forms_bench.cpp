// Speed of the sorted list box with 20,000 items.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/ListBox.h"

namespace {

struct Host : forms::Form {
    Host() : Form("Host") {}
};

Host& host() {
    static std::unique_ptr<forms::Application> app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "forms_bench";
        static char* argv[] = {name, nullptr};
        return std::make_unique<forms::Application>(argc, argv);
    }();
    static Host h;
    if (!h.isLoaded()) h.show();
    return h;
}

std::vector<std::string> words(bool shuffled) {
    std::vector<std::string> w;
    for (int i = 0; i < 20000; ++i) w.push_back((i % 2 ? "Wort" : "wort") + std::to_string(i * 7919 % 20000));
    if (shuffled) std::shuffle(w.begin(), w.end(), std::mt19937(42));
    return w;
}

// Items added one at a time, in sorted or in shuffled order.
void BM_AddItemOneByOne(benchmark::State& state) {
    auto w = words(state.range(0) != 0);
    auto* l = host().add<forms::ListBox>("List");
    for (auto _ : state) {
        l->clear();
        for (const auto& s : w) l->addItem(s);
        benchmark::DoNotOptimize(l->list(0));  // the list is read: sorted in
    }
}
BENCHMARK(BM_AddItemOneByOne)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_AddItemsAtOnce(benchmark::State& state) {
    auto w = words(true);
    auto* l = host().add<forms::ListBox>("List");
    for (auto _ : state) {
        l->clear();
        l->addItems(w);
        benchmark::DoNotOptimize(l->list(0));
    }
}
BENCHMARK(BM_AddItemsAtOnce)->Unit(benchmark::kMillisecond);

}  // namespace
