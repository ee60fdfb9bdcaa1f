#pragma once
// The drawing surface of a label control: a window with one label on it
// (which has no window of its own), a back colour, two timers, the focus
// rectangles drawn on it, and the mouse, key and focus events of both. The
// control's logic drives it and hears its events through a listener; the
// toolkit stays inside.
#include <cstdint>
#include <memory>
#include <string>

#include "com/Font.h"
#include "com/Picture.h"
#include "com/WindowFunctions.h"

namespace com {

// Mouse buttons and shift state with the platform's values.
enum MouseButton : std::int16_t { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftState : std::int16_t { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

class SurfaceListener {
public:
    virtual ~SurfaceListener() = default;
    // Mouse events of the label; x and y in the label's own pixels.
    virtual void labelMouseDown(std::int16_t button, std::int16_t shift, int x, int y) = 0;
    virtual void labelMouseMove(std::int16_t button, std::int16_t shift, int x, int y) = 0;
    virtual void labelMouseUp(std::int16_t button, std::int16_t shift, int x, int y) = 0;
    // A press and release of the left button on the label (other buttons
    // give only their downs and ups). The second press of a left double
    // click gives labelDblClick instead of a mouse down, and its release a
    // mouse up but no click: down, up, click, double click, up.
    virtual void labelClick() = 0;
    virtual void labelDblClick() = 0;
    // A key that produces a character while the surface has the focus.
    virtual void keyPress(int ascii) = 0;
    virtual void gotFocus() = 0;
    virtual void lostFocus() = 0;
    virtual void paint() = 0;
    // The surface's size was changed from outside (by the host).
    virtual void resized() = 0;
    virtual void timer(int id) = 0;
};

class ControlSurface {
public:
    explicit ControlSurface(SurfaceListener& listener);
    ~ControlSurface();
    ControlSurface(const ControlSurface&) = delete;
    ControlSurface& operator=(const ControlSurface&) = delete;

    // The surface's widget, placed into `parentWidget` when that is given.
    void* widget(void* parentWidget = nullptr);
    // Takes the widget off its parent (hidden), so the parent's end leaves it.
    void detach();
    WindowHandle handle() const;
    // The screen's twips per pixel.
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

    void setBackColor(std::uint32_t oleColor);
    std::uint32_t backColor() const;
    void setEnabled(bool on);
    bool enabled() const;
    void setTabStop(bool on);
    // Control size in pixels.
    void resize(int width, int height);
    int width() const;
    int height() const;
    // Clears what was drawn on the surface (the focus rectangles).
    void cls();

    void setLabelCaption(const std::string& text);
    std::string labelCaption() const;
    void setLabelToolTip(const std::string& text);
    std::string labelToolTip() const;
    void setLabelColor(std::uint32_t oleColor);
    std::uint32_t labelColor() const;
    void setLabelFont(const FontDesc& font);
    FontDesc labelFont() const;
    void moveLabel(int x, int y);
    // The label's auto-size extent in pixels.
    int labelWidth() const;
    int labelHeight() const;
    // The pointer over the label: a standard pointer number (0 to 15), or a
    // cursor image (pointer 99).
    void setLabelPointer(int pointer);
    // (Taken by value: a picture's image may be large, and is moved in.)
    void setLabelCursor(CursorImage image);
    int labelPointer() const;
    // The image of the last cursor set with setLabelCursor.
    CursorImage labelCursor() const;

    void setTimer(int id, int intervalMs, bool enabled);
    bool timerEnabled(int id) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// The colour of an OLE_COLOR: 0x00BBGGRR, or with the top bit set a system
// colour (button face, window text...) from the current palette; as 0xRRGGBB.
std::uint32_t resolveColor(std::uint32_t oleColor);

}  // namespace com
