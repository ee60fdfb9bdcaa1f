#include "com/ControlSurface.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <map>

#include "com/QtCursor.h"
#include "com/QtInput.h"
#include "forms/QtAccess.h"

namespace com {

namespace {

// The program's text at the label, as at every widget of the forms.
using forms::ansiOf;
using forms::qs;

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
        for (const QVariant& v : rects) drawFocusRect(p, v.toRect());
    }
    // The platform's focus rectangle: every other pixel of the outline in
    // the inverse of the back colour, shown whatever gave the focus (the
    // toolkit's styles draw theirs only after a key moved the focus).
    void drawFocusRect(QPainter& p, const QRect& r) {
        const QColor b = qcolor(back);
        p.setPen(QColor(255 - b.red(), 255 - b.green(), 255 - b.blue()));
        auto dot = [&](int x, int y) {
            if ((x + y) % 2 == 0) p.drawPoint(x, y);
        };
        for (int x = r.left(); x <= r.right(); ++x) {
            dot(x, r.top());
            if (r.bottom() != r.top()) dot(x, r.bottom());
        }
        for (int y = r.top() + 1; y < r.bottom(); ++y) {
            dot(r.left(), y);
            if (r.right() != r.left()) dot(r.right(), y);
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
    // A handler of the listener may end the control (its host lets go of
    // it from inside an event), and the label with it: nothing of the label
    // is touched after a call that may have done so.
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();
        secondPress = false;
        QPoint p = e->position().toPoint();
        l_.labelMouseDown(buttonsOf(e->button()), shiftOf(e->modifiers()), p.x(), p.y());
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        // The second press of a double click with the left button: the
        // double click, and no click at its release. Other buttons have no
        // double click; their second press is a press.
        if (e->button() != Qt::LeftButton) {
            mousePressEvent(e);
            return;
        }
        e->accept();
        secondPress = true;
        l_.labelDblClick();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        e->accept();
        QPoint p = e->position().toPoint();
        l_.labelMouseMove(buttonsOf(e->buttons()), shiftOf(e->modifiers()), p.x(), p.y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        e->accept();
        QPoint p = e->position().toPoint();
        // Only the left button clicks.
        bool clicks = rect().contains(p) && e->button() == Qt::LeftButton;
        bool wasSecond = std::exchange(secondPress, false);
        QPointer<Label> alive(this);
        SurfaceListener& l = l_;
        l.labelMouseUp(buttonsOf(e->button()), shiftOf(e->modifiers()), p.x(), p.y());
        if (alive && clicks && !wasSecond) l.labelClick();
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
        d_->label->setCursor(qtPointerShape(p));
}
void ControlSurface::setLabelCursor(CursorImage image) {
    d_->pointer = 99;
    d_->label->setCursor(qtCursorOf(image));
    d_->cursor = std::move(image);
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
