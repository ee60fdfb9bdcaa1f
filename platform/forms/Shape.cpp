#include "forms/Shape.h"

#include <QPainter>
#include <QWidget>

#include "forms/QtAccess.h"

namespace forms {

class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(Shape& s) : s_(s) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, true);
        int bw = std::max(0, s_.borderWidth_);
        QRectF r = QRectF(rect()).adjusted(bw / 2.0, bw / 2.0, -bw / 2.0 - 0.5, -bw / 2.0 - 0.5);
        if (s_.kind_ == Shape::Kind::Square || s_.kind_ == Shape::Kind::Circle ||
            s_.kind_ == Shape::Kind::RoundedSquare) {
            double side = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        }
        QBrush brush = Qt::NoBrush;
        if (s_.fill_ == Shape::Fill::Solid)
            brush = QBrush(toQColor(s_.fillColor_));
        else if (s_.opaque_)
            brush = QBrush(toQColor(s_.backColor()));
        p.setBrush(brush);
        p.setPen(bw > 0 ? QPen(toQColor(s_.borderColor_), bw) : QPen(Qt::NoPen));
        double radius = std::min(r.width(), r.height()) / 6.0;
        switch (s_.kind_) {
        case Shape::Kind::Oval:
        case Shape::Kind::Circle: p.drawEllipse(r); break;
        case Shape::Kind::RoundedRectangle:
        case Shape::Kind::RoundedSquare: p.drawRoundedRect(r, radius, radius); break;
        default: p.drawRect(r); break;
        }
    }

private:
    Shape& s_;
};

Shape::Shape(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    attachWidget(*this, new ShapeWidget(*this));
    impl().back = color::White;
}

void Shape::setKind(Kind k) {
    kind_ = k;
    refresh();
}
void Shape::setFillStyle(Fill f) {
    fill_ = f;
    if (QWidget* w = widgetOf(*this)) w->update();
}
void Shape::setFillColor(std::uint32_t c) {
    fillColor_ = c;
    if (QWidget* w = widgetOf(*this)) w->update();
}
void Shape::setBorderColor(std::uint32_t c) {
    borderColor_ = c;
    if (QWidget* w = widgetOf(*this)) w->update();
}
void Shape::setBorderWidth(int px) {
    borderWidth_ = px;
    if (QWidget* w = widgetOf(*this)) w->update();
}
void Shape::setOpaque(bool on) {
    opaque_ = on;
    if (QWidget* w = widgetOf(*this)) w->update();
}

}  // namespace forms
