#pragma once
// The hyperlink control: a one-line text link that takes its hover look while
// the mouse is over it and its active look while a button is held on it,
// opens its target through the shell when clicked or when a key is typed
// while it has the focus, draws a focus frame, sizes itself to its text and
// raises mouse, click and hover events.
#include <cstdint>
#include <string>
#include <vector>

#include "com/Control.h"
#include "com/ControlEvents.h"
#include "com/Dispatch.h"
#include "com/ControlSurface.h"
#include "com/Font.h"
#include "com/Picture.h"
#include "com/PropertyBag.h"
#include "com/Variant.h"

namespace linkcontrols {

class ZorbLink final : public com::SurfaceListener {
public:
    static constexpr int kFocusTimer = 1;
    static constexpr int kMouseOutTimer = 2;
    static constexpr int kFocusInterval = 5;
    static constexpr int kMouseOutInterval = 10;
    static constexpr std::uint32_t kDefaultBackColor = 0x8000000F;
    static constexpr std::uint32_t kDefaultColorHover = 0xFF0000;
    static constexpr std::uint32_t kDefaultColorNormal = 0;
    static constexpr std::uint32_t kDefaultColorActive = 0xFF;
    static constexpr std::int32_t kDefaultMousePointer = 16;
    static constexpr std::int32_t kDefaultFocusFrame = 1;
    static const char* const kDefaultHref;     // "http://"
    static const char* const kDefaultCaption;  // the library's own web address
    static const char* const kDesignCaption;   // "zorbLinkControl"

    explicit ZorbLink(com::ControlEvents& events);
    ~ZorbLink() override;

    void setSite(com::IControlSite* site);
    com::ControlSurface& surface() { return surface_; }

    // Methods.
    void Start(std::string& url);
    void ShowAbout();

    // Properties.
    std::uint32_t BackColor() const;
    void setBackColor(std::uint32_t v);
    bool Enabled() const;
    void setEnabled(bool v);
    std::string ToolTipText() const;
    void setToolTipText(const std::string& v);
    std::string Href() const { return href_; }
    void setHref(const std::string& v);
    std::string Caption() const;
    void setCaption(const std::string& v);
    std::uint32_t ColorHover() const { return colorHover_; }
    void setColorHover(std::uint32_t v);
    std::uint32_t ColorNormal() const { return colorNormal_; }
    void setColorNormal(std::uint32_t v);
    std::uint32_t ColorActive() const { return colorActive_; }
    void setColorActive(std::uint32_t v);
    com::Ptr<com::IFont> FontNormal() const { return fontNormal_; }
    void setFontNormal(com::IFont* f);
    com::Ptr<com::IFont> FontHover() const { return fontHover_; }
    void setFontHover(com::IFont* f);
    com::Ptr<com::IFont> FontActive() const { return fontActive_; }
    void setFontActive(com::IFont* f);
    std::int32_t MousePointer() const { return mousePointer_; }
    void setMousePointer(std::int32_t v);
    com::Ptr<com::IPicture> MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(com::IPicture* p);
    std::int32_t FocusFrame() const { return focusFrame_; }
    void setFocusFrame(std::int32_t v);
    // The surface's own font, persisted but not drawn with.
    com::Ptr<com::IFont> Font() const { return font_; }

    // Persistence.
    void UserControl_InitProperties();
    void UserControl_ReadProperties(com::IPropertyBag& bag);
    void UserControl_WriteProperties(com::IPropertyBag& bag);

    // Handlers (the surface calls them; tests may too).
    void UserControl_Resize();
    void lblURL_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void lblURL_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void lblURL_MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void lblURL_Click();
    void lblURL_DblClick();
    void UserControl_KeyPress(int keyAscii);
    void UserControl_GotFocus();
    void UserControl_LostFocus();
    void UserControl_Paint();
    void tmrFocus_Timer();
    void tmrMouseOut_Timer();

    // State, for the host and tests.
    bool pressed() const { return pressed_; }
    bool hasFocus() const { return hasFocus_; }
    com::Rect focusRect() const { return focusRect_; }
    float width() const { return width_; }    // twips
    float height() const { return height_; }  // twips
    float twipsPerPixelX() const { return tppX_; }
    float twipsPerPixelY() const { return tppY_; }

    // The embedded hand cursor.
    static com::CursorImage handCursor();

private:
    // com::SurfaceListener, in the surface's pixels.
    void labelMouseDown(std::int16_t button, std::int16_t shift, int x, int y) override;
    void labelMouseMove(std::int16_t button, std::int16_t shift, int x, int y) override;
    void labelMouseUp(std::int16_t button, std::int16_t shift, int x, int y) override;
    void labelClick() override { lblURL_Click(); }
    void labelDblClick() override { lblURL_DblClick(); }
    void keyPress(int ascii) override { UserControl_KeyPress(ascii); }
    void gotFocus() override { UserControl_GotFocus(); }
    void lostFocus() override { UserControl_LostFocus(); }
    void paint() override { UserControl_Paint(); }
    void resized() override { UserControl_Resize(); }
    void timer(int id) override;

    void UserControl_Initialize();
    bool IsMouseOver();
    void DrawFocusFrame(bool show);
    void ApplyMousePointer();
    void PropertyChanged(const char* name);
    void setLook(std::uint32_t color, com::IFont* font);
    com::WindowFunctions& windows();
    com::Ptr<com::IFont> ambientFont();

    com::ControlEvents& events_;
    com::IControlSite* site_ = nullptr;
    com::ControlSurface surface_;

    float tppY_ = 15, tppX_ = 15;
    float width_ = 1080, height_ = 360;  // the control's extent in twips
    bool pressed_ = false;
    com::Rect focusRect_;
    bool hasFocus_ = false;
    std::int32_t focusFrame_ = 0;
    std::int32_t mousePointer_ = 0;
    com::Ptr<com::IFont> fontNormal_, fontHover_, fontActive_, font_;
    std::uint32_t colorActive_ = 0, colorHover_ = 0, colorNormal_ = 0;
    std::string href_;
    com::WindowHandle lastFocus_ = 0;
    com::Ptr<com::IPicture> mouseIcon_;  // picMouseIcon's mouse icon
    com::Ptr<com::IPicture> hand_;       // picMicrosoftHand's mouse icon
};

}  // namespace linkcontrols
