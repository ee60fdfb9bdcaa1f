#include "linkcontrols/ZorbShadingObject.h"

#include "com/Picture.h"
#include "text/CodePage.h"

namespace linkcontrols {

using namespace com;

const Guid IID__zorbShading = guid("{F9F5B249-E80B-11D4-95D4-E305F180C055}");
const Guid IID___zorbShading = guid("{F9F5B24A-E80B-11D4-95D4-E305F180C055}");

namespace {

void property(std::vector<MemberInfo>& m, const char* name, DispId id, const char* type, bool byRef) {
    m.push_back({name, MemberKind::PropertyGet, id, {}, {}});
    m.push_back({name, byRef ? MemberKind::PropertyPutRef : MemberKind::PropertyPut, id,
                 {{std::string("New_") + name, type, false}}, {}});
}

InterfaceInfo makeInterface() {
    InterfaceInfo i;
    i.name = "_zorbShading";
    i.iid = IID__zorbShading;
    i.typeFlags = TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FOLEAUTOMATION |
                  TYPEFLAG_FDISPATCHABLE;
    auto& m = i.members;
    property(m, "Color1", shadingid::Color1, "OLE_COLOR", false);
    property(m, "Color2", shadingid::Color2, "OLE_COLOR", false);
    property(m, "Shading", shadingid::Shading, "Long", false);
    property(m, "MouseIcon", shadingid::MouseIcon, "Picture", true);
    property(m, "MousePointer", shadingid::MousePointer, "Integer", false);
    m.push_back({"GetShading", MemberKind::Method, shadingid::GetShading,
                 {{"RGB1", "Long", false}, {"RGB2", "Long", false}, {"Level", "Variant", true}}, {}});
    m.push_back({"SepRGB", MemberKind::Method, shadingid::SepRGB,
                 {{"Value", "Long", true}, {"Red", "Variant", true}, {"Green", "Variant", true},
                  {"Blue", "Variant", true}},
                 {}});
    m.push_back({"Refresh", MemberKind::Method, shadingid::Refresh, {}, {}});
    m.push_back({"GetPixel", MemberKind::Method, shadingid::GetPixel, {{"X", "Long", false}, {"Y", "Long", false}},
                 text::ansi("Gibt die RGB-Farbe des angegebenen Punkts in einem Formular oder Bildfeld als Integer "
                            "vom Typ Long zurück.")});
    m.push_back({"SetPixel", MemberKind::Method, shadingid::SetPixel,
                 {{"X", "Long", false}, {"Y", "Long", false}, {"Color", "Long", false}}, {}});
    m.push_back({"ShowAbout", MemberKind::Method, shadingid::ShowAbout, {}, {}});
    return i;
}

InterfaceInfo makeEvents() {
    InterfaceInfo e;
    e.name = "__zorbShading";
    e.iid = IID___zorbShading;
    e.typeFlags = TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
    std::vector<ParamInfo> mouse = {
        {"Button", "Integer", true}, {"Shift", "Integer", true}, {"X", "Single", true}, {"Y", "Single", true}};
    e.members = {
        {"MouseDown", MemberKind::Method, shadingevent::MouseDown, mouse, {}},
        {"MouseMove", MemberKind::Method, shadingevent::MouseMove, mouse, {}},
        {"MouseUp", MemberKind::Method, shadingevent::MouseUp, mouse, {}},
        {"Click", MemberKind::Method, shadingevent::Click, {},
         text::ansi("Tritt auf, wenn der Benutzer eine Maustaste über einem Objekt drückt und wieder losläßt.")},
        {"DblClick", MemberKind::Method, shadingevent::DblClick, {}, {}},
        {"MouseEnter", MemberKind::Method, shadingevent::MouseEnter, {}, {}},
        {"MouseLeave", MemberKind::Method, shadingevent::MouseLeave, {}, {}},
    };
    return e;
}

// A Long argument; false when the value has no such form.
bool long_(const Variant& v, std::int32_t& out) { return v.target().toI4(out); }

}  // namespace

const InterfaceInfo& zorbShadingInterface() {
    static const InterfaceInfo i = makeInterface();
    return i;
}
const InterfaceInfo& zorbShadingEvents() {
    static const InterfaceInfo e = makeEvents();
    return e;
}

ZorbShadingObject::ZorbShadingObject() : ControlObject(zorbShadingInterface(), IID___zorbShading) {}

HRESULT ZorbShadingObject::member(const MemberInfo& m, std::vector<Variant>& args, Variant* result) {
    const DispId id = m.id;
    ZorbShading& s = control();
    if (m.kind == MemberKind::Method) return method(id, args, result);
    if (m.kind == MemberKind::PropertyGet) {
        Variant r;
        switch (id) {
            case shadingid::Color1: r = Variant::i4(static_cast<std::int32_t>(s.Color1())); break;
            case shadingid::Color2: r = Variant::i4(static_cast<std::int32_t>(s.Color2())); break;
            case shadingid::Shading: r = Variant::i4(s.Shading()); break;
            case shadingid::MouseIcon: r = Variant::object(s.MouseIcon().get(), VT_DISPATCH); break;
            case shadingid::MousePointer: r = Variant::i2(s.MousePointer()); break;
            default: return DISP_E_MEMBERNOTFOUND;
        }
        if (result) *result = r;
        return S_OK;
    }
    Variant& v = args[0];
    std::int32_t i = 0;
    if (id == shadingid::MouseIcon) {
        Ptr<IPicture> p;
        if (IUnknown* o = v.toObject(); o && failed(o->QueryInterface(IID_IPicture, p.putVoid())))
            return DISP_E_TYPEMISMATCH;
        s.setMouseIcon(p.get());
        return S_OK;
    }
    if (!v.toI4(i)) return DISP_E_TYPEMISMATCH;
    switch (id) {
        case shadingid::Color1: s.setColor1(static_cast<std::uint32_t>(i)); break;
        case shadingid::Color2: s.setColor2(static_cast<std::uint32_t>(i)); break;
        case shadingid::Shading: s.setShading(i); break;
        case shadingid::MousePointer:
            if (i < -32768 || i > 32767) return DISP_E_TYPEMISMATCH;
            s.setMousePointer(static_cast<std::int16_t>(i));
            break;
        default: return DISP_E_MEMBERNOTFOUND;
    }
    return S_OK;
}

HRESULT ZorbShadingObject::method(DispId id, std::vector<Variant>& args, Variant* result) {
    ZorbShading& s = control();
    std::int32_t a = 0, b = 0, c = 0;
    switch (id) {
        case shadingid::GetShading: {
            float level;
            if (!long_(args[0], a) || !long_(args[1], b) || !args[2].target().toR4(level)) return DISP_E_TYPEMISMATCH;
            Variant r = s.GetShading(a, b, args[2]);
            if (result) *result = r;
            return S_OK;
        }
        case shadingid::SepRGB:
            if (!long_(args[0], a)) return DISP_E_TYPEMISMATCH;
            s.SepRGB(a, args[1], args[2], args[3]);
            return S_OK;
        case shadingid::Refresh: s.Refresh(); return S_OK;
        case shadingid::GetPixel:
            if (!long_(args[0], a) || !long_(args[1], b)) return DISP_E_TYPEMISMATCH;
            if (result) *result = Variant::i4(s.GetPixel(a, b));
            return S_OK;
        case shadingid::SetPixel:
            if (!long_(args[0], a) || !long_(args[1], b) || !long_(args[2], c)) return DISP_E_TYPEMISMATCH;
            s.SetPixel(a, b, c);
            return S_OK;
        case shadingid::ShowAbout: s.ShowAbout(); return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
    }
}

}  // namespace linkcontrols
