#include "com/DrawingSurface.h"

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

#include "com/ControlSurface.h"
#include "com/QtCursor.h"
#include "com/QtInput.h"

namespace com {

namespace {

class Canvas final : public QWidget {
public:
    Canvas(DrawingListener* l, QImage& image, std::function<void()> sync)
        : l_(l), image_(image), sync_(std::move(sync)) {
        setMouseTracking(true);
        setAutoFillBackground(false);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    bool secondPress = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, image_);
    }
    void resizeEvent(QResizeEvent*) override { sync_(); }
    void mousePressEvent(QMouseEvent* e) override {
        secondPress = false;
        QPoint p = e->position().toPoint();
        if (l_) l_->mouseDown(buttonsOf(e->button()), shiftOf(e->modifiers()), p.x(), p.y());
        e->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        secondPress = true;
        if (l_) l_->dblClick();
        e->accept();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QPoint p = e->position().toPoint();
        if (l_) l_->mouseMove(buttonsOf(e->buttons()), shiftOf(e->modifiers()), p.x(), p.y());
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QPoint p = e->position().toPoint();
        bool inside = rect().contains(p);
        bool wasSecond = std::exchange(secondPress, false);
        e->accept();
        if (!l_) return;
        // The host may end the control from inside MouseUp, the window
        // with it.
        QPointer<Canvas> alive(this);
        DrawingListener* l = l_;
        l->mouseUp(buttonsOf(e->button()), shiftOf(e->modifiers()), p.x(), p.y());
        if (alive && inside && !wasSecond) l->click();
    }

private:
    DrawingListener* l_;
    QImage& image_;
    std::function<void()> sync_;
};

}  // namespace

struct DrawingSurface::Impl {
    explicit Impl(DrawingListener* l) : listener(l) {
        image = QImage(1, 1, QImage::Format_RGB32);
        image.fill(qcolor(back));
        known = QSize(1, 1);
        build();
    }
    ~Impl() {
        dying = true;
        delete canvas.data();
    }
    // A host that destroys its form before letting go of the control takes
    // the window with it; the control then carries on with a new, unplaced
    // one of the same size and image.
    void build() {
        canvas = new Canvas(listener, image, [this] { sync(); });
        canvas->resize(known);
        QObject::connect(canvas.data(), &QObject::destroyed, [this] {
            if (!dying) build();
        });
    }
    bool dying = false;

    // Follows the window's size: the image grows or shrinks with it, and
    // the listener hears of a change once.
    void sync() {
        if (!canvas) return;
        QSize s = canvas->size();
        if (s == known) return;
        known = s;
        QImage next(std::max(1, s.width()), std::max(1, s.height()), QImage::Format_RGB32);
        next.fill(qcolor(back));
        QPainter p(&next);
        p.drawImage(0, 0, image);
        p.end();
        image = next;
        canvas->update();
        if (listener) listener->resized();
    }

    DrawingListener* listener;
    QImage image;
    QPointer<Canvas> canvas;
    QSize known;
    std::uint32_t back = 0x8000000F;
    int pointer = 0;
};

DrawingSurface::DrawingSurface(DrawingListener* listener) : d_(std::make_unique<Impl>(listener)) {}
DrawingSurface::~DrawingSurface() = default;

void* DrawingSurface::widget(void* parentWidget) {
    if (parentWidget && d_->canvas) {
        d_->canvas->setParent(static_cast<QWidget*>(parentWidget));
        d_->canvas->show();
    }
    return d_->canvas.data();
}

void DrawingSurface::detach() {
    if (!d_->canvas) return;
    d_->canvas->hide();
    d_->canvas->setParent(nullptr);
}

WindowHandle DrawingSurface::handle() const { return handleOf(d_->canvas.data()); }

double DrawingSurface::twipsPerPixelX() const {
    QScreen* s = QGuiApplication::primaryScreen();
    double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}
double DrawingSurface::twipsPerPixelY() const {
    QScreen* s = QGuiApplication::primaryScreen();
    double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

void DrawingSurface::setBackColor(std::uint32_t c) {
    d_->back = c;
    d_->image.fill(qcolor(c));
    if (d_->canvas) d_->canvas->update();
}
std::uint32_t DrawingSurface::backColor() const { return d_->back; }

void DrawingSurface::resize(int w, int h) {
    if (!d_->canvas) return;
    d_->canvas->resize(std::max(1, w), std::max(1, h));
    d_->sync();  // a hidden window hears of its size only when shown
}
int DrawingSurface::width() const { return d_->canvas ? d_->canvas->width() : 0; }
int DrawingSurface::height() const { return d_->canvas ? d_->canvas->height() : 0; }

void DrawingSurface::line(int x1, int y1, int x2, int y2, std::uint32_t c) {
    const QRgb rgb = qcolor(c).rgb();
    QImage& img = d_->image;
    if (y1 == y2 || x1 == x2) {
        // A row or a column: straight into the image.
        if (y1 == y2 && y1 >= 0 && y1 < img.height()) {
            int from, to;
            if (x1 <= x2) {
                from = std::max(0, x1);
                to = std::min(img.width(), x2);  // the end point is not drawn
            } else {
                from = std::max(0, x2 + 1);
                to = std::min(img.width(), x1 + 1);
            }
            auto* row = reinterpret_cast<QRgb*>(img.scanLine(y1));
            for (int x = from; x < to; ++x) row[x] = rgb;
        } else if (x1 == x2 && y1 != y2 && x1 >= 0 && x1 < img.width()) {
            int from, to;
            if (y1 <= y2) {
                from = std::max(0, y1);
                to = std::min(img.height(), y2);
            } else {
                from = std::max(0, y2 + 1);
                to = std::min(img.height(), y1 + 1);
            }
            uchar* bits = img.bits();
            const qsizetype stride = img.bytesPerLine();
            for (int y = from; y < to; ++y) reinterpret_cast<QRgb*>(bits + y * stride)[x1] = rgb;
        }
        if (d_->canvas) d_->canvas->update();
        return;
    }
    // Bresenham, stopping before the end point.
    int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy, x = x1, y = y1;
    while (x != x2 || y != y2) {
        if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, rgb);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    if (d_->canvas) d_->canvas->update();
}

void DrawingSurface::pset(int x, int y, std::uint32_t c) {
    QImage& img = d_->image;
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
    img.setPixel(x, y, qcolor(c).rgb());
    if (d_->canvas) d_->canvas->update();
}

std::int32_t DrawingSurface::point(int x, int y) const {
    const QImage& img = d_->image;
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return -1;
    QRgb p = img.pixel(x, y);
    return static_cast<std::int32_t>(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
}

void DrawingSurface::setPointer(int p, const CursorImage* icon) {
    d_->pointer = p;
    if (!d_->canvas) return;
    if (p == 99 && icon)
        d_->canvas->setCursor(qtCursorOf(*icon));
    else if (p <= 0 || p == 99)
        d_->canvas->unsetCursor();
    else
        d_->canvas->setCursor(qtPointerShape(p));
}
int DrawingSurface::pointer() const { return d_->pointer; }

}  // namespace com
