#include "forms/Splitter.h"

#include <QMouseEvent>
#include <QWidget>

#include "forms/DockingWidget.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
class SplitterBar : public QWidget {
public:
    explicit SplitterBar(Splitter& s) : s_(s) {}

protected:
    bool event(QEvent* e) override {
        bool r = QWidget::event(e);
        detail::relayoutParentOn(this, e);
        return r;
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton || !s_.target()) return;
        start_ = e->globalPosition().toPoint();
        Control* t = s_.target();
        startSize_ = vertical() ? widgetOf(*t)->height() : widgetOf(*t)->width();
        dragging_ = true;
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!dragging_ || !s_.target()) return;
        QPoint d = e->globalPosition().toPoint() - start_;
        Control* t = s_.target();
        int delta = vertical() ? d.y() : d.x();
        // A control docked at the far side grows when the bar moves towards the middle.
        if (t->align() == Align::Right || t->align() == Align::Bottom) delta = -delta;
        int minPx = s_.form().toPixels(s_.minSize());
        int size = std::max(minPx, startSize_ + delta);
        if (QWidget* p = widgetOf(*t)->parentWidget()) size = std::min(size, (vertical() ? p->height() : p->width()) - 20);
        if (vertical())
            t->resize(t->width(), s_.form().fromPixels(size));
        else
            t->resize(s_.form().fromPixels(size), t->height());
        if (QWidget* p = widgetOf(*t)->parentWidget()) layoutDocked(p);
    }
    void mouseReleaseEvent(QMouseEvent*) override {
        if (dragging_ && s_.onMoved) s_.onMoved();
        dragging_ = false;
    }

private:
    bool vertical() const { return s_.align() == Align::Top || s_.align() == Align::Bottom; }
    Splitter& s_;
    QPoint start_;
    int startSize_ = 0;
    bool dragging_ = false;
};
}  // namespace

Splitter::Splitter(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    attachWidget(*this, new SplitterBar(*this));
}

void Splitter::setTarget(Control& target, int minSize) {
    target_ = &target;
    minSize_ = minSize;
    bool vertical = align() == Align::Top || align() == Align::Bottom;
    widgetOf(*this)->setCursor(vertical ? Qt::SplitVCursor : Qt::SplitHCursor);
}

}  // namespace forms
