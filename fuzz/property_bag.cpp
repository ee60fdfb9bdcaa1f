// A stored property bag read by the gradient control, and its GetShading
// with the Level the bag gives. The input is a list of entries: a byte that
// picks the key, a byte that picks the type, then the value (eight bytes of
// a number, or a length byte and that many bytes of text).
#include <cstring>

#include "FuzzInput.h"
#include "com/Application.h"
#include "com/PropertyBag.h"
#include "com/Ptr.h"
#include "linkcontrols/PrivateClasses.h"
#include "linkcontrols/ZorbLinkTypeLib.h"
#include "linkcontrols/ZorbShadingObject.h"

using namespace com;

namespace {

const char* const kKeys[] = {"Color1", "Color2", "Shading", "MousePointer", "MouseIcon", "Level", "color1", "X"};

// Reads the next entry; false at the end of the input.
bool next(std::string_view& in, PropertyBag::Entry& e) {
    if (in.size() < 2) return false;
    e.name = kKeys[static_cast<unsigned char>(in[0]) % std::size(kKeys)];
    unsigned type = static_cast<unsigned char>(in[1]) % 6;
    in.remove_prefix(2);
    if (type == 5) {
        std::size_t n = in.empty() ? 0 : std::min<std::size_t>(static_cast<unsigned char>(in[0]), in.size() - 1);
        e.value = Variant::string(std::string(in.substr(in.empty() ? 0 : 1, n)));
        in.remove_prefix(in.empty() ? 0 : n + 1);
        return true;
    }
    unsigned char raw[8] = {};
    std::memcpy(raw, in.data(), std::min<std::size_t>(8, in.size()));
    in.remove_prefix(std::min<std::size_t>(8, in.size()));
    double d;
    float f;
    std::int32_t i;
    std::memcpy(&d, raw, sizeof d);
    std::memcpy(&f, raw, sizeof f);
    std::memcpy(&i, raw, sizeof i);
    switch (type) {
        case 0: e.value = Variant::r8(d); break;
        case 1: e.value = Variant::r4(f); break;
        case 2: e.value = Variant::i4(i); break;
        case 3: e.value = Variant::i2(static_cast<std::int16_t>(i)); break;
        default: e.value = Variant::boolean(i & 1); break;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view in = fuzzing::asText(data, size);
    std::vector<PropertyBag::Entry> entries;
    PropertyBag::Entry e;
    while (entries.size() < 64 && next(in, e)) entries.push_back(e);
    PropertyBag bag(entries);
    Ptr<IDispatch> disp;
    if (linkcontrols::createPrivateControl(linkcontrols::kShadingProgId, IID_IDispatch, disp.putVoid()) != S_OK)
        return 0;
    auto* obj = static_cast<linkcontrols::ZorbShadingObject*>(disp.get());
    obj->InitNew();
    obj->Load(&bag);
    Variant level;
    bag.Read("Level", level);
    std::vector<Variant> args{Variant::i4(0x00FF8010), Variant::i4(0x000080F0), Variant::byRef(&level)};
    Variant result;
    disp->Invoke(linkcontrols::shadingid::GetShading, DISPATCH_METHOD, args, &result);
    obj->Close();
    return 0;
}
