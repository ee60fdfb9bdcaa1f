#include "com/ObjectControl.h"

#include <QEvent>
#include <QWidget>
#include <cmath>

#include "com/Control.h"
#include "com/ControlContainer.h"
#include "com/Font.h"
#include "forms/Form.h"
#include "forms/QtAccess.h"
#include "shell/Shell.h"

namespace com {

struct ObjectControl::Impl final : IControlSite, QObject {
    explicit Impl(ObjectControl& c) : self(c) {}
    ObjectControl& self;
    Ptr<IFont> ambient;
    WindowFunctions* windowsFns = nullptr;
    Ptr<IUnknown> object;
    Ptr<IControl> control;
    Ptr<IDispatch> dispatch;
    QWidget* widget = nullptr;

    Ptr<IFont> ambientFont() override { return ambient; }
    void propertyChanged(const std::string&) override {}
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
    }
};

ObjectControl::ObjectControl(forms::Form& form, std::string name, forms::Control* container)
    : forms::Control(form, std::move(name), container), d_(std::make_unique<Impl>(*this)) {
    auto* w = new QWidget;
    w->setAutoFillBackground(false);
    forms::attachWidget(*this, w);
    const forms::Font& f = form.font();
    FontDesc d;
    d.name = f.name;
    d.size = static_cast<std::int64_t>(f.size * 10000.0 + 0.5);
    d.weight = f.bold ? 700 : 400;
    d.italic = f.italic;
    d.underline = f.underline;
    d.strikethrough = f.strikeout;
    d.charset = static_cast<std::int16_t>(f.charset);
    d_->ambient = createFont(d);
}

ObjectControl::~ObjectControl() { d_->close(); }

void ObjectControl::setWindows(WindowFunctions* windows) { d_->windowsFns = windows; }

HRESULT ObjectControl::create(IUnknown* object, IPropertyBag* stored) {
    d_->close();
    if (!object) return E_POINTER;
    Ptr<IUnknown> obj(object);
    Ptr<IControl> control = obj.as<IControl>(IID_IControl);
    Ptr<IPersistPropertyBag> persist = obj.as<IPersistPropertyBag>(IID_IPersistPropertyBag);
    if (!control || !persist) return E_NOINTERFACE;
    d_->object = obj;
    d_->control = control;
    d_->dispatch = obj.as<IDispatch>(IID_IDispatch);
    control->SetClientSite(d_.get());
    auto* w = static_cast<QWidget*>(control->Window(forms::widgetOf(*this)));
    if (w && stored) {
        Variant ex, ey;
        std::int32_t hx = 0, hy = 0;
        if (succeeded(stored->Read("_extentx", ex)) && succeeded(stored->Read("_extenty", ey)) && ex.toI4(hx) &&
            ey.toI4(hy))
            w->resize(static_cast<int>(std::lround(himetricToTwips(hx) / double(forms::TwipsPerPixel))),
                      static_cast<int>(std::lround(himetricToTwips(hy) / double(forms::TwipsPerPixel))));
    }
    HRESULT hr = stored ? persist->Load(stored) : persist->InitNew();
    if (failed(hr)) {
        d_->close();
        return hr;
    }
    d_->widget = w;
    if (w) {
        w->move(0, 0);
        w->installEventFilter(d_.get());
        d_->follow();
    }
    return S_OK;
}

bool ObjectControl::created() const { return static_cast<bool>(d_->object); }
Ptr<IUnknown> ObjectControl::object() const { return d_->object; }
Ptr<IDispatch> ObjectControl::dispatch() const { return d_->dispatch; }
void* ObjectControl::componentWidget() const { return d_->widget; }

}  // namespace com
