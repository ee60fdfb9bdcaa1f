#pragma once
// A drawn shape (rectangle, rounded rectangle, circle, ...). Shapes take no
// mouse events: the mouse over a shape is over whatever lies under it.
#include "forms/Control.h"

namespace forms {

class Shape : public Control {
public:
    enum class Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
    enum class Fill { Solid = 0, Transparent = 1 };
    Shape(Form& form, std::string name, Control* container = nullptr);
    void setKind(Kind k);
    Kind kind() const { return kind_; }
    void setFillStyle(Fill f);
    Fill fillStyle() const { return fill_; }
    void setFillColor(std::uint32_t c);
    std::uint32_t fillColor() const { return fillColor_; }
    void setBorderColor(std::uint32_t c);
    void setBorderWidth(int px);
    // An opaque back style paints the back colour inside the shape.
    void setOpaque(bool on);

private:
    friend class ShapeWidget;
    Kind kind_ = Kind::Rectangle;
    Fill fill_ = Fill::Transparent;
    std::uint32_t fillColor_ = 0x000000;
    std::uint32_t borderColor_ = color::WindowText;
    int borderWidth_ = 1;
    bool opaque_ = false;
};

}  // namespace forms
