#include "com/ControlSurface.h"

#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <map>

#include "com/QtInput.h"
#include "forms/QtAccess.h"

namespace com {

namespace {

// The program's text at the label, as at every widget of the forms.
using forms::ansiOf;
using forms::qs;

Qt::CursorShape standardShape(int p) {
    switch (p) {
        case 1: return Qt::ArrowCursor;
        case 2: return Qt::CrossCursor;
        case 3: return Qt::IBeamCursor;
        case 4: return Qt::ArrowCursor;  // the old "icon" pointer
        case 5: return Qt::SizeAllCursor;
        case 6: return Qt::SizeBDiagCursor;
        case 7: return Qt::SizeVerCursor;
        case 8: return Qt::SizeFDiagCursor;
        case 9: return Qt::SizeHorCursor;
        case 10: return Qt::UpArrowCursor;
        case 11: return Qt::WaitCursor;
        case 12: return Qt::ForbiddenCursor;
        case 13: return Qt::BusyCursor;
        case 14: return Qt::WhatsThisCursor;
        case 15: return Qt::SizeAllCursor;
        default: return Qt::ArrowCursor;
    }
}

QCursor cursorOf(const CursorImage& c) {
    if (c.width <= 0 || c.height <= 0) return QCursor();
    int stride = (c.width + 7) / 8;
    QImage bitmap(c.width, c.height, QImage::Format_Mono), mask(c.width, c.height, QImage::Format_Mono);
    bitmap.setColor(0, qRgb(255, 255, 255));  // Qt: bitmap 1 = black, mask 1 = opaque
    bitmap.setColor(1, qRgb(0, 0, 0));
    mask.setColor(0, qRgb(255, 255, 255));
    mask.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            std::size_t i = static_cast<std::size_t>(y * stride + x / 8);
            std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            bool opaque = i < c.andMask.size() && !(c.andMask[i] & bit);
            bool white = i < c.xorMask.size() && (c.xorMask[i] & bit);
            bitmap.setPixel(x, y, opaque && !white ? 1 : 0);
            mask.setPixel(x, y, opaque ? 1 : 0);
        }
    return QCursor(QBitmap::fromImage(bitmap), QBitmap::fromImage(mask), c.hotX, c.hotY);
}

class Label;

class Surface final : public QWidget {
public:
    explicit Surface(SurfaceListener& l) : l_(l) {
        setFocusPolicy(Qt::StrongFocus);
        setAutoFillBackground(false);
    }
    SurfaceListener& l_;
    std::uint32_t back = 0x8000000F;
    bool sizing = false;  // the control sizes itself

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), qcolor(back));
        // What the listener draws now needs no further repaint.
        setProperty("comPainting", true);
        l_.paint();
        setProperty("comPainting", false);
        const QVariantList rects = property("comFocusRects").toList();
        for (const QVariant& v : rects) {
            QStyleOptionFocusRect o;
            o.initFrom(this);
            o.rect = v.toRect();
            o.backgroundColor = qcolor(back);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
        }
    }
    void resizeEvent(QResizeEvent*) override {
        if (!sizing) l_.resized();
    }
    void focusInEvent(QFocusEvent*) override { l_.gotFocus(); }
    void focusOutEvent(QFocusEvent*) override { l_.lostFocus(); }
    void keyPressEvent(QKeyEvent* e) override {
        // Only keys that give a character; Tab moves the focus.
        const QString t = e->text();
        if (t.isEmpty() || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
            QWidget::keyPressEvent(e);
            return;
        }
        std::string a = ansiOf(t.left(1));
        l_.keyPress(a.empty() ? '?' : static_cast<unsigned char>(a[0]));
    }
};

class Label final : public QLabel {
public:
    explicit Label(SurfaceListener& l, QWidget* parent) : QLabel(parent), l_(l) {
        setProperty("comNoWindow", true);
        setAttribute(Qt::WA_TranslucentBackground);
        setAutoFillBackground(false);
        setMouseTracking(true);
        setTextFormat(Qt::PlainText);
    }
    SurfaceListener& l_;
    std::uint32_t color = 0x80000012;
    bool secondPress = false;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        secondPress = false;
        QPoint p = e->position().toPoint();
        l_.labelMouseDown(buttonsOf(e->button()), shiftOf(e->modifiers()), p.x(), p.y());
        e->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        // The second press of a double click: the double click, and no
        // click at its release.
        secondPress = true;
        l_.labelDblClick();
        e->accept();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QPoint p = e->position().toPoint();
        l_.labelMouseMove(buttonsOf(e->buttons()), shiftOf(e->modifiers()), p.x(), p.y());
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QPoint p = e->position().toPoint();
        bool inside = rect().contains(p);
        bool wasSecond = std::exchange(secondPress, false);
        l_.labelMouseUp(buttonsOf(e->button()), shiftOf(e->modifiers()), p.x(), p.y());
        if (inside && !wasSecond) l_.labelClick();
        e->accept();
    }
};

}  // namespace

struct ControlSurface::Impl {
    explicit Impl(SurfaceListener& l) : listener(l) { build(); }
    ~Impl() {
        dying = true;
        for (auto& t : timers) delete t.second;
        delete surface.data();
    }
    // A host that destroys its form before letting go of the control takes
    // the surface with it; the control then carries on with a new, unplaced
    // one, so nothing it calls later touches a destroyed window.
    void build() {
        surface = new Surface(listener);
        label = new Label(listener, surface);
        label->move(0, 0);
        applyLabelColor();
        QObject::connect(surface.data(), &QObject::destroyed, [this] {
            if (dying) return;
            for (auto& t : timers) t.second->stop();
            build();
        });
    }
    void applyLabelColor() {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, qcolor(label->color));
        label->setPalette(p);
    }
    SurfaceListener& listener;
    QPointer<Surface> surface;
    Label* label = nullptr;
    std::map<int, QTimer*> timers;
    int pointer = 0;
    FontDesc font;
    CursorImage cursor{0, 0, 0, 0, {}, {}};
    bool dying = false;
};

ControlSurface::ControlSurface(SurfaceListener& listener) : d_(std::make_unique<Impl>(listener)) {}
ControlSurface::~ControlSurface() = default;

void ControlSurface::detach() {
    d_->surface->hide();
    d_->surface->setParent(nullptr);
}

void* ControlSurface::widget(void* parentWidget) {
    if (parentWidget && d_->surface) {
        d_->surface->setParent(static_cast<QWidget*>(parentWidget));
        d_->surface->show();
    }
    return d_->surface.data();
}

WindowHandle ControlSurface::handle() const { return handleOf(d_->surface.data()); }

double ControlSurface::twipsPerPixelX() const {
    QScreen* s = QGuiApplication::primaryScreen();
    double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}
double ControlSurface::twipsPerPixelY() const {
    QScreen* s = QGuiApplication::primaryScreen();
    double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

void ControlSurface::setBackColor(std::uint32_t c) {
    d_->surface->back = c;
    d_->surface->update();
}
std::uint32_t ControlSurface::backColor() const { return d_->surface->back; }
void ControlSurface::setEnabled(bool on) { d_->surface->setEnabled(on); }
bool ControlSurface::enabled() const { return d_->surface->isEnabled(); }
void ControlSurface::setTabStop(bool on) { d_->surface->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); }
void ControlSurface::resize(int w, int h) {
    d_->surface->sizing = true;
    d_->surface->resize(w, h);
    d_->surface->sizing = false;
}
int ControlSurface::width() const { return d_->surface->width(); }
int ControlSurface::height() const { return d_->surface->height(); }
void ControlSurface::cls() {
    d_->surface->setProperty("comFocusRects", QVariantList());
    if (!d_->surface->property("comPainting").toBool()) d_->surface->update();
}

void ControlSurface::setLabelCaption(const std::string& t) {
    d_->label->setText(qs(t));
    d_->label->adjustSize();
}
std::string ControlSurface::labelCaption() const { return ansiOf(d_->label->text()); }
void ControlSurface::setLabelToolTip(const std::string& t) { d_->label->setToolTip(qs(t)); }
std::string ControlSurface::labelToolTip() const { return ansiOf(d_->label->toolTip()); }
void ControlSurface::setLabelColor(std::uint32_t c) {
    d_->label->color = c;
    d_->applyLabelColor();
}
std::uint32_t ControlSurface::labelColor() const { return d_->label->color; }
FontDesc ControlSurface::labelFont() const { return d_->font; }
CursorImage ControlSurface::labelCursor() const { return d_->cursor; }

void ControlSurface::setLabelFont(const FontDesc& f) {
    d_->font = f;
    QFont q(qs(f.name));
    q.setPointSizeF(f.points() > 0 ? f.points() : 8.25);
    q.setWeight(static_cast<QFont::Weight>(f.weight >= 700 ? QFont::Bold : f.weight >= 600 ? QFont::DemiBold : QFont::Normal));
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikethrough);
    d_->label->setFont(q);
    d_->label->adjustSize();
}
void ControlSurface::moveLabel(int x, int y) { d_->label->move(x, y); }
int ControlSurface::labelWidth() const { return d_->label->sizeHint().width(); }
int ControlSurface::labelHeight() const { return d_->label->sizeHint().height(); }

void ControlSurface::setLabelPointer(int p) {
    d_->pointer = p;
    if (p == 0)
        d_->label->unsetCursor();
    else
        d_->label->setCursor(standardShape(p));
}
void ControlSurface::setLabelCursor(const CursorImage& image) {
    d_->pointer = 99;
    d_->cursor = image;
    d_->label->setCursor(cursorOf(image));
}
int ControlSurface::labelPointer() const { return d_->pointer; }

void ControlSurface::setTimer(int id, int intervalMs, bool enabled) {
    QTimer*& t = d_->timers[id];
    if (!t) {
        t = new QTimer();
        SurfaceListener* l = &d_->listener;
        QObject::connect(t, &QTimer::timeout, [l, id] { l->timer(id); });
    }
    t->setInterval(intervalMs);
    if (enabled && !t->isActive()) t->start();
    if (!enabled) t->stop();
}
bool ControlSurface::timerEnabled(int id) const {
    auto it = d_->timers.find(id);
    return it != d_->timers.end() && it->second->isActive();
}

std::uint32_t resolveColor(std::uint32_t ole) {
    if (!(ole & 0x80000000u)) return ((ole & 0xFF) << 16) | (ole & 0xFF00) | ((ole >> 16) & 0xFF);
    QPalette p = QApplication::palette();
    QColor c;
    switch (ole & 0xFF) {
        case 0x05: c = p.color(QPalette::Base); break;        // window
        case 0x08: c = p.color(QPalette::Text); break;        // window text
        case 0x0F: c = p.color(QPalette::Button); break;      // button face
        case 0x10: c = p.color(QPalette::Dark); break;        // button shadow
        case 0x12: c = p.color(QPalette::ButtonText); break;  // button text
        case 0x14: c = p.color(QPalette::Light); break;       // button highlight
        default: c = p.color(QPalette::Window); break;
    }
    return (static_cast<std::uint32_t>(c.red()) << 16) | (static_cast<std::uint32_t>(c.green()) << 8) |
           static_cast<std::uint32_t>(c.blue());
}

}  // namespace com
