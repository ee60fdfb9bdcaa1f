#include "linkcontrols/ZorbLinkObject.h"

#include "com/Font.h"
#include "com/Picture.h"
#include "linkcontrols/ZorbLinkTypeLib.h"

namespace linkcontrols {

using namespace com;

ZorbLinkObject::ZorbLinkObject()
    : events_(static_cast<IDispatch*>(this), IID___zorbLink), link_(std::make_unique<ZorbLink>(*this)) {}

ZorbLinkObject::~ZorbLinkObject() = default;

HRESULT ZorbLinkObject::QueryInterface(const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__zorbLink)
        *out = static_cast<IDispatch*>(this);
    else if (iid == IID_IConnectionPointContainer)
        *out = static_cast<IConnectionPointContainer*>(this);
    else if (iid == IID_IPersistPropertyBag)
        *out = static_cast<IPersistPropertyBag*>(this);
    else if (iid == IID_IControl)
        *out = static_cast<IControl*>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

std::uint32_t ZorbLinkObject::AddRef() { return refs_.add(); }

std::uint32_t ZorbLinkObject::Release() {
    std::uint32_t n = refs_.release();
    if (n == 0) delete this;
    return n;
}

HRESULT ZorbLinkObject::GetIDsOfNames(const std::vector<std::string>& names, std::vector<DispId>& ids) {
    return zorbLinkInterface().idsOfNames(names, ids);
}

HRESULT ZorbLinkObject::Invoke(DispId id, std::uint16_t flags, std::vector<Variant>& args, Variant* result) {
    const MemberInfo* m = nullptr;
    HRESULT hr = zorbLinkInterface().check(id, flags, args.size(), &m);
    if (failed(hr)) return hr;
    if (m->kind == MemberKind::Method) {
        if (id == dispid::ShowAbout) {
            link_->ShowAbout();
            return S_OK;
        }
        // Start(URL): by reference; a value passed by value works on a copy.
        std::string url;
        if (!args[0].toString(url)) return DISP_E_TYPEMISMATCH;
        link_->Start(url);
        if (args[0].isByRef()) args[0].target() = Variant::string(url);
        return S_OK;
    }
    if (m->kind == MemberKind::PropertyGet) {
        Variant v;
        hr = get(id, v);
        if (succeeded(hr) && result) *result = v;
        return hr;
    }
    return put(id, args[0]);
}

HRESULT ZorbLinkObject::get(DispId id, Variant& r) {
    ZorbLink& l = *link_;
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
    ZorbLink& l = *link_;
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

HRESULT ZorbLinkObject::FindConnectionPoint(const Guid& iid, IConnectionPoint** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID___zorbLink) return CONNECT_E_NOCONNECTION;
    *out = &events_;
    events_.AddRef();
    return S_OK;
}

HRESULT ZorbLinkObject::InitNew() {
    link_->UserControl_InitProperties();
    return S_OK;
}

HRESULT ZorbLinkObject::Load(IPropertyBag* bag) {
    if (!bag) return E_POINTER;
    link_->UserControl_ReadProperties(*bag);
    return S_OK;
}

HRESULT ZorbLinkObject::Save(IPropertyBag* bag, bool, bool) {
    if (!bag) return E_POINTER;
    link_->UserControl_WriteProperties(*bag);
    return S_OK;
}

HRESULT ZorbLinkObject::SetClientSite(IControlSite* site) {
    link_->setSite(site);
    return S_OK;
}

void* ZorbLinkObject::Window(void* parentWidget) { return closed_ ? nullptr : link_->surface().widget(parentWidget); }

HRESULT ZorbLinkObject::Close() {
    if (closed_) return S_OK;
    closed_ = true;
    events_.clear();
    link_->setSite(nullptr);
    // The window leaves the host's form now and goes with the object.
    link_->surface().detach();
    link_->surface().setTimer(ZorbLink::kFocusTimer, ZorbLink::kFocusInterval, false);
    link_->surface().setTimer(ZorbLink::kMouseOutTimer, ZorbLink::kMouseOutInterval, false);
    return S_OK;
}

void ZorbLinkObject::raise(DispId id, std::vector<Variant>& args) {
    if (!closed_) events_.fire(id, args);
}

}  // namespace linkcontrols
