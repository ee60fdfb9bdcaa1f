// Speed of the text side of the whole-document rewrites on a large page:
// the keywords command replaces two lines of the head.
#include <benchmark/benchmark.h>

#include <string>

#include "pageeditor/frame/DocumentRewrite.h"

using namespace pageeditor;

namespace {

// A page of about `paragraphs` * 60 bytes with a head of ten META lines.
std::string largePage(int paragraphs) {
    std::string s = "<HTML><HEAD>\r\n";
    for (int i = 0; i < 10; ++i) s += "<META NAME=\"m" + std::to_string(i) + "\" content=\"v\">\r\n";
    s += "<TITLE>Strona</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    for (int i = 0; i < paragraphs; ++i) s += "<P>Akapit numer " + std::to_string(i) + " z tekstem strony.</P>\r\n";
    s += "<!--SIZE:1--></BODY></HTML>\r\n";
    return s;
}

void BM_WriteHeadMeta(benchmark::State& state) {
    const std::string page = largePage(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ReplaceHeadMeta(page, "a, b", "opis"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
}
BENCHMARK(BM_WriteHeadMeta)->Arg(1000)->Arg(20000);

// A head of `n` META lines, each of which the command reads.
void BM_WriteHeadMetaManyMetaLines(benchmark::State& state) {
    std::string page = "<HTML><HEAD>\r\n";
    for (int64_t i = 0; i < state.range(0); ++i) page += "<META NAME=\"m" + std::to_string(i) + "\" content=\"v\">\r\n";
    page += "<TITLE>Strona</TITLE>\r\n</HEAD>\r\n<BODY><P>x</P></BODY></HTML>\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(ReplaceHeadMeta(page, "a, b", "opis"));
    state.SetComplexityN(state.range(0));
    state.SetLabel(std::to_string(page.size() / 1024) + " KB");
}
BENCHMARK(BM_WriteHeadMetaManyMetaLines)->Arg(2000)->Arg(8000)->Arg(32000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_PlaceSizeMarker(benchmark::State& state) {
    const std::string page = largePage(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(PlaceSizeMarker(page, "<!--SIZE:2-->"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
}
BENCHMARK(BM_PlaceSizeMarker)->Arg(1000)->Arg(20000);

}  // namespace

