#include "linkcontrols/ZorbLinkObject.h"

#include "com/Font.h"
#include "com/Picture.h"
#include "linkcontrols/ZorbLinkTypeLib.h"

namespace linkcontrols {

using namespace com;

ZorbLinkObject::ZorbLinkObject() : ControlObject(zorbLinkInterface(), IID___zorbLink) {}

HRESULT ZorbLinkObject::member(const MemberInfo& m, std::vector<Variant>& args, Variant* result) {
    if (m.kind == MemberKind::Method) {
        if (m.id == dispid::ShowAbout) {
            control().ShowAbout();
            return S_OK;
        }
        // Start(URL): by reference; a value passed by value works on a copy.
        std::string url;
        if (!args[0].toString(url)) return DISP_E_TYPEMISMATCH;
        control().Start(url);
        if (args[0].isByRef()) args[0].target() = Variant::string(url);
        return S_OK;
    }
    if (m.kind == MemberKind::PropertyGet) {
        Variant v;
        HRESULT hr = get(m.id, v);
        if (succeeded(hr) && result) *result = v;
        return hr;
    }
    return put(m.id, args[0]);
}

HRESULT ZorbLinkObject::get(DispId id, Variant& r) {
    ZorbLink& l = control();
    auto color = [](std::uint32_t c) { return Variant::i4(static_cast<std::int32_t>(c)); };
    auto font = [](const Ptr<IFont>& f) { return Variant::object(f.get(), VT_DISPATCH); };
    switch (id) {
        case dispid::BackColor: r = color(l.BackColor()); break;
        case dispid::Enabled: r = Variant::boolean(l.Enabled()); break;
        case dispid::ToolTipText: r = Variant::string(l.ToolTipText()); break;
        case dispid::Href: r = Variant::string(l.Href()); break;
        case dispid::Caption: r = Variant::string(l.Caption()); break;
        case dispid::ColorHover: r = color(l.ColorHover()); break;
        case dispid::ColorNormal: r = color(l.ColorNormal()); break;
        case dispid::ColorActive: r = color(l.ColorActive()); break;
        case dispid::FontNormal: r = font(l.FontNormal()); break;
        case dispid::FontHover: r = font(l.FontHover()); break;
        case dispid::FontActive: r = font(l.FontActive()); break;
        case dispid::MousePointer: r = Variant::i4(l.MousePointer()); break;
        case dispid::MouseIcon: r = Variant::object(l.MouseIcon().get(), VT_DISPATCH); break;
        case dispid::FocusFrame: r = Variant::i4(l.FocusFrame()); break;
        default: return DISP_E_MEMBERNOTFOUND;
    }
    return S_OK;
}

HRESULT ZorbLinkObject::put(DispId id, Variant& v) {
    ZorbLink& l = control();
    std::int32_t i = 0;
    bool b = false;
    std::string s;
    auto asFont = [&](Ptr<IFont>& f) -> bool {
        IUnknown* o = v.toObject();
        if (!o) return v.isEmpty() || v.type() == VT_DISPATCH || v.type() == VT_UNKNOWN;
        return succeeded(o->QueryInterface(IID_IFont, f.putVoid()));
    };
    switch (id) {
        case dispid::BackColor:
        case dispid::ColorHover:
        case dispid::ColorNormal:
        case dispid::ColorActive:
        case dispid::MousePointer:
        case dispid::FocusFrame:
            if (!v.toI4(i)) return DISP_E_TYPEMISMATCH;
            if (id == dispid::BackColor) l.setBackColor(static_cast<std::uint32_t>(i));
            if (id == dispid::ColorHover) l.setColorHover(static_cast<std::uint32_t>(i));
            if (id == dispid::ColorNormal) l.setColorNormal(static_cast<std::uint32_t>(i));
            if (id == dispid::ColorActive) l.setColorActive(static_cast<std::uint32_t>(i));
            if (id == dispid::MousePointer) l.setMousePointer(i);
            if (id == dispid::FocusFrame) l.setFocusFrame(i);
            return S_OK;
        case dispid::Enabled:
            if (!v.toBool(b)) return DISP_E_TYPEMISMATCH;
            l.setEnabled(b);
            return S_OK;
        case dispid::ToolTipText:
        case dispid::Href:
        case dispid::Caption:
            if (!v.toString(s)) return DISP_E_TYPEMISMATCH;
            if (id == dispid::ToolTipText) l.setToolTipText(s);
            if (id == dispid::Href) l.setHref(s);
            if (id == dispid::Caption) l.setCaption(s);
            return S_OK;
        case dispid::FontNormal:
        case dispid::FontHover:
        case dispid::FontActive: {
            Ptr<IFont> f;
            if (!asFont(f)) return DISP_E_TYPEMISMATCH;
            if (id == dispid::FontNormal) l.setFontNormal(f.get());
            if (id == dispid::FontHover) l.setFontHover(f.get());
            if (id == dispid::FontActive) l.setFontActive(f.get());
            return S_OK;
        }
        case dispid::MouseIcon: {
            Ptr<IPicture> p;
            if (IUnknown* o = v.toObject(); o && failed(o->QueryInterface(IID_IPicture, p.putVoid())))
                return DISP_E_TYPEMISMATCH;
            l.setMouseIcon(p.get());
            return S_OK;
        }
        default: return DISP_E_MEMBERNOTFOUND;
    }
}

void ZorbLinkObject::closing() {
    control().surface().setTimer(ZorbLink::kFocusTimer, ZorbLink::kFocusInterval, false);
    control().surface().setTimer(ZorbLink::kMouseOutTimer, ZorbLink::kMouseOutInterval, false);
}

}  // namespace linkcontrols
