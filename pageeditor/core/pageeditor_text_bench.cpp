#include <benchmark/benchmark.h>

#include "pageeditor/core/MessageList.h"
#include "pageeditor/core/TextRoutines.h"

using namespace pageeditor;

namespace {

std::string page(std::size_t bytes) {
    std::string s;
    while (s.size() < bytes) s += "<p class=\"x\">Tekst akapitu ${TITLE} i dalej zwykly tekst strony.</p>\r\n";
    return s;
}

// A template page with a placeholder every ~70 bytes.
void BM_ReplTitle(benchmark::State& state) {
    std::string src = page(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(repl("${TITLE}", "Moja strona", src));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * src.size()));
}
BENCHMARK(BM_ReplTitle)->Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20);

// A replacement that holds the text to find (the bounded single pass).
void BM_ReplSelfContaining(benchmark::State& state) {
    std::string src = page(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(repl("${TITLE}", "[${TITLE}]", src));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * src.size()));
}
BENCHMARK(BM_ReplSelfContaining)->Arg(100 << 10);

// iso over a page.
void BM_Iso(benchmark::State& state) {
    std::string src = page(100 << 10);
    for (auto _ : state) benchmark::DoNotOptimize(iso(src));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * src.size()));
}
BENCHMARK(BM_Iso);

// tr of a text missing from a list of n pairs (a full linear search).
void BM_TrMiss(benchmark::State& state) {
    std::vector<std::string> lines;
    for (int i = 0; i < state.range(0); ++i) {
        lines.push_back("Komunikat numer " + std::to_string(i));
        lines.push_back("Message number " + std::to_string(i));
    }
    MessageList m;
    m.setLines(std::move(lines));
    for (auto _ : state) benchmark::DoNotOptimize(m.tr("Nie ma takiego komunikatu"));
}
BENCHMARK(BM_TrMiss)->Arg(100)->Arg(1000);

}  // namespace
