#include "com/ControlContainer.h"

#include <QWidget>
#include <cmath>

#include "com/ComLibrary.h"
#include "com/Control.h"
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

double twipsPerPixel() { return 15.0; }

}  // namespace

int twipsToHimetric(int twips) { return static_cast<int>(std::lround(twips * 2540.0 / 1440.0)); }
int himetricToTwips(int himetric) { return static_cast<int>(std::lround(himetric * 1440.0 / 2540.0)); }

struct ControlContainer::Impl final : IControlSite {
    Ptr<IFont> ambient = createFont(FontDesc{});
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

    void close() {
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

ControlContainer::ControlContainer() : d_(std::make_unique<Impl>()) {}
ControlContainer::~ControlContainer() { close(); }

void ControlContainer::setAmbientFont(const FontDesc& font) { d_->ambient = createFont(font); }
void ControlContainer::setWindows(WindowFunctions* windows) { d_->windowsFns = windows; }

HRESULT ControlContainer::create(std::string_view progId, void* parentWidget, int x, int y, IPropertyBag* stored) {
    close();
    Ptr<IUnknown> obj;
    HRESULT hr = createInstance(progId, IID_IUnknown, obj.putVoid());
    if (failed(hr)) return hr;
    Ptr<IControl> control = obj.as<IControl>(IID_IControl);
    Ptr<IPersistPropertyBag> persist = obj.as<IPersistPropertyBag>(IID_IPersistPropertyBag);
    if (!control || !persist) {
        obj.reset();
        freeUnusedLibraries();
        return E_NOINTERFACE;
    }
    d_->object = obj;
    d_->control = control;
    d_->dispatch = obj.as<IDispatch>(IID_IDispatch);
    control->SetClientSite(d_.get());
    auto* w = static_cast<QWidget*>(control->Window(parentWidget));
    if (w && stored) {
        Variant ex, ey;
        std::int32_t hx = 0, hy = 0;
        if (succeeded(stored->Read("_extentx", ex)) && succeeded(stored->Read("_extenty", ey)) && ex.toI4(hx) &&
            ey.toI4(hy))
            w->resize(static_cast<int>(std::lround(himetricToTwips(hx) / twipsPerPixel())),
                      static_cast<int>(std::lround(himetricToTwips(hy) / twipsPerPixel())));
    }
    hr = stored ? persist->Load(stored) : persist->InitNew();
    if (failed(hr)) {
        close();
        return hr;
    }
    d_->widget = w;
    if (w) w->move(x, y);
    d_->dirty = false;
    return S_OK;
}

bool ControlContainer::created() const { return static_cast<bool>(d_->object); }

HRESULT ControlContainer::save(PropertyBag& bag) {
    if (!d_->object) return E_UNEXPECTED;
    Ptr<IPersistPropertyBag> persist = d_->object.as<IPersistPropertyBag>(IID_IPersistPropertyBag);
    if (!persist) return E_NOINTERFACE;
    int wTw = d_->widget ? static_cast<int>(std::lround(d_->widget->width() * twipsPerPixel())) : 0;
    int hTw = d_->widget ? static_cast<int>(std::lround(d_->widget->height() * twipsPerPixel())) : 0;
    bag.Write("_extentx", Variant::i4(twipsToHimetric(wTw)));
    bag.Write("_extenty", Variant::i4(twipsToHimetric(hTw)));
    LowerCaseBag lower(bag);
    return persist->Save(&lower, true, false);
}

Ptr<IDispatch> ControlContainer::dispatch() const { return d_->dispatch; }
Ptr<IUnknown> ControlContainer::object() const { return d_->object; }
void* ControlContainer::widget() const { return d_->widget; }
bool ControlContainer::dirty() const { return d_->dirty; }
void ControlContainer::close() { d_->close(); }

}  // namespace com
