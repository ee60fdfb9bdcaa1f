#include "forms/Control.h"

#include <QApplication>

#include "forms/EventBridge.h"
#include "forms/FormClient.h"
#include "forms/QtAccess.h"

namespace forms {

Control::Control(Form& form, std::string name, Control* container)
    : Component(form, std::move(name)), d_(std::make_unique<Impl>()) {
    d_->self = this;
    d_->form = &form;
    d_->container = container;
    d_->font = form.font();
}

Control::~Control() {
    if (d_->bridge) {
        delete d_->bridge;  // removes the filters and the signal connections made with it
        d_->bridge = nullptr;
    }
    if (QWidget* w = d_->widget.data()) {
        // The widget may be inside one of its own events (a button that
        // unloads its form): let Qt delete it once that event is done.
        w->hide();
        w->setProperty("formsControl", false);
        w->deleteLater();
    }
}

void attachWidget(Control& c, QWidget* w) {
    auto& d = c.impl();
    QWidget* parent = d.container ? childAreaOf(*d.container) : clientOf(c.form());
    w->setParent(parent);
    w->setProperty("formsControl", true);
    w->setProperty("formsAlign", static_cast<int>(d.align));
    d.widget = w;
    d.bridge = new detail::EventBridge(c);
    d.bridge->watch(w);
    w->setMouseTracking(true);
    w->setFont(toQFont(d.font));
    if (d.w > 0 || d.h > 0) w->setGeometry(d.x, d.y, d.w, d.h);
    w->setVisible(d.visible);
    w->setEnabled(d.enabled);
}

QWidget* widgetOf(const Control& c) { return c.impl().widget.data(); }

void setChildArea(Control& c, QWidget* area) { c.impl().childArea = area; }

QWidget* childAreaOf(const Control& c) {
    auto& d = c.impl();
    return d.childArea ? d.childArea.data() : d.widget.data();
}

void Control::move(int left, int top) { move(left, top, width(), height()); }

void Control::move(int left, int top, int width, int height) {
    Form& f = form();
    d_->x = f.toPixels(left);
    d_->y = f.toPixels(top);
    d_->w = std::max(0, f.toPixels(width));
    d_->h = std::max(0, f.toPixels(height));
    if (d_->widget) d_->widget->setGeometry(d_->x, d_->y, d_->w, d_->h);
}

void Control::resize(int width, int height) { move(left(), top(), width, height); }

int Control::left() const {
    return form().fromPixels(d_->widget ? d_->widget->x() : d_->x);
}
int Control::top() const {
    return form().fromPixels(d_->widget ? d_->widget->y() : d_->y);
}
int Control::width() const {
    return form().fromPixels(d_->widget ? d_->widget->width() : d_->w);
}
int Control::height() const {
    return form().fromPixels(d_->widget ? d_->widget->height() : d_->h);
}

void Control::setAlign(Align a) {
    d_->align = a;
    if (d_->widget) d_->widget->setProperty("formsAlign", static_cast<int>(a));
    if (d_->widget && d_->widget->parentWidget()) layoutDocked(d_->widget->parentWidget());
}
Align Control::align() const { return d_->align; }

void Control::setVisible(bool v) {
    d_->visible = v;
    if (d_->widget) d_->widget->setVisible(v);
}
bool Control::visible() const { return d_->visible; }

void Control::setEnabled(bool e) {
    d_->enabled = e;
    if (d_->widget) d_->widget->setEnabled(e);
}
bool Control::enabled() const { return d_->enabled; }

void Control::setToolTip(const std::string& tip) {
    d_->toolTip = tip;
    if (d_->widget) d_->widget->setToolTip(qs(tip));
}
std::string Control::toolTip() const { return d_->toolTip; }

void Control::setFont(const Font& f) {
    d_->font = f;
    if (d_->widget) d_->widget->setFont(toQFont(f));
}
Font Control::font() const { return d_->font; }

namespace {
void applyColors(Control::Impl& d) {
    if (!d.widget) return;
    QPalette p = d.widget->palette();
    // Active and inactive only: a disabled control keeps the disabled look.
    auto set = [&p](QPalette::ColorRole role, const QColor& c) {
        p.setColor(QPalette::Active, role, c);
        p.setColor(QPalette::Inactive, role, c);
    };
    if (d.foreSet) {
        QColor c = toQColor(d.fore);
        set(QPalette::WindowText, c);
        set(QPalette::Text, c);
        set(QPalette::ButtonText, c);
    }
    if (d.backSet) {
        QColor c = toQColor(d.back);
        set(QPalette::Window, c);
        set(QPalette::Base, c);
        set(QPalette::Button, c);
    }
    d.widget->setPalette(p);
}
}  // namespace

void Control::setForeColor(std::uint32_t c) {
    d_->fore = c;
    d_->foreSet = true;
    applyColors(*d_);
    if (d_->widget) d_->widget->update();
}
std::uint32_t Control::foreColor() const { return d_->fore; }

void Control::setBackColor(std::uint32_t c) {
    d_->back = c;
    d_->backSet = true;
    applyColors(*d_);
    if (d_->widget) d_->widget->update();
}
std::uint32_t Control::backColor() const { return d_->back; }

void Control::setTabIndex(int) {
    // Tab order follows creation order, which is how the forms create their
    // controls; nothing more is kept.
}

void Control::setFocus() {
    if (d_->widget) d_->widget->setFocus(Qt::OtherFocusReason);
}

bool Control::hasFocus() const {
    if (!d_->widget) return false;
    // The focus within the control's window, whether or not that window is
    // the active one.
    QWidget* f = d_->widget->window()->focusWidget();
    return f && (f == d_->widget || d_->widget->isAncestorOf(f));
}

void Control::refresh() {
    if (d_->widget) d_->widget->repaint();
}

void Control::zOrder(int position) {
    if (!d_->widget) return;
    if (position == 0)
        d_->widget->raise();
    else
        d_->widget->lower();
}

Control* Control::container() const { return d_->container; }

void layoutDocked(QWidget* container) {
    QRect r = container->rect();
    QList<QWidget*> clients;
    for (QObject* o : container->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->property("formsControl").toBool()) continue;
        int a = w->property("formsAlign").toInt();
        if (a == 0 || w->isHidden()) continue;
        if (static_cast<Align>(a) == Align::Client) {
            clients.push_back(w);  // the client takes what the others leave
            continue;
        }
        switch (static_cast<Align>(a)) {
        case Align::Top:
            w->setGeometry(r.x(), r.y(), r.width(), w->height());
            r.setTop(r.top() + w->height());
            break;
        case Align::Bottom:
            w->setGeometry(r.x(), r.bottom() + 1 - w->height(), r.width(), w->height());
            r.setBottom(r.bottom() - w->height());
            break;
        case Align::Left:
            w->setGeometry(r.x(), r.y(), w->width(), r.height());
            r.setLeft(r.left() + w->width());
            break;
        case Align::Right:
            w->setGeometry(r.right() + 1 - w->width(), r.y(), w->width(), r.height());
            r.setRight(r.right() - w->width());
            break;
        default: break;
        }
    }
    for (QWidget* w : clients) w->setGeometry(r);
}

HostedControl::HostedControl(Form& form, std::string name, QWidget* widget, Control* container)
    : Control(form, std::move(name), container) {
    attachWidget(*this, widget);
}

}  // namespace forms
