#pragma once
// The gradient control: a rectangle filled with a colour gradient from Color1
// to Color2, left to right or top to bottom, drawn on a persistent image, with
// a colour blend that callers can use directly. It tracks the mouse entering
// and leaving it by taking the mouse capture. The library's private control:
// only its own about form places it.
#include <cstdint>
#include <vector>

#include "com/Control.h"
#include "com/ControlEvents.h"
#include "com/Dispatch.h"
#include "com/DrawingSurface.h"
#include "com/Picture.h"
#include "com/PropertyBag.h"
#include "com/Variant.h"

namespace linkcontrols {

// Events of the gradient control, by raise position.
namespace shadingevent {
constexpr com::DispId MouseDown = 1;
constexpr com::DispId MouseMove = 2;
constexpr com::DispId MouseUp = 3;
constexpr com::DispId Click = 4;
constexpr com::DispId DblClick = 5;
constexpr com::DispId MouseEnter = 6;
constexpr com::DispId MouseLeave = 7;
}  // namespace shadingevent

class ZorbShading final : public com::DrawingListener {
public:
    static constexpr std::uint32_t kDefaultColor1 = 0x80000010;  // button shadow
    static constexpr std::uint32_t kDefaultColor2 = 0x8000000F;  // button face
    static constexpr std::int32_t kDefaultShading = 0;
    static constexpr std::int32_t kDefaultMousePointer = 0;

    explicit ZorbShading(com::ControlEvents& events);
    ~ZorbShading() override;

    void setSite(com::IControlSite* site);
    com::DrawingSurface& surface() { return surface_; }

    // Properties.
    std::uint32_t Color1() const;
    void setColor1(std::uint32_t New_Color1);
    std::uint32_t Color2() const;
    void setColor2(std::uint32_t New_Color2);
    std::int32_t Shading() const { return shading_; }
    void setShading(std::int32_t New_Shading);
    com::Ptr<com::IPicture> MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(com::IPicture* New_MouseIcon);
    std::int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(std::int16_t New_MousePointer);

    // Methods. GetShading and SepRGB write back through their by-reference
    // arguments (Level is kept within 0 to 255).
    com::Variant GetShading(std::int32_t RGB1, std::int32_t RGB2, com::Variant& Level);
    void SepRGB(std::int32_t& Value, com::Variant& Red, com::Variant& Green, com::Variant& Blue);
    void Refresh();
    // X and Y in the surface's twips.
    std::int32_t GetPixel(std::int32_t X, std::int32_t Y);
    void SetPixel(std::int32_t X, std::int32_t Y, std::int32_t Color);
    void ShowAbout();

    // Persistence.
    void UserControl_InitProperties();
    void UserControl_ReadProperties(com::IPropertyBag& bag);
    void UserControl_WriteProperties(com::IPropertyBag& bag);

    // Handlers (the surface calls them; tests may too). X and Y in twips.
    void UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_Click();
    void UserControl_DblClick();
    // The paint routine; the surface runs it on every resize.
    void UserControl_Resize() { PaintGradient(); }

    // The blend of one channel at level L (0 = c1, 255 = c2); an L above 255
    // is set to 255 in the caller's variable.
    static double BlendChannel(double c1, double c2, double& L);

    // State, for the host and tests.
    float width() const;   // twips
    float height() const;  // twips
    float twipsPerPixelX() const { return tppX_; }
    float twipsPerPixelY() const { return tppY_; }
    std::int32_t rgb1() const { return rgb1_; }
    std::int32_t rgb2() const { return rgb2_; }
    // How many times the paint routine ran.
    int paints() const { return paints_; }

private:
    // com::DrawingListener, in the surface's pixels.
    void mouseDown(std::int16_t button, std::int16_t shift, int x, int y) override;
    void mouseMove(std::int16_t button, std::int16_t shift, int x, int y) override;
    void mouseUp(std::int16_t button, std::int16_t shift, int x, int y) override;
    void click() override { UserControl_Click(); }
    void dblClick() override { UserControl_DblClick(); }
    void resized() override { UserControl_Resize(); }

    void UserControl_Initialize();
    void PaintGradient();
    void EnsureMinSize(int w, int h);
    void setWidth(float twips);
    void setHeight(float twips);
    void applyPointer();
    void PropertyChanged(const char* name);
    com::WindowFunctions& windows();

    com::ControlEvents& events_;
    com::IControlSite* site_ = nullptr;
    com::DrawingSurface surface_;
    com::DrawingSurface picColor1_, picColor2_;  // hidden; hold Color1 and Color2

    float tppY_ = 15, tppX_ = 15;
    std::int32_t rgb1_ = 0, rgb2_ = 0;
    std::int32_t shading_ = 0;
    std::int16_t mousePointer_ = 0;
    com::Ptr<com::IPicture> mouseIcon_;
    int paints_ = 0;
};

}  // namespace linkcontrols
