#include "com/OleControl.h"

#include <QEvent>
#include <QWidget>

#include "forms/Form.h"
#include "forms/QtAccess.h"

namespace com {

// Keeps the form control as large as the component's window.
struct OleControl::Follow : QObject {
    explicit Follow(OleControl& c) : c_(c) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Resize) {
            auto* w = static_cast<QWidget*>(o);
            forms::Form& f = c_.form();
            c_.resize(f.fromPixels(w->width()), f.fromPixels(w->height()));
        }
        return false;
    }
    OleControl& c_;
};

OleControl::OleControl(forms::Form& form, std::string name, forms::Control* container)
    : forms::Control(form, std::move(name), container) {
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
    host_.setAmbientFont(d);
}

OleControl::~OleControl() {
    // The component's window leaves this control's widget before it goes.
    if (auto* w = static_cast<QWidget*>(host_.widget()); w && follow_) w->removeEventFilter(follow_.get());
    host_.close();
}

HRESULT OleControl::create(std::string_view progId, IPropertyBag* stored) {
    QWidget* area = forms::widgetOf(*this);
    HRESULT hr = host_.create(progId, area, 0, 0, stored);
    if (failed(hr)) return hr;
    if (auto* w = static_cast<QWidget*>(host_.widget())) {
        follow_ = std::make_unique<Follow>(*this);
        w->installEventFilter(follow_.get());
        forms::Form& f = form();
        resize(f.fromPixels(w->width()), f.fromPixels(w->height()));
    }
    return S_OK;
}

bool OleControl::created() const { return host_.created(); }

}  // namespace com
