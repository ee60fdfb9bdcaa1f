#include "linkcontrols/ZorbLink.h"

#include "linkcontrols/Module.h"
#include "linkcontrols/PropertyIO.h"
#include "linkcontrols/ZorbLinkTypeLib.h"

namespace linkcontrols {

using com::Variant;
using namespace props;

const char* const ZorbLink::kDefaultHref = "http://";
const char* const ZorbLink::kDefaultCaption = "http://www.zorblink.pl";
const char* const ZorbLink::kDesignCaption = "zorbLinkControl";

namespace {

// A pointing hand, its finger tip at (6, 0).
const std::vector<const char*> kHandRows = {
    "     ##                         ",
    "    #..#                        ",
    "    #..#                        ",
    "    #..#                        ",
    "    #..#                        ",
    "    #..###                      ",
    "    #..#..###                   ",
    "    #..#..#..##                 ",
    "    #..#..#..#.#                ",
    "### #..#..#..#..#               ",
    "#..##........#..#               ",
    "#...#...........#               ",
    " #..............#               ",
    "  #.............#               ",
    "  #.............#               ",
    "   #...........#                ",
    "   #...........#                ",
    "    #.........#                 ",
    "    #.........#                 ",
    "    ###########                 ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
};

}  // namespace

com::CursorImage ZorbLink::handCursor() { return com::cursorFromRows(kHandRows, 6, 0); }

ZorbLink::ZorbLink(com::ControlEvents& events) : events_(events), surface_(*this) {
    hand_ = com::createCursorPicture(handCursor());
    surface_.setLabelCaption(kDesignCaption);
    surface_.setTimer(kFocusTimer, kFocusInterval, false);
    surface_.setTimer(kMouseOutTimer, kMouseOutInterval, false);
    UserControl_Initialize();
    UserControl_Resize();
}

ZorbLink::~ZorbLink() = default;

void ZorbLink::setSite(com::IControlSite* site) {
    if (site_ && site_ != site) forgetLibraryAboutCaller(site_);
    site_ = site;
}

com::WindowFunctions& ZorbLink::windows() {
    if (site_)
        if (com::WindowFunctions* w = site_->windows()) return *w;
    return com::platformWindows();
}

com::Ptr<com::IFont> ZorbLink::ambientFont() {
    if (site_)
        if (auto f = site_->ambientFont()) return f;
    return com::createFont(com::FontDesc{});
}

void ZorbLink::PropertyChanged(const char* name) {
    if (site_) site_->propertyChanged(name);
}

// --- methods ---------------------------------------------------------------

void ZorbLink::Start(std::string& url) {
    if (!url.empty()) ShellOpen(site_, url);
}

void ZorbLink::ShowAbout() {
    try {
        showLibraryAbout(site_, surface_.handle());
    } catch (...) {
    }
}

// --- properties ------------------------------------------------------------

std::uint32_t ZorbLink::BackColor() const { return surface_.backColor(); }
void ZorbLink::setBackColor(std::uint32_t v) {
    surface_.setBackColor(v);
    PropertyChanged("BackColor");
}
bool ZorbLink::Enabled() const { return surface_.enabled(); }
void ZorbLink::setEnabled(bool v) {
    surface_.setEnabled(v);
    PropertyChanged("Enabled");
}
std::string ZorbLink::ToolTipText() const { return surface_.labelToolTip(); }
void ZorbLink::setToolTipText(const std::string& v) {
    surface_.setLabelToolTip(v);
    PropertyChanged("ToolTipText");
}
void ZorbLink::setHref(const std::string& v) {
    href_ = v;
    PropertyChanged("Href");
}
std::string ZorbLink::Caption() const { return surface_.labelCaption(); }
void ZorbLink::setCaption(const std::string& v) {
    surface_.setLabelCaption(v);
    PropertyChanged("Caption");
    UserControl_Resize();
}
void ZorbLink::setColorHover(std::uint32_t v) {
    colorHover_ = v;
    PropertyChanged("ColorHover");
}
void ZorbLink::setColorNormal(std::uint32_t v) {
    colorNormal_ = v;
    surface_.setLabelColor(v);
    PropertyChanged("ColorNormal");
}
void ZorbLink::setColorActive(std::uint32_t v) {
    colorActive_ = v;
    PropertyChanged("ColorActive");
}
void ZorbLink::setFontNormal(com::IFont* f) {
    fontNormal_ = com::Ptr<com::IFont>(f);
    if (f) surface_.setLabelFont(f->desc());
    UserControl_Resize();
    PropertyChanged("FontNormal");
}
void ZorbLink::setFontHover(com::IFont* f) {
    fontHover_ = com::Ptr<com::IFont>(f);
    PropertyChanged("FontHover");
}
void ZorbLink::setFontActive(com::IFont* f) {
    fontActive_ = com::Ptr<com::IFont>(f);
    PropertyChanged("FontActive");
}
void ZorbLink::setMousePointer(std::int32_t v) {
    mousePointer_ = v;
    PropertyChanged("MousePointer");
    ApplyMousePointer();
}
void ZorbLink::setMouseIcon(com::IPicture* p) {
    mouseIcon_ = com::Ptr<com::IPicture>(p);
    PropertyChanged("MouseIcon");
}
void ZorbLink::setFocusFrame(std::int32_t v) {
    focusFrame_ = v;
    PropertyChanged("FocusFrame");
}

// --- persistence -----------------------------------------------------------

void ZorbLink::UserControl_InitProperties() {
    href_ = kDefaultHref;
    colorHover_ = kDefaultColorHover;
    colorNormal_ = kDefaultColorNormal;
    colorActive_ = kDefaultColorActive;
    mousePointer_ = kDefaultMousePointer;
    auto ambient = ambientFont();
    fontNormal_ = fontHover_ = fontActive_ = ambient;
    font_ = ambient;
    focusFrame_ = kDefaultFocusFrame;
}

void ZorbLink::UserControl_ReadProperties(com::IPropertyBag& bag) {
    auto ambient = ambientFont();
    surface_.setBackColor(readColor(bag, "BackColor", kDefaultBackColor));
    surface_.setEnabled(readBool(bag, "Enabled", true));
    font_ = readObject<com::IFont>(bag, "Font", com::IID_IFont, ambient);
    surface_.setLabelToolTip(readString(bag, "ToolTipText", ""));
    href_ = readString(bag, "Href", kDefaultHref);
    surface_.setLabelCaption(readString(bag, "Caption", kDefaultCaption));
    colorHover_ = readColor(bag, "ColorHover", kDefaultColorHover);
    colorNormal_ = readColor(bag, "ColorNormal", kDefaultColorNormal);
    colorActive_ = readColor(bag, "ColorActive", kDefaultColorActive);
    readI4(bag, "MousePointer", kDefaultMousePointer, mousePointer_);
    surface_.setLabelColor(readColor(bag, "ColorNormal", kDefaultColorNormal));
    fontNormal_ = readObject<com::IFont>(bag, "FontNormal", com::IID_IFont, ambient);
    fontHover_ = readObject<com::IFont>(bag, "FontHover", com::IID_IFont, ambient);
    fontActive_ = readObject<com::IFont>(bag, "FontActive", com::IID_IFont, ambient);
    if (auto f = readObject<com::IFont>(bag, "FontNormal", com::IID_IFont, ambient)) surface_.setLabelFont(f->desc());
    setMouseIcon(readObject<com::IPicture>(bag, "MouseIcon", com::IID_IPicture, {}).get());
    readI4(bag, "FocusFrame", kDefaultFocusFrame, focusFrame_);
    ApplyMousePointer();
    UserControl_Resize();
}

void ZorbLink::UserControl_WriteProperties(com::IPropertyBag& bag) {
    auto ambient = ambientFont();
    // Fonts are compared by reference: the ambient font is one object per
    // container, and a font read from a bag is a new object, always written.
    com::IUnknown* amb = ambient.get();
    writeI4(bag, "BackColor", static_cast<std::int32_t>(surface_.backColor()), static_cast<std::int32_t>(kDefaultBackColor));
    if (!surface_.enabled()) bag.Write("Enabled", Variant::boolean(false));
    writeObject(bag, "Font", font_.get(), amb);
    writeI4(bag, "MousePointer", mousePointer_, 0);
    writeString(bag, "ToolTipText", surface_.labelToolTip(), "");
    writeString(bag, "Href", href_, kDefaultHref);
    writeString(bag, "Caption", surface_.labelCaption(), kDefaultCaption);
    writeI4(bag, "ColorHover", static_cast<std::int32_t>(colorHover_), static_cast<std::int32_t>(kDefaultColorHover));
    writeI4(bag, "ColorNormal", static_cast<std::int32_t>(colorNormal_), static_cast<std::int32_t>(kDefaultColorNormal));
    writeI4(bag, "ColorActive", static_cast<std::int32_t>(colorActive_), static_cast<std::int32_t>(kDefaultColorActive));
    writeObject(bag, "FontNormal", fontNormal_.get(), amb);
    writeObject(bag, "FontHover", fontHover_.get(), amb);
    writeObject(bag, "FontActive", fontActive_.get(), amb);
    // Always written: its default here is Nothing, which a number never is.
    bag.Write("MousePointer", Variant::i4(mousePointer_));
    writeObject(bag, "MouseIcon", mouseIcon_.get(), nullptr);
    writeI4(bag, "FocusFrame", focusFrame_, kDefaultFocusFrame);
}

// --- drawing and size ------------------------------------------------------

void ZorbLink::UserControl_Initialize() {
    tppX_ = static_cast<float>(surface_.twipsPerPixelX());
    tppY_ = static_cast<float>(surface_.twipsPerPixelY());
    // One pixel in from the top-left corner.
    surface_.moveLabel(1, 1);
}

void ZorbLink::UserControl_Resize() {
    height_ = static_cast<float>(surface_.labelHeight()) * tppY_ + 2 * tppY_;
    width_ = static_cast<float>(surface_.labelWidth()) * tppX_ + 2 * tppX_;
    int w = roundEven(width_ / tppX_), h = roundEven(height_ / tppY_);
    if (surface_.width() != w || surface_.height() != h) {
        surface_.resize(w, h);
        if (site_) site_->sizeChanged(w, h);
    }
}

void ZorbLink::setLook(std::uint32_t color, com::IFont* font) {
    surface_.setLabelColor(color);
    if (font) surface_.setLabelFont(font->desc());
    UserControl_Resize();
}

bool ZorbLink::IsMouseOver() {
    com::WindowFunctions& w = windows();
    com::Point p;
    if (!w.getCursorPos(p)) return false;
    return w.windowFromPoint(p) == surface_.handle();
}

void ZorbLink::DrawFocusFrame(bool show) {
    surface_.cls();
    if (show) {
        focusRect_ = {0, 0, roundEven(width_ / tppX_), roundEven(height_ / tppY_)};
        windows().drawFocusRect(surface_.handle(), focusRect_);
    }
}

void ZorbLink::ApplyMousePointer() {
    if (mousePointer_ == 16) {
        surface_.setLabelCursor(hand_->cursor());
    } else if (mousePointer_ == 99) {
        surface_.setLabelCursor(mouseIcon_ ? mouseIcon_->cursor() : com::CursorImage{0, 0, 0, 0, {}, {}});
    } else {
        surface_.setLabelPointer(mousePointer_);
    }
}

// --- mouse, keys and focus -------------------------------------------------

void ZorbLink::labelMouseDown(std::int16_t button, std::int16_t shift, int x, int y) {
    lblURL_MouseDown(button, shift, static_cast<float>(x) * tppX_, static_cast<float>(y) * tppY_);
}
void ZorbLink::labelMouseMove(std::int16_t button, std::int16_t shift, int x, int y) {
    lblURL_MouseMove(button, shift, static_cast<float>(x) * tppX_, static_cast<float>(y) * tppY_);
}
void ZorbLink::labelMouseUp(std::int16_t button, std::int16_t shift, int x, int y) {
    lblURL_MouseUp(button, shift, static_cast<float>(x) * tppX_, static_cast<float>(y) * tppY_);
}

void ZorbLink::lblURL_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (IsMouseOver()) {
        std::uint32_t color = pressed_ ? colorActive_ : colorHover_;
        com::IFont* font = pressed_ ? fontActive_.get() : fontHover_.get();
        if (surface_.labelColor() != color) setLook(color, font);
        if (!events_.raise(eventid::MouseOver)) return;
        surface_.setTimer(kMouseOutTimer, kMouseOutInterval, true);
    }
    events_.raiseMouse(eventid::MouseMove, button, shift, x, y);
}

void ZorbLink::tmrMouseOut_Timer() {
    if (IsMouseOver()) return;
    setLook(colorNormal_, fontNormal_.get());
    if (!events_.raise(eventid::MouseOut)) return;
    surface_.setTimer(kMouseOutTimer, kMouseOutInterval, false);
}

void ZorbLink::lblURL_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    pressed_ = true;
    setLook(colorActive_, fontActive_.get());
    events_.raiseMouse(eventid::MouseDown, button, shift, x, y);
}

void ZorbLink::lblURL_MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (pressed_) {
        // The release keeps the active colour (and font), so the next move
        // over the link, finding a colour other than the hover colour, shows
        // the hover look, and the mouse-out tick the normal one.
        surface_.setLabelColor(colorActive_);
        pressed_ = false;
    }
    events_.raiseMouse(eventid::MouseUp, button, shift, x, y);
}

void ZorbLink::lblURL_Click() {
    std::string target = href_;
    Start(target);
    events_.raise(eventid::Click);
}

void ZorbLink::lblURL_DblClick() { events_.raise(eventid::DblClick); }

void ZorbLink::UserControl_KeyPress(int /*keyAscii*/) {
    std::string target = href_;
    Start(target);
}

void ZorbLink::UserControl_GotFocus() {
    if (focusFrame_ != 1) return;
    surface_.setTimer(kFocusTimer, kFocusInterval, true);
    hasFocus_ = true;
    DrawFocusFrame(true);
}

void ZorbLink::tmrFocus_Timer() {
    com::WindowHandle h = windows().getFocus();
    if (h != lastFocus_) {
        lastFocus_ = h;
        hasFocus_ = h != 0;
        DrawFocusFrame(hasFocus_);
    }
}

void ZorbLink::UserControl_LostFocus() {
    surface_.setTimer(kFocusTimer, kFocusInterval, false);
    hasFocus_ = false;
    DrawFocusFrame(false);
}

void ZorbLink::UserControl_Paint() {
    if (hasFocus_) DrawFocusFrame(true);
}

void ZorbLink::timer(int id) {
    if (id == kFocusTimer) tmrFocus_Timer();
    if (id == kMouseOutTimer) tmrMouseOut_Timer();
}

}  // namespace linkcontrols
