#include "forms/FormClient.h"

#include <QMouseEvent>
#include <QPainter>

#include "forms/FormEvents.h"
#include "forms/QtAccess.h"

namespace forms::detail {

FormClient::FormClient(Form& f, QWidget* parent) : QWidget(parent), form_(&f) {
    setMouseTracking(true);
    setAutoFillBackground(false);
}

void FormClient::paintEvent(QPaintEvent*) {
    if (!form_) return;
    QPainter p(this);
    auto& d = form_->impl();
    p.fillRect(rect(), toQColor(d.back));
    if (!d.picture.isNull()) p.drawPixmap(0, 0, d.picture);
}

namespace {
template <class Fn>
void atBackground(Form* f, FormClient* self, QMouseEvent* e, Fn fn) {
    if (!f) return;
    QPoint p = e->position().toPoint();
    if (coveredByControl(self, p)) return;  // a control's event on its way up
    fn(*f, buttonOf(e->type() == QEvent::MouseMove ? e->buttons() : e->button()), shiftOf(e->modifiers()),
       static_cast<float>(f->fromPixels(p.x())), static_cast<float>(f->fromPixels(p.y())));
}
}  // namespace

void FormClient::mouseMoveEvent(QMouseEvent* e) { atBackground(form_, this, e, FormEvents::mouseMove); }
void FormClient::mousePressEvent(QMouseEvent* e) { atBackground(form_, this, e, FormEvents::mouseDown); }
void FormClient::mouseReleaseEvent(QMouseEvent* e) {
    atBackground(form_, this, e, FormEvents::mouseUp);
    if (form_ && e->button() == Qt::LeftButton && !coveredByControl(this, e->position().toPoint()) &&
        rect().contains(e->position().toPoint()))
        FormEvents::click(*form_);
}
void FormClient::mouseDoubleClickEvent(QMouseEvent* e) {
    if (form_ && !coveredByControl(this, e->position().toPoint())) FormEvents::dblClick(*form_);
}

void FormClient::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    layoutDocked(this);
    if (form_ && isVisible()) {
        form_->impl().clientW = width();
        form_->impl().clientH = height();
    }
    if (form_) FormEvents::resize(*form_);
}

}  // namespace forms::detail
