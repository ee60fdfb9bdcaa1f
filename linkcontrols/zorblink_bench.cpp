// How long the link takes to load its stored properties with a custom mouse
// icon of any size: the cursor shown is at most the platform's largest, and
// only its pixels are read.
#include <benchmark/benchmark.h>

#include <climits>
#include <cstdlib>
#include <map>

#include "com/Application.h"
#include "com/ClassFactory.h"
#include "com/Control.h"
#include "com/IPropertyBag.h"
#include "com/Picture.h"
#include "com/PropertyBag.h"
#include "linkcontrols/Server.h"
#include "linkcontrols/ZorbLinkTypeLib.h"

namespace {

using namespace com;

Ptr<IPicture> icon(int width, int height) {
    CursorImage image;
    image.width = width;
    image.height = height;
    // A picture whose masks are all there, or only its claimed size.
    if (static_cast<long long>(width) * height <= 16000LL * 16000LL) {
        const std::size_t bytes = static_cast<std::size_t>((width + 7) / 8) * static_cast<std::size_t>(height);
        image.andMask.assign(bytes, 0x00);
        image.xorMask.assign(bytes, 0xAA);
    }
    return createCursorPicture(image);
}

void BM_LoadWithMouseIcon(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ensureApplication();
    Ptr<IPicture> picture = icon(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    PropertyBag bag({{"mousepointer", Variant::i4(99)}, {"mouseicon", Variant::object(picture.get())}});
    void* f = nullptr;
    linkcontrols::getClassObject(&linkcontrols::CLSID_zorbLink, &IID_IClassFactory, &f);
    Ptr<IClassFactory> factory = Ptr<IClassFactory>::adopt(static_cast<IClassFactory*>(f));
    for (auto _ : state) {
        Ptr<IPersistPropertyBag> link;
        factory->CreateInstance(nullptr, IID_IPersistPropertyBag, link.putVoid());
        link->Load(&bag);
        state.PauseTiming();
        link.as<IControl>(IID_IControl)->Close();
        link.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadWithMouseIcon)
    ->Args({32, 32})
    ->Args({16000, 16000})
    ->Args({INT_MAX, 32})
    ->Unit(benchmark::kMillisecond);

}  // namespace
