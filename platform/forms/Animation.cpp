#include "forms/Animation.h"

#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "forms/ImageListAccess.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
constexpr int kFrames = 12;
constexpr int kIntervalMs = 80;

class AnimationWidget : public QWidget {
public:
    int frame = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        int side = std::max(16, std::min(height(), width() / 4));
        QPixmap folder = drawGlyph(Glyph::Folder, side);
        int y = height() - side;
        p.drawPixmap(0, y, folder);
        p.drawPixmap(width() - side, y, folder);
        // The page leaves the left folder, rises in an arc and drops into the right one.
        int pageSide = side * 2 / 3;
        QPixmap page = drawGlyph(Glyph::Page, pageSide);
        double t = double(frame) / (kFrames - 1);
        int x0 = side / 2 - pageSide / 2, x1 = width() - side / 2 - pageSide / 2;
        int x = int(x0 + (x1 - x0) * t);
        int top = y - pageSide / 3;
        int lift = int((height() - pageSide) * 4 * t * (1 - t));
        p.drawPixmap(x, std::max(0, top - lift), page);
    }
};
AnimationWidget* animationOf(const Control& c) { return static_cast<AnimationWidget*>(widgetOf(c)); }
}  // namespace

struct Animation::Impl {
    QPointer<QTimer> timer;
    bool active = false;
};

Animation::Animation(Form& form, std::string name, Control* container, Kind kind)
    : Control(form, std::move(name), container), a_(std::make_unique<Impl>()) {
    (void)kind;  // the one picture there is
    auto* w = new AnimationWidget;
    attachWidget(*this, w);
    a_->timer = new QTimer(w);
    a_->timer->setInterval(kIntervalMs);
    QObject::connect(a_->timer, &QTimer::timeout, w, [this] { setFrame((frame() + 1) % kFrames); });
}

Animation::~Animation() = default;

void Animation::setActive(bool on) {
    a_->active = on;
    if (!a_->timer) return;
    if (on)
        a_->timer->start();
    else
        a_->timer->stop();
}

bool Animation::active() const { return a_->active; }

int Animation::frame() const {
    AnimationWidget* w = animationOf(*this);
    return w ? w->frame : 0;
}

int Animation::frameCount() { return kFrames; }

void Animation::setFrame(int f) {
    AnimationWidget* w = animationOf(*this);
    if (!w) return;
    w->frame = ((f % kFrames) + kFrames) % kFrames;
    w->update();
}

}  // namespace forms
