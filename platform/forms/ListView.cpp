#include "forms/ListView.h"

#include <QListWidget>

#include "forms/EventBridge.h"
#include "forms/ImageListAccess.h"
#include "forms/PopupMenu.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
QListWidget* listOf(const Control& c) { return static_cast<QListWidget*>(widgetOf(c)); }
constexpr int kImageRole = Qt::UserRole + 1;
}  // namespace

ListView::ListView(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* l = new QListWidget;
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setMovement(QListView::Static);
    l->setResizeMode(QListView::Adjust);
    l->setWordWrap(true);
    attachWidget(*this, l);
    impl().bridge->watch(l->viewport());
    l->viewport()->setMouseTracking(true);
    QObject::connect(l, &QListWidget::itemSelectionChanged, impl().bridge, [this] {
        if (onChange) onChange();
    });
    applyStyle();
}

void ListView::applyStyle() {
    QListWidget* l = listOf(*this);
    const ImageList* images = style_ == ViewStyle::Icon ? large_ : small_;
    if (style_ == ViewStyle::Icon) {
        l->setViewMode(QListView::IconMode);
        l->setIconSize(QSize(32, 32));
        l->setGridSize(QSize(84, 64));
        l->setFlow(QListView::LeftToRight);
        l->setWrapping(true);
    } else {
        l->setViewMode(QListView::ListMode);
        l->setIconSize(QSize(16, 16));
        l->setGridSize(QSize());
        l->setFlow(style_ == ViewStyle::List ? QListView::TopToBottom : QListView::LeftToRight);
        l->setWrapping(style_ == ViewStyle::SmallIcon);
    }
    for (int i = 0; i < l->count(); ++i) {
        QListWidgetItem* it = l->item(i);
        it->setIcon(iconOf(images, it->data(kImageRole).toInt()));
    }
}

void ListView::setViewStyle(ViewStyle s) {
    style_ = s;
    applyStyle();
}
void ListView::setLargeImages(const ImageList& list) {
    large_ = &list;
    applyStyle();
}
void ListView::setSmallImages(const ImageList& list) {
    small_ = &list;
    applyStyle();
}

void ListView::setPopupMenu(PopupMenu& menu) { menu.attachTo(*this); }

void ListView::clear() { listOf(*this)->clear(); }

int ListView::addItem(const std::string& caption, int imageIndex) {
    QListWidget* l = listOf(*this);
    auto* it = new QListWidgetItem(qs(caption));
    it->setData(kImageRole, imageIndex);
    it->setIcon(iconOf(style_ == ViewStyle::Icon ? large_ : small_, imageIndex));
    l->addItem(it);
    return l->count() - 1;
}

int ListView::count() const { return listOf(*this)->count(); }

std::string ListView::caption(int index) const {
    QListWidgetItem* it = listOf(*this)->item(index);
    return it ? ansiOf(it->text()) : std::string();
}

int ListView::imageIndex(int index) const {
    QListWidgetItem* it = listOf(*this)->item(index);
    return it ? it->data(kImageRole).toInt() : -1;
}

int ListView::selectedIndex() const {
    auto sel = listOf(*this)->selectedItems();
    return sel.isEmpty() ? -1 : listOf(*this)->row(sel.front());
}

void ListView::setSelectedIndex(int index) {
    QListWidget* l = listOf(*this);
    if (index < 0 || index >= l->count())
        l->clearSelection();
    else
        l->setCurrentRow(index);
}

}  // namespace forms
