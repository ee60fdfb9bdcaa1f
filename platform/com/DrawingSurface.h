#pragma once
// The drawing surface of a control that paints itself: a window with a
// persistent image (what is drawn on it stays and is repainted by the
// platform, so no paint handler is needed, and it can be read back point by
// point), a back colour, a mouse pointer, and the mouse and size events of
// the window itself. Used unplaced and hidden it is a picture box whose
// image still answers. Coordinates are the window's pixels; colours are
// OLE_COLORs (0x00BBGGRR, or a system colour with the top bit set).
#include <cstdint>
#include <memory>

#include "com/Picture.h"
#include "com/WindowFunctions.h"

namespace com {

class DrawingListener {
public:
    virtual ~DrawingListener() = default;
    virtual void mouseDown(std::int16_t button, std::int16_t shift, int x, int y) = 0;
    virtual void mouseMove(std::int16_t button, std::int16_t shift, int x, int y) = 0;
    virtual void mouseUp(std::int16_t button, std::int16_t shift, int x, int y) = 0;
    // A press and release on the window; a double click gives down, up,
    // click, double click, up.
    virtual void click() = 0;
    virtual void dblClick() = 0;
    // The size changed, by the control itself or by its host.
    virtual void resized() = 0;
};

class DrawingSurface {
public:
    // Without a listener the surface hears nothing (a hidden picture box).
    explicit DrawingSurface(DrawingListener* listener = nullptr);
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    // The surface's widget, placed into `parentWidget` when that is given.
    void* widget(void* parentWidget = nullptr);
    // Takes the widget off its parent (hidden).
    void detach();
    WindowHandle handle() const;
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

    // Setting the back colour fills the whole image with it.
    void setBackColor(std::uint32_t oleColor);
    std::uint32_t backColor() const;
    // Size in pixels; a change tells the listener at once. A larger image
    // keeps what was drawn and shows the back colour in the new part.
    void resize(int width, int height);
    int width() const;
    int height() const;

    // A line from (x1, y1) to (x2, y2), the end point not drawn.
    void line(int x1, int y1, int x2, int y2, std::uint32_t oleColor);
    void pset(int x, int y, std::uint32_t oleColor);
    // The colour of a point of the image as 0x00BBGGRR; -1 outside it.
    std::int32_t point(int x, int y) const;

    // The pointer over the window: 0 the default, 1 to 15 the standard
    // pointers, 99 the given cursor image (none: the default).
    void setPointer(int pointer, const CursorImage* icon = nullptr);
    int pointer() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace com
