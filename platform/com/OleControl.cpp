#include "com/OleControl.h"

#include <QEvent>
#include <QWidget>
#include <cmath>

#include "com/ComLibrary.h"
#include "com/Control.h"
#include "com/Font.h"
#include "forms/Form.h"
#include "forms/QtAccess.h"
#include "shell/Shell.h"
#include "text/CaseRules.h"

namespace com {

namespace {

// Passes writes on with the key in lower case.
class LowerCaseBag final : public IPropertyBag {
public:
    explicit LowerCaseBag(IPropertyBag& to) : to_(to) {}
    HRESULT QueryInterface(const Guid& iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IPropertyBag) {
            *out = static_cast<IPropertyBag*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }
    HRESULT Read(std::string_view name, Variant& v) override { return to_.Read(name, v); }
    HRESULT Write(std::string_view name, const Variant& v) override { return to_.Write(text::lower(name), v); }

private:
    IPropertyBag& to_;
};

int himetricToPixels(int himetric) {
    return static_cast<int>(std::lround(himetricToTwips(himetric) / double(forms::TwipsPerPixel)));
}
int pixelsToHimetric(int pixels) { return twipsToHimetric(pixels * forms::TwipsPerPixel); }

FontDesc fontDescOf(const forms::Font& f) {
    FontDesc d;
    d.name = f.name;
    d.size = static_cast<std::int64_t>(f.size * 10000.0 + 0.5);
    d.weight = f.bold ? 700 : 400;
    d.italic = f.italic;
    d.underline = f.underline;
    d.strikethrough = f.strikeout;
    d.charset = static_cast<std::int16_t>(f.charset);
    return d;
}

}  // namespace

int twipsToHimetric(int twips) { return static_cast<int>(std::lround(twips * 2540.0 / 1440.0)); }
int himetricToTwips(int himetric) { return static_cast<int>(std::lround(himetric * 1440.0 / 2540.0)); }

struct OleControl::Impl final : IControlSite, QObject {
    explicit Impl(OleControl& c) : self(c) {}
    OleControl& self;
    Ptr<IFont> ambient;
    WindowFunctions* windowsFns = nullptr;
    Ptr<IUnknown> object;
    Ptr<IControl> control;
    Ptr<IDispatch> dispatch;
    QWidget* widget = nullptr;
    bool dirty = false;

    Ptr<IFont> ambientFont() override { return ambient; }
    void propertyChanged(const std::string&) override { dirty = true; }
    WindowFunctions* windows() override { return windowsFns; }
    int shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory, int show) override {
        return shell::execute(verb, file, parameters, directory, show);
    }
    void sizeChanged(int, int) override {}

    // Keeps the form control as large as the component's window.
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Resize && o == widget) follow();
        return false;
    }
    void follow() {
        forms::Form& f = self.form();
        self.resize(f.fromPixels(widget->width()), f.fromPixels(widget->height()));
    }

    HRESULT attach(Ptr<IUnknown> obj, IPropertyBag* stored) {
        Ptr<IControl> c = obj.as<IControl>(IID_IControl);
        Ptr<IPersistPropertyBag> persist = obj.as<IPersistPropertyBag>(IID_IPersistPropertyBag);
        if (!c || !persist) return E_NOINTERFACE;
        object = obj;
        control = c;
        dispatch = obj.as<IDispatch>(IID_IDispatch);
        control->SetClientSite(this);
        auto* w = static_cast<QWidget*>(control->Window(forms::widgetOf(self)));
        if (w && stored) {
            Variant ex, ey;
            std::int32_t hx = 0, hy = 0;
            if (succeeded(stored->Read("_extentx", ex)) && succeeded(stored->Read("_extenty", ey)) && ex.toI4(hx) &&
                ey.toI4(hy))
                w->resize(himetricToPixels(hx), himetricToPixels(hy));
        }
        HRESULT hr = stored ? persist->Load(stored) : persist->InitNew();
        if (failed(hr)) {
            close();
            return hr;
        }
        widget = w;
        if (w) {
            w->move(0, 0);
            w->installEventFilter(this);
            follow();
        }
        dirty = false;
        return S_OK;
    }

    void close() {
        if (widget) widget->removeEventFilter(this);
        if (control) {
            control->Close();
            control->SetClientSite(nullptr);
        }
        dispatch.reset();
        control.reset();
        object.reset();
        widget = nullptr;
        freeUnusedLibraries();
    }
};

OleControl::OleControl(forms::Form& form, std::string name, forms::Control* container)
    : forms::Control(form, std::move(name), container), d_(std::make_unique<Impl>(*this)) {
    auto* w = new QWidget;
    w->setAutoFillBackground(false);
    forms::attachWidget(*this, w);
    d_->ambient = createFont(fontDescOf(form.font()));
}

OleControl::~OleControl() { d_->close(); }

void OleControl::setWindows(WindowFunctions* windows) { d_->windowsFns = windows; }

HRESULT OleControl::create(std::string_view progId, IPropertyBag* stored) {
    d_->close();
    Ptr<IUnknown> obj;
    HRESULT hr = createInstance(progId, IID_IUnknown, obj.putVoid());
    if (failed(hr)) return hr;
    hr = d_->attach(std::move(obj), stored);
    if (failed(hr)) d_->close();
    return hr;
}

HRESULT OleControl::create(IUnknown* object, IPropertyBag* stored) {
    d_->close();
    if (!object) return E_POINTER;
    return d_->attach(Ptr<IUnknown>(object), stored);
}

bool OleControl::created() const { return static_cast<bool>(d_->object); }

HRESULT OleControl::save(PropertyBag& bag) {
    if (!d_->object) return E_UNEXPECTED;
    Ptr<IPersistPropertyBag> persist = d_->object.as<IPersistPropertyBag>(IID_IPersistPropertyBag);
    if (!persist) return E_NOINTERFACE;
    bag.Write("_extentx", Variant::i4(d_->widget ? pixelsToHimetric(d_->widget->width()) : 0));
    bag.Write("_extenty", Variant::i4(d_->widget ? pixelsToHimetric(d_->widget->height()) : 0));
    LowerCaseBag lower(bag);
    return persist->Save(&lower, true, false);
}

Ptr<IDispatch> OleControl::dispatch() const { return d_->dispatch; }
Ptr<IUnknown> OleControl::object() const { return d_->object; }
void* OleControl::componentWidget() const { return d_->widget; }
bool OleControl::dirty() const { return d_->dirty; }
void OleControl::close() { d_->close(); }

}  // namespace com
