// Speed of the gradient's paint routine, which runs on every resize and every
// colour or mode change: one line per pixel column (row) plus one, three
// blends per line.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "com/Application.h"
#include "com/Ptr.h"
#include "linkcontrols/PrivateClasses.h"
#include "linkcontrols/ZorbLinkTypeLib.h"
#include "linkcontrols/ZorbShadingObject.h"

namespace {

using namespace linkcontrols;

ZorbShadingObject* gradient() {
    static com::Ptr<com::IDispatch> d = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        com::ensureApplication();
        com::Ptr<com::IDispatch> p;
        createPrivateControl(kShadingProgId, com::IID_IDispatch, p.putVoid());
        return p;
    }();
    return static_cast<ZorbShadingObject*>(d.get());
}

// A colour change repaints the whole surface (width x height pixels).
void BM_RepaintOnColourChange(benchmark::State& state) {
    ZorbShading& s = gradient()->control();
    s.setShading(static_cast<std::int32_t>(state.range(2)));
    s.surface().resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::uint32_t c = 0;
    for (auto _ : state) {
        s.setColor1(c);
        c = (c + 0x010203) & 0xFFFFFF;
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
// The about form's bars and title band, the design size, and a large one.
BENCHMARK(BM_RepaintOnColourChange)
    ->Args({266, 1, 0})
    ->Args({16, 181, 1})
    ->Args({255, 255, 0})
    ->Args({255, 255, 1})
    ->Args({1280, 1024, 0});

}  // namespace

BENCHMARK_MAIN();
