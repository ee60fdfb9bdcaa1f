#include "forms/MdiArea.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>

#include <algorithm>

#include "forms/ImageListAccess.h"
#include "forms/MenuAccess.h"
#include "forms/MenuItem.h"
#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

struct MdiArea::Impl {
    struct Child {
        Form* form;
        QPointer<QMdiSubWindow> sub;
    };
    std::vector<Child> children;
    QPointer<QMenu> windowMenu;
    QList<QAction*> listed;
};

namespace {
QMdiArea* areaOf(const Control& c) { return static_cast<QMdiArea*>(widgetOf(c)); }
}  // namespace

MdiArea::MdiArea(Form& form, std::string name, Control* container)
    : Control(form, std::move(name), container), a_(std::make_unique<Impl>()) {
    auto* area = new QMdiArea;
    area->setBackground(QBrush(QColor(0x8a, 0x94, 0x9e)));
    area->setActivationOrder(QMdiArea::CreationOrder);
    attachWidget(*this, area);
    impl().synthesizeClick = false;
    setAlign(Align::Client);
    QObject::connect(area, &QMdiArea::subWindowActivated, impl().bridge, [this](QMdiSubWindow*) {
        if (onChildrenChanged) onChildrenChanged();
    });
}

MdiArea::~MdiArea() = default;

void MdiArea::addChild(Form& child) {
    child.load();
    QWidget* w = windowOf(child);
    if (!w) return;
    QMdiArea* area = areaOf(*this);
    QMdiSubWindow* sub = area->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(w->windowIcon().isNull() ? glyphIcon(Glyph::Page) : w->windowIcon());
    sub->setWindowTitle(w->windowTitle());
    a_->children.push_back({&child, sub});
    // The child's window title follows its caption.
    QObject::connect(w, &QWidget::windowTitleChanged, sub, &QMdiSubWindow::setWindowTitle);
    // A child that unloads takes its window out of the area.
    QObject::connect(w, &QObject::destroyed, sub, [this, sub] {
        sub->close();
        sub->deleteLater();
    });
    QObject::connect(sub, &QObject::destroyed, impl().bridge, [this, f = &child] {
        auto& v = a_->children;
        v.erase(std::remove_if(v.begin(), v.end(), [f](const Impl::Child& c) { return c.form == f; }), v.end());
        if (onChildrenChanged) onChildrenChanged();
    });
    w->show();
    // A window of its own size: one that opens maximized (as it does while
    // the active one is) is restored to that size, not to nothing.
    sub->resize(sub->sizeHint());
    sub->show();
    area->setActiveSubWindow(sub);
    if (onChildrenChanged) onChildrenChanged();
}

std::vector<Form*> MdiArea::children() const {
    std::vector<Form*> out;
    for (const auto& c : a_->children)
        if (c.sub) out.push_back(c.form);
    return out;
}

Form* MdiArea::activeChild() const {
    QMdiSubWindow* cur = areaOf(*this)->currentSubWindow();
    if (!cur) cur = areaOf(*this)->activeSubWindow();
    for (const auto& c : a_->children)
        if (c.sub && c.sub == cur) return c.form;
    return nullptr;
}

void MdiArea::activateChild(Form& child) {
    for (const auto& c : a_->children) {
        if (c.form != &child || !c.sub) continue;
        if (c.sub->isMinimized()) c.sub->showNormal();
        areaOf(*this)->setActiveSubWindow(c.sub);
    }
}

void MdiArea::setChildClientSize(Form& child, int width, int height) {
    QWidget* client = clientOf(child);
    for (const auto& c : a_->children) {
        if (c.form != &child || !c.sub || !client) continue;
        // Restored first: the frame around the client is measured on the
        // window as it will stand.
        if (c.sub->isMaximized() || c.sub->isMinimized()) c.sub->showNormal();
        QSize want(child.toPixels(width), child.toPixels(height));
        c.sub->resize(c.sub->size() + (want - client->size()));
    }
}

namespace {
std::vector<QMdiSubWindow*> openWindows(QMdiArea* area) {
    std::vector<QMdiSubWindow*> out;
    for (QMdiSubWindow* s : area->subWindowList(QMdiArea::CreationOrder))
        if (s->isVisible() && !s->isMinimized()) out.push_back(s);
    return out;
}
}  // namespace

void MdiArea::cascade() {
    QMdiArea* area = areaOf(*this);
    auto wins = openWindows(area);
    if (wins.empty()) return;
    // The active window comes last, on top of the others, and stays active.
    QMdiSubWindow* active = area->activeSubWindow();
    if (auto at = std::find(wins.begin(), wins.end(), active); at != wins.end()) std::rotate(at, at + 1, wins.end());
    const QRect r = area->viewport()->rect();
    // Each window one title bar lower and further right than the one before,
    // keeping its own size where the area allows: no window gets smaller
    // than a third of the area, nor reaches past it.
    const int step = std::max(8, wins.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, wins.front()));
    const QSize least(std::max(1, r.width() / 3), std::max(1, r.height() / 3));
    int offset = 0;
    for (QMdiSubWindow* s : wins) {
        if (s->isMaximized()) s->showNormal();
        if (offset + least.width() > r.width() || offset + least.height() > r.height()) offset = 0;
        QSize size = s->size().expandedTo(least).boundedTo(QSize(r.width() - offset, r.height() - offset));
        s->setGeometry(QRect(r.topLeft() + QPoint(offset, offset), size));
        s->raise();
        offset += step;
    }
    if (active && wins.back() == active) area->setActiveSubWindow(active);
}

namespace {

void tile(QMdiArea* area, bool horizontal) {
    auto wins = openWindows(area);
    if (wins.empty()) return;
    QRect r = area->viewport()->rect();
    int n = static_cast<int>(wins.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* s = wins[static_cast<std::size_t>(i)];
        if (s->isMaximized()) s->showNormal();
        if (horizontal) {
            int h = r.height() / n;
            s->setGeometry(r.x(), r.y() + i * h, r.width(), i == n - 1 ? r.height() - i * h : h);
        } else {
            int w = r.width() / n;
            s->setGeometry(r.x() + i * w, r.y(), i == n - 1 ? r.width() - i * w : w, r.height());
        }
    }
}
}  // namespace

void MdiArea::tileHorizontal() { tile(areaOf(*this), true); }
void MdiArea::tileVertical() { tile(areaOf(*this), false); }

void MdiArea::minimizeAll() {
    for (QMdiSubWindow* s : areaOf(*this)->subWindowList()) s->showMinimized();
}

void MdiArea::arrangeIcons() {
    QMdiArea* area = areaOf(*this);
    QRect r = area->viewport()->rect();
    int x = 0;
    for (QMdiSubWindow* s : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!s->isMinimized()) continue;
        QSize sz = s->size();
        if (x + sz.width() > r.width() && x > 0) x = 0;
        s->move(x, r.bottom() + 1 - sz.height());
        x += sz.width();
    }
}

void MdiArea::setWindowMenu(MenuItem& menu) {
    a_->windowMenu = submenuOf(menu);
    QObject::connect(a_->windowMenu.data(), &QMenu::aboutToShow, impl().bridge, [this] {
        QMenu* m = a_->windowMenu;
        for (QAction* a : a_->listed) {
            m->removeAction(a);
            a->deleteLater();
        }
        a_->listed.clear();
        Form* active = activeChild();
        int n = 0;
        for (const auto& c : a_->children) {
            if (!c.sub) continue;
            if (n == 0) a_->listed.push_back(m->addSeparator());
            ++n;
            QAction* a = m->addAction(QStringLiteral("&%1 %2").arg(n).arg(c.sub->windowTitle()));
            a->setCheckable(true);
            a->setChecked(c.form == active);
            QPointer<QMdiSubWindow> sub = c.sub;
            QObject::connect(a, &QAction::triggered, a, [this, sub] {
                if (sub) areaOf(*this)->setActiveSubWindow(sub);
            });
            a_->listed.push_back(a);
        }
    });
}

}  // namespace forms
