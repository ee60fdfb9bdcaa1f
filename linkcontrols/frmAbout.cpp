#include "linkcontrols/frmAbout.h"

#include "com/ComLibrary.h"
#include "com/ConnectionPoint.h"
#include "com/FormAccess.h"
#include "com/OleControl.h"
#include "com/WindowMessages.h"
#include "forms/Label.h"
#include "forms/Timer.h"
#include "linkcontrols/Module.h"
#include "linkcontrols/PrivateClasses.h"
#include "linkcontrols/ZorbLink.h"
#include "linkcontrols/ZorbLinkTypeLib.h"
#include "linkcontrols/ZorbShadingObject.h"
#include "text/CodePage.h"

namespace linkcontrols {

using namespace com;

const char* const frmAbout::kHomepage = "http://www.zorblink.pl";

std::string frmAbout::rightsNotice() { return text::ansi("Copyright © 2000 zorbLink"); }

std::string frmAbout::versionCaption(int major, int minor) {
    return "Version " + std::to_string(major) + "." + std::to_string(minor);
}

namespace {

// The form's extent entries of a control of that size (twips).
std::vector<PropertyBag::Entry> withExtent(std::vector<PropertyBag::Entry> e, int width, int height) {
    e.push_back({"_extentx", Variant::i4(twipsToHimetric(width))});
    e.push_back({"_extenty", Variant::i4(twipsToHimetric(height))});
    return e;
}

forms::Font arial(double size) {
    forms::Font f;
    f.name = "Arial";
    f.size = size;
    return f;
}

}  // namespace

std::vector<PropertyBag::Entry> frmAbout::zorbShading2Properties() {
    return withExtent({{"color1", Variant::i4(0xFF0000)}}, 3990, 15);
}
std::vector<PropertyBag::Entry> frmAbout::shdMove1Properties() {
    return withExtent({{"color1", Variant::i4(static_cast<std::int32_t>(0x8000000F))},
                       {"color2", Variant::i4(static_cast<std::int32_t>(0x80000010))},
                       {"shading", Variant::i4(1)}},
                      90, 1515);
}
std::vector<PropertyBag::Entry> frmAbout::shdMove0Properties() {
    return withExtent({{"shading", Variant::i4(1)}}, 240, 2715);
}

// Hears the events of one element of the gradient array shdMove.
struct frmAbout::Sink final : IDispatch {
    frmAbout* form;
    int index;
    std::uint32_t refs = 0;
    Sink(frmAbout* f, int i) : form(f), index(i) {}
    HRESULT QueryInterface(const Guid& iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID___zorbShading) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return ++refs; }
    std::uint32_t Release() override {
        std::uint32_t n = --refs;
        if (n == 0) delete this;
        return n;
    }
    HRESULT GetIDsOfNames(const std::vector<std::string>&, std::vector<DispId>&) override { return E_NOTIMPL; }
    HRESULT Invoke(DispId id, std::uint16_t, std::vector<Variant>& args, Variant*) override {
        if (!form || id != shadingevent::MouseMove || args.size() != 4) return S_OK;
        std::int32_t button = 0, shift = 0;
        float x = 0, y = 0;
        args[0].target().toI4(button);
        args[1].target().toI4(shift);
        args[2].target().toR4(x);
        args[3].target().toR4(y);
        form->shdMove_MouseMove(index, static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), x, y);
        return S_OK;
    }
};

frmAbout::frmAbout() : forms::Form("frmAbout") {}

frmAbout::~frmAbout() {
    for (Sink* s : sinks_) {
        s->form = nullptr;
        s->Release();
    }
}

void frmAbout::setCaller(IControlSite* site, WindowHandle window) {
    site_ = site;
    owner_ = window;
}

WindowFunctions& frmAbout::windows() {
    if (site_)
        if (WindowFunctions* w = site_->windows()) return *w;
    return platformWindows();
}

OleControl* frmAbout::placeShading(const char* name, std::vector<PropertyBag::Entry> stored, int left, int top,
                                      int width, int height, int index) {
    auto* c = add<OleControl>(name);
    c->move(left, top, width, height);
    c->setWindows(site_ ? site_->windows() : nullptr);
    // Placed by its class string, which only this library knows.
    Ptr<IUnknown> obj;
    if (failed(createPrivateControl(kShadingProgId, IID_IUnknown, obj.putVoid()))) return c;
    PropertyBag bag(std::move(stored));
    if (failed(c->create(obj.get(), &bag))) return c;
    c->move(left, top);
    if (index >= 0) {
        auto container = c->object().as<IConnectionPointContainer>(IID_IConnectionPointContainer);
        Ptr<IConnectionPoint> cp;
        if (container && succeeded(container->FindConnectionPoint(IID___zorbShading, cp.put()))) {
            auto* sink = new Sink(this, index);
            sink->AddRef();
            sinks_.push_back(sink);
            std::uint32_t cookie = 0;
            cp->Advise(sink, &cookie);
        }
    }
    return c;
}

void frmAbout::createControls() {
    // A fixed dialog frame without caption, control box, minimise or
    // maximise button: no title bar.
    setCaption("");
    setBorder(Border::None);
    setMinButton(false);
    setMaxButton(false);
    setClientSize(4020, 1485);
    keepOffTaskbar(*this);
    for (Sink* s : sinks_) {
        s->form = nullptr;
        s->Release();
    }
    sinks_.clear();

    zorbShading2 = placeShading("zorbShading2", zorbShading2Properties(), 0, 480, 3990, 15, -1);
    shdMove[1] = placeShading("shdMove(1)", shdMove1Properties(), 150, 0, 90, 1515, 1);
    tmrMouseOut = add<forms::Timer>("tmrMouseOut", kMouseOutInterval, false);
    tmrMouseOut->onTimer = [this] { tmrMouseOut_Timer(); };
    shdMove[0] = placeShading("shdMove(0)", shdMove0Properties(), 0, 0, 240, 2715, 0);

    auto label = [this](const char* name, int left, int top, int width, int height, const std::string& caption,
                        const forms::Font& font) {
        auto* l = add<forms::Label>(name);
        l->move(left, top, width, height);
        l->setTransparent(true);
        l->setWordWrap(false);
        l->setForeColor(0x000000);
        l->setFont(font);
        l->setAutoSize(true);
        l->setCaption(caption);
        return l;
    };
    Label2 = label("Label2", 375, 1200, 990, 240, "Homepage:", arial(9.75));
    lblURL = label("lblURL", 1425, 1200, 1905, 240, kHomepage, arial(9.75));
    lblVersion = label("lblVersion", 375, 675, 990, 240, "Version 0.0", arial(9.75));
    Label1 = label("Label1", 375, 960, 3015, 240, rightsNotice(), arial(9.75));
    lblTitel = label("lblTitel", 375, 75, 2655, 495, "zorbLinkControl", arial(21.75));
    lblTitel->setForeColor(0xFF0000);

    // The hand pointer over the link and its caption.
    const CursorImage hand = ZorbLink::handCursor();
    setControlCursor(*Label2, hand);
    setControlCursor(*lblURL, hand);

    lblURL->onClick = [this] { lblURL_Click(); };
    lblURL->onMouseMove = [this](int b, int s, float x, float y) {
        lblURL_MouseMove(static_cast<std::int16_t>(b), static_cast<std::int16_t>(s), x, y);
    };

    // The first control of the form's order lies on top: windowed controls
    // above the labels, the narrow bar above the wide one.
    forms::Control* order[] = {zorbShading2, shdMove[1], shdMove[0], Label2, lblURL, lblVersion, Label1, lblTitel};
    for (int i = static_cast<int>(std::size(order)) - 1; i >= 0; --i) order[i]->zOrder(0);
}

void frmAbout::placeOnOwner() {
    Rect r;
    if (ownerRect(owner_, r)) {
        int cx = (r.left + r.right) / 2 * forms::TwipsPerPixel, cy = (r.top + r.bottom) / 2 * forms::TwipsPerPixel;
        move(cx - width() / 2, cy - height() / 2);
    } else {
        centre();
    }
}

void frmAbout::onMouseMove(int button, int shift, float x, float y) {
    Form_MouseMove(static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), x, y);
}

// --- handlers --------------------------------------------------------------

void frmAbout::Form_Load() { lblVersion->setCaption(versionCaption(kVersionMajor, kVersionMinor)); }

void frmAbout::Form_Click() { unload(); }

void frmAbout::Form_Unload() { clearLibraryAbout(); }

void frmAbout::Form_MouseMove(std::int16_t, std::int16_t, float, float) { lblURL->setForeColor(0x000000); }

void frmAbout::lblURL_Click() {
    // The shell's answer is not looked at.
    std::string target = kHomepage;
    ShellOpen(site_, target);
}

void frmAbout::lblURL_MouseMove(std::int16_t, std::int16_t, float, float) {
    if (IsMouseOverControl(*lblURL)) {
        lblURL->setForeColor(0xFF0000);
        tmrMouseOut->setEnabled(true);
    }
}

void frmAbout::tmrMouseOut_Timer() {
    if (!IsMouseOverControl(*lblURL)) {
        lblURL->setForeColor(0x000000);
        tmrMouseOut->setEnabled(false);
    }
}

void frmAbout::shdMove_MouseMove(int, std::int16_t Button, std::int16_t, float, float) {
    if (Button != 1) return;
    // The bar holds the mouse; the system's drag of the title needs it free.
    WindowFunctions& w = windows();
    w.releaseCapture();
    messagesFor(w).sendMessage(formWindow(*this), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

bool frmAbout::IsMouseOverControl(forms::Control& K) {
    Point p;
    windows().getCursorPos(p);
    const double x = static_cast<double>(p.x) * forms::TwipsPerPixel;
    const double y = static_cast<double>(p.y) * forms::TwipsPerPixel;
    // The form's outer position: the width of its frame is not added.
    const double l = left() + K.left(), t = top() + K.top();
    return l <= x && x <= l + K.width() && t <= y && y <= t + K.height();
}

}  // namespace linkcontrols
