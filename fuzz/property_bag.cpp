// A host's stored property bag read by both controls of the library: the
// hyperlink control (made through the library's class factory, as a host
// makes it) and the gradient control (by its private class string). Each
// reads the bag, answers its properties, and writes what it holds; a second
// instance reading that bag must write it again unchanged. The gradient's
// GetShading runs with the Level the bag gives.
//
// The input is a list of entries: a byte that picks the key (its low five
// bits; bit 5 writes it in lower case, as hosts store keys, bit 6 in upper
// case), a byte that picks the type, then the value: eight bytes of a number;
// a length byte and that many bytes of text; a font (style byte, four bytes
// of size, a character-set byte, a name as text); a cursor picture (width,
// height, hot spot x and y, then mask bytes as text); or Nothing.
#include <cstdio>
#include <cstring>

#include "FuzzInput.h"
#include "com/Application.h"
#include "com/ClassFactory.h"
#include "com/Control.h"
#include "com/Font.h"
#include "com/Picture.h"
#include "com/PropertyBag.h"
#include "com/Ptr.h"
#include "linkcontrols/PrivateClasses.h"
#include "linkcontrols/Server.h"
#include "linkcontrols/ZorbLinkTypeLib.h"
#include "linkcontrols/ZorbShadingObject.h"
#include "text/CaseRules.h"

using namespace com;

namespace {

// The keys of both controls, the host's own extent, and one neither knows.
const char* const kKeys[] = {"BackColor",  "Enabled",   "Font",       "ToolTipText", "Href",      "Caption",
                             "ColorHover", "ColorNormal", "ColorActive", "MousePointer", "FontNormal", "FontHover",
                             "FontActive", "MouseIcon", "FocusFrame", "Color1",      "Color2",    "Shading",
                             "Level",      "_extentx",  "_extenty",   "X"};

std::uint8_t byte(std::string_view& in) {
    if (in.empty()) return 0;
    auto b = static_cast<std::uint8_t>(in[0]);
    in.remove_prefix(1);
    return b;
}

std::string text(std::string_view& in) {
    std::size_t n = std::min<std::size_t>(byte(in), in.size());
    std::string s(in.substr(0, n));
    in.remove_prefix(n);
    return s;
}

// Reads the next entry; false at the end of the input.
bool next(std::string_view& in, PropertyBag::Entry& e) {
    if (in.size() < 2) return false;
    std::uint8_t k = byte(in);
    e.name = kKeys[(k & 31u) % std::size(kKeys)];
    if (k & 32) e.name = text::lower(e.name);
    else if (k & 64) e.name = text::upper(e.name);
    unsigned type = byte(in) % 9;
    if (type == 5) {
        e.value = Variant::string(text(in));
    } else if (type == 6) {
        FontDesc d;
        std::uint8_t style = byte(in);
        d.italic = style & 1;
        d.underline = style & 2;
        d.strikethrough = style & 4;
        d.weight = static_cast<std::int16_t>(style & 8 ? 700 : 400);
        std::uint32_t size = 0;
        for (int i = 0; i < 4; ++i) size = size << 8 | byte(in);
        d.size = static_cast<std::int32_t>(size);
        d.charset = byte(in);
        d.name = text(in);
        e.value = Variant::object(createFont(d).get(), VT_DISPATCH);
    } else if (type == 7) {
        CursorImage c;
        c.width = byte(in) % 65;
        c.height = byte(in) % 65;
        c.hotX = byte(in);
        c.hotY = byte(in);
        std::string masks = text(in);
        auto half = masks.begin() + static_cast<long>(masks.size() / 2);
        c.andMask.assign(masks.begin(), half);
        c.xorMask.assign(half, masks.end());
        e.value = Variant::object(createCursorPicture(c).get(), VT_DISPATCH);
    } else if (type == 8) {
        e.value = Variant::object(nullptr, VT_DISPATCH);
    } else {
        unsigned char raw[8] = {};
        std::size_t n = std::min<std::size_t>(8, in.size());
        std::memcpy(raw, in.data(), n);
        in.remove_prefix(n);
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
    }
    return true;
}

// Two values alike: objects by what they hold (a font or a picture read from
// a bag is a new object each time), everything else as the values compare.
bool same(const Variant& a, const Variant& b) {
    IUnknown* x = a.toObject();
    IUnknown* y = b.toObject();
    if (!x || !y) return a == b;
    Ptr<IFont> fx, fy;
    if (x->QueryInterface(IID_IFont, fx.putVoid()) == S_OK && y->QueryInterface(IID_IFont, fy.putVoid()) == S_OK)
        return fx->desc() == fy->desc();
    Ptr<IPicture> px, py;
    if (x->QueryInterface(IID_IPicture, px.putVoid()) == S_OK && y->QueryInterface(IID_IPicture, py.putVoid()) == S_OK)
        return px->cursor() == py->cursor();
    return false;
}

void expectSameBags(const PropertyBag& a, const PropertyBag& b, const char* control) {
    const auto& x = a.entries();
    const auto& y = b.entries();
    bool alike = x.size() == y.size();
    for (std::size_t i = 0; alike && i < x.size(); ++i) alike = x[i].name == y[i].name && same(x[i].value, y[i].value);
    if (!alike) {
        std::fprintf(stderr, "%s:\n", control);
        for (const auto& e : x) std::fprintf(stderr, "  first:  %s\n", e.name.c_str());
        for (const auto& e : y) std::fprintf(stderr, "  second: %s\n", e.name.c_str());
    }
    fuzzing::expect(alike, "a bag a control wrote, read by another, is written again unchanged");
}

// Reads `bag` into a new control, answers every property it publishes, and
// gives what the control then writes.
template <class Make>
PropertyBag readAndWrite(Make make, PropertyBag& bag, const InterfaceInfo* iface) {
    PropertyBag written;
    Ptr<IDispatch> disp;
    if (make(disp.putVoid()) != S_OK) return written;
    Ptr<IPersistPropertyBag> persist;
    disp->QueryInterface(IID_IPersistPropertyBag, persist.putVoid());
    persist->Load(&bag);
    if (iface)
        for (const MemberInfo& m : iface->members) {
            if (m.kind != MemberKind::PropertyGet) continue;
            std::vector<Variant> none;
            Variant v;
            disp->Invoke(m.id, DISPATCH_PROPERTYGET, none, &v);
        }
    persist->Save(&written, true, true);
    Ptr<IControl> control;
    if (disp->QueryInterface(IID_IControl, control.putVoid()) == S_OK) control->Close();
    return written;
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

    // The hyperlink control, as a host makes it from the library.
    auto makeLink = [](void** out) {
        Ptr<IClassFactory> factory;
        if (linkcontrols::getClassObject(&linkcontrols::CLSID_zorbLink, &IID_IClassFactory, factory.putVoid()) != S_OK)
            return E_FAIL;
        return factory->CreateInstance(nullptr, IID_IDispatch, out);
    };
    PropertyBag stored(entries);
    PropertyBag once = readAndWrite(makeLink, stored, &linkcontrols::zorbLinkInterface());
    PropertyBag twice = readAndWrite(makeLink, once, nullptr);
    expectSameBags(once, twice, "zorbLink");

    // The gradient control, and its blend with the bag's Level.
    auto makeShading = [](void** out) {
        return linkcontrols::createPrivateControl(linkcontrols::kShadingProgId, IID_IDispatch, out);
    };
    PropertyBag shadingOnce = readAndWrite(makeShading, stored, nullptr);
    PropertyBag shadingTwice = readAndWrite(makeShading, shadingOnce, nullptr);
    expectSameBags(shadingOnce, shadingTwice, "zorbShading");
    Ptr<IDispatch> disp;
    if (makeShading(disp.putVoid()) != S_OK) return 0;
    auto* obj = static_cast<linkcontrols::ZorbShadingObject*>(disp.get());
    obj->InitNew();
    obj->Load(&stored);
    Variant level;
    stored.Read("Level", level);
    std::vector<Variant> args{Variant::i4(0x00FF8010), Variant::i4(0x000080F0), Variant::byRef(&level)};
    Variant result;
    disp->Invoke(linkcontrols::shadingid::GetShading, DISPATCH_METHOD, args, &result);
    obj->Close();
    return 0;
}
