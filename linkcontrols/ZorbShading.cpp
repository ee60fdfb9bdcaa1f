#include "linkcontrols/ZorbShading.h"

#include <cmath>
#include <cstdint>

#include "linkcontrols/Module.h"
#include "linkcontrols/PropertyIO.h"

namespace linkcontrols {

using com::Variant;
using namespace props;

namespace {

// The three channels of a colour. The divisions truncate toward zero on the
// signed value, so a system colour (top bit set) splits differently from a
// plain shift.
void channels(std::int32_t v, std::int32_t& r, std::int32_t& g, std::int32_t& b) {
    r = v & 255;
    g = (v / 256) & 255;
    b = (v / 65536) & 255;
}

std::int32_t combine(std::int32_t r, std::int32_t g, std::int32_t b) { return r + 256 * g + 65536 * b; }

}  // namespace

ZorbShading::ZorbShading(com::ControlEvents& events) : events_(events), surface_(this) {
    // The hidden picture boxes: their design colours.
    picColor1_.resize(16, 16);
    picColor1_.setBackColor(kDefaultColor1);
    picColor2_.resize(16, 16);
    picColor2_.setBackColor(kDefaultColor2);
    UserControl_Initialize();
}

ZorbShading::~ZorbShading() = default;

void ZorbShading::setSite(com::IControlSite* site) {
    if (site_ && site_ != site) forgetLibraryAboutCaller(site_);
    site_ = site;
}

com::WindowFunctions& ZorbShading::windows() {
    if (site_)
        if (com::WindowFunctions* w = site_->windows()) return *w;
    return com::platformWindows();
}

void ZorbShading::PropertyChanged(const char* name) {
    if (site_) site_->propertyChanged(name);
}

// --- size ------------------------------------------------------------------

void ZorbShading::UserControl_Initialize() {
    tppX_ = static_cast<float>(surface_.twipsPerPixelX());
    tppY_ = static_cast<float>(surface_.twipsPerPixelY());
    setWidth(255 * tppX_);
    setHeight(255 * tppY_);
}

float ZorbShading::width() const { return static_cast<float>(surface_.width()) * tppX_; }
float ZorbShading::height() const { return static_cast<float>(surface_.height()) * tppY_; }

void ZorbShading::setWidth(float twips) {
    surface_.resize(roundEven(twips / tppX_), surface_.height());
    if (site_) site_->sizeChanged(surface_.width(), surface_.height());
}
void ZorbShading::setHeight(float twips) {
    surface_.resize(surface_.width(), roundEven(twips / tppY_));
    if (site_) site_->sizeChanged(surface_.width(), surface_.height());
}

void ZorbShading::EnsureMinSize(int w, int h) {
    // Growing runs the paint routine again from the start (the resize).
    if (width() < static_cast<float>(w) * tppX_) setWidth(static_cast<float>(w) * tppX_);
    if (height() < static_cast<float>(h) * tppY_) setHeight(static_cast<float>(h) * tppY_);
}

// --- painting --------------------------------------------------------------

double ZorbShading::BlendChannel(double c1, double c2, double& L) {
    if (L > 255) L = 255;
    double step = (c2 - c1) / 255.0;
    if (c1 > c2) return c1 + step * L;
    if (c1 < c2) return c2 - step * (255 - L);
    return c2;
}

void ZorbShading::PaintGradient() {
    ++paints_;
    // Filling the hidden boxes with their colours turns a system colour into
    // the colour the screen shows.
    picColor1_.setBackColor(picColor1_.backColor());
    picColor2_.setBackColor(picColor2_.backColor());
    rgb1_ = picColor1_.point(0, 0);
    rgb2_ = picColor2_.point(0, 0);
    std::int32_t R1, G1, B1, R2, G2, B2;
    channels(rgb1_, R1, G1, B1);
    channels(rgb2_, R2, G2, B2);

    auto paintLines = [&](int n, bool columns) {
        if (n <= 0) return;  // a surface without a window has no size to fill
        double ratio = n >= 255 ? n / 255.0 : 255.0 / n;
        for (int i = 0; i <= n; ++i) {
            double level = roundEven(n >= 255 ? i / ratio : i * ratio);
            std::int32_t colour = combine(roundEven(BlendChannel(R1, R2, level)), roundEven(BlendChannel(G1, G2, level)),
                                          roundEven(BlendChannel(B1, B2, level)));
            auto c = static_cast<std::uint32_t>(colour);
            if (columns)
                surface_.line(i, 0, i, surface_.height(), c);
            else
                surface_.line(0, i, surface_.width(), i, c);
        }
    };

    switch (shading_) {
        case 0:
            EnsureMinSize(2, 1);
            paintLines(roundEven(width() / tppX_), true);
            break;
        case 1:
            EnsureMinSize(1, 2);
            paintLines(roundEven(height() / tppY_), false);
            break;
        case 2:
        case 4:
            EnsureMinSize(2, 2);
            break;
        default:
            // 3, above 4 and below 0: nothing at all; the old image stays.
            break;
    }
}

void ZorbShading::Refresh() { PaintGradient(); }

// --- properties ------------------------------------------------------------

std::uint32_t ZorbShading::Color1() const { return picColor1_.backColor(); }
void ZorbShading::setColor1(std::uint32_t New_Color1) {
    picColor1_.setBackColor(New_Color1);
    PaintGradient();
    PropertyChanged("Color1");
}
std::uint32_t ZorbShading::Color2() const { return picColor2_.backColor(); }
void ZorbShading::setColor2(std::uint32_t New_Color2) {
    picColor2_.setBackColor(New_Color2);
    PaintGradient();
    PropertyChanged("Color2");
}
void ZorbShading::setShading(std::int32_t New_Shading) {
    shading_ = New_Shading;
    PaintGradient();
    PropertyChanged("Shading");
}
void ZorbShading::setMouseIcon(com::IPicture* New_MouseIcon) {
    mouseIcon_ = com::Ptr<com::IPicture>(New_MouseIcon);
    applyPointer();
    PropertyChanged("MouseIcon");
}
void ZorbShading::setMousePointer(std::int16_t New_MousePointer) {
    mousePointer_ = New_MousePointer;
    applyPointer();
    PropertyChanged("MousePointer");
}

void ZorbShading::applyPointer() {
    com::CursorImage icon;
    if (mouseIcon_) icon = mouseIcon_->cursor();
    surface_.setPointer(mousePointer_, mouseIcon_ ? &icon : nullptr);
}

// --- methods ---------------------------------------------------------------

Variant ZorbShading::GetShading(std::int32_t RGB1, std::int32_t RGB2, Variant& Level) {
    float f = 0;
    // A Level that is not a number counts as 0, as one that is no number at all.
    if (!Level.target().toR4(f) || std::isnan(f)) f = 0;
    double L = f;
    if (L < 0) {
        L = 0;
        Level.target() = Variant::i2(0);
    }
    if (L > 255) {
        L = 255;
        Level.target() = Variant::i2(255);
    }
    // System colours are split as they are, not resolved.
    std::int32_t R1, G1, B1, R2, G2, B2;
    channels(RGB1, R1, G1, B1);
    channels(RGB2, R2, G2, B2);
    return Variant::i4(combine(roundEven(BlendChannel(R1, R2, L)), roundEven(BlendChannel(G1, G2, L)),
                               roundEven(BlendChannel(B1, B2, L))));
}

void ZorbShading::SepRGB(std::int32_t& Value, Variant& Red, Variant& Green, Variant& Blue) {
    std::int32_t r, g, b;
    channels(Value, r, g, b);
    Red.target() = Variant::i4(r);
    Green.target() = Variant::i4(g);
    Blue.target() = Variant::i4(b);
}

std::int32_t ZorbShading::GetPixel(std::int32_t X, std::int32_t Y) {
    return surface_.point(static_cast<int>(std::floor(X / tppX_)), static_cast<int>(std::floor(Y / tppY_)));
}

void ZorbShading::SetPixel(std::int32_t X, std::int32_t Y, std::int32_t Color) {
    surface_.pset(static_cast<int>(std::floor(X / tppX_)), static_cast<int>(std::floor(Y / tppY_)),
                  static_cast<std::uint32_t>(Color));
}

void ZorbShading::ShowAbout() {
    try {
        showLibraryAbout(site_, surface_.handle());
    } catch (...) {
    }
}

// --- persistence -----------------------------------------------------------

void ZorbShading::UserControl_InitProperties() { shading_ = kDefaultShading; }

void ZorbShading::UserControl_ReadProperties(com::IPropertyBag& bag) {
    picColor1_.setBackColor(readColor(bag, "Color1", kDefaultColor1));
    picColor2_.setBackColor(readColor(bag, "Color2", kDefaultColor2));
    readI4(bag, "Shading", kDefaultShading, shading_);
    PaintGradient();
    setMouseIcon(readObject<com::IPicture>(bag, "MouseIcon", com::IID_IPicture, {}).get());
    std::int32_t p;
    readI4(bag, "MousePointer", kDefaultMousePointer, p);
    mousePointer_ = static_cast<std::int16_t>(p);
    applyPointer();
}

void ZorbShading::UserControl_WriteProperties(com::IPropertyBag& bag) {
    writeColor(bag, "Color1", Color1(), kDefaultColor1);
    writeColor(bag, "Color2", Color2(), kDefaultColor2);
    writeI4(bag, "Shading", shading_, kDefaultShading);
    writeObject(bag, "MouseIcon", mouseIcon_.get(), nullptr);
    writeI4(bag, "MousePointer", mousePointer_, kDefaultMousePointer);
}

// --- mouse -----------------------------------------------------------------

void ZorbShading::mouseDown(std::int16_t button, std::int16_t shift, int x, int y) {
    UserControl_MouseDown(button, shift, static_cast<float>(x) * tppX_, static_cast<float>(y) * tppY_);
}
void ZorbShading::mouseMove(std::int16_t button, std::int16_t shift, int x, int y) {
    UserControl_MouseMove(button, shift, static_cast<float>(x) * tppX_, static_cast<float>(y) * tppY_);
}
void ZorbShading::mouseUp(std::int16_t button, std::int16_t shift, int x, int y) {
    UserControl_MouseUp(button, shift, static_cast<float>(x) * tppX_, static_cast<float>(y) * tppY_);
}

void ZorbShading::UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    if (!events_.raiseMouse(shadingevent::MouseMove, Button, Shift, X, Y)) return;
    com::WindowFunctions& w = windows();
    com::Point p;
    w.getCursorPos(p);
    const com::WindowHandle me = surface_.handle();
    if (w.windowFromPoint(p) != me) {
        w.releaseCapture();
        events_.raise(shadingevent::MouseLeave);
    } else if (w.getCapture() != me) {
        w.setCapture(me);
        events_.raise(shadingevent::MouseEnter);
    }
}

void ZorbShading::UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    events_.raiseMouse(shadingevent::MouseDown, Button, Shift, X, Y);
}
void ZorbShading::UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    events_.raiseMouse(shadingevent::MouseUp, Button, Shift, X, Y);
}
void ZorbShading::UserControl_Click() { events_.raise(shadingevent::Click); }
void ZorbShading::UserControl_DblClick() { events_.raise(shadingevent::DblClick); }

}  // namespace linkcontrols
