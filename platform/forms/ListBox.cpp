#include "forms/ListBox.h"

#include <QAbstractListModel>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

#include "forms/EventBridge.h"
#include "forms/QtAccess.h"
#include "text/CaseRules.h"

namespace forms {

struct ListBox::Model : QAbstractListModel {
    explicit Model(ListBox& owner) : owner_(owner) {}
    // The rows the view was last told of; the items may be ahead of it
    // until the next notification.
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_ ||
            index.row() >= static_cast<int>(owner_.items_.size()))
            return {};
        return qs(owner_.items_[static_cast<std::size_t>(index.row())]);
    }
    void removeRowAt(int row, const std::function<void()>& change) {
        beginRemoveRows({}, row, row);
        change();
        rows_ = static_cast<int>(owner_.items_.size());
        endRemoveRows();
    }
    void resetWith(const std::function<void()>& change) {
        beginResetModel();
        change();
        rows_ = static_cast<int>(owner_.items_.size());
        endResetModel();
    }
    void changed(int row) { emit dataChanged(index(row), index(row)); }

    ListBox& owner_;
    int rows_ = 0;
};

namespace {
// Tells the list box of each press of the left button in its view, before
// the view acts on it. Only the left button selects: presses of the others
// reach the control's mouse events (which see them first) but not the view.
struct PressWatch : QObject {
    explicit PressWatch(std::function<void()> fn) : fn_(std::move(fn)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonDblClick) return false;
        if (static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton) return true;
        if (e->type() == QEvent::MouseButtonPress) fn_();
        return false;
    }
    std::function<void()> fn_;
};

QListView* viewOf(const Control& c) { return static_cast<QListView*>(widgetOf(c)); }
bool before(const std::string& a, const std::string& b) { return text::collate(a, b) < 0; }
const std::string kEmpty;
}  // namespace

ListBox::ListBox(Form& form, std::string name, Control* container, bool sorted)
    : Control(form, std::move(name), container), sorted_(sorted) {
    impl().back = color::Window;
    auto* v = new QListView;
    v->setUniformItemSizes(true);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    model_ = new Model(*this);
    v->setModel(model_);
    model_->setParent(v);
    attachWidget(*this, v);
    impl().synthesizeClick = false;
    // A click on the item already selected selects it again: the view's
    // current row stays as it is, so the event is raised here. The watch
    // goes on before the bridge, so that the bridge sees each press first.
    auto* watch = new PressWatch([this] { pressedOn_ = index_; });
    watch->setParent(v->viewport());
    v->viewport()->installEventFilter(watch);
    QObject::connect(v, &QAbstractItemView::pressed, impl().bridge, [this](const QModelIndex& at) {
        const int was = pressedOn_;
        pressedOn_ = -2;
        if (at.isValid() && at.row() == was && at.row() == index_ && onClick) onClick();
    });
    impl().bridge->watch(v->viewport());
    v->viewport()->setMouseTracking(true);
    // The user's selection (a click, the keyboard). The view's current row
    // alone is no selection: it moves there by itself when the list gets the
    // focus, which selects nothing.
    QObject::connect(v->selectionModel(), &QItemSelectionModel::selectionChanged, impl().bridge,
                     [this](const QItemSelection& selected, const QItemSelection&) {
                         if (syncing_) return;
                         if (!selected.indexes().isEmpty()) {
                             select(selected.indexes().front().row(), true);
                             return;
                         }
                         // The view drops its selection on a click below the
                         // last item; the user cannot clear a list's
                         // selection, so it is shown again.
                         QListView* v = viewOf(*this);
                         if (index_ >= 0 && v && !v->selectionModel()->hasSelection()) syncView();
                     });
}

ListBox::~ListBox() = default;

void ListBox::addItem(const std::string& item) {
    if (!sorted_ || (pending_.empty() && (items_.empty() || !before(item, items_.back())))) {
        // In order (or unsorted): it goes at the end.
        items_.push_back(item);
        if (!data_.empty()) data_.push_back(0);
    } else {
        pending_.push_back(item);
    }
    changed();
}

void ListBox::addItem(const std::string& item, int index) {
    if (sorted_) {
        addItem(item);
        return;
    }
    settle();
    index = std::clamp(index, 0, static_cast<int>(items_.size()));
    items_.insert(items_.begin() + index, item);
    if (!data_.empty()) data_.insert(data_.begin() + index, 0);
    if (index_ >= index) ++index_;
    changed();
}

void ListBox::addItems(std::vector<std::string> items) {
    if (items.empty()) return;
    settle();
    mergeIn(std::move(items));
    changed();
}

void ListBox::settle() const {
    if (pending_.empty()) return;
    std::vector<std::string> p;
    p.swap(pending_);
    mergeIn(std::move(p));
}

void ListBox::mergeIn(std::vector<std::string> items) const {
    // Where the selected item stands among the items equal to it: a stable
    // merge keeps that rank, and new equal items go after all of them.
    std::string selected = index_ >= 0 ? items_[static_cast<std::size_t>(index_)] : std::string();
    int rank = 0;
    if (index_ >= 0 && sorted_)
        for (int i = index_ - 1; i >= 0 && text::collate(items_[static_cast<std::size_t>(i)], selected) == 0; --i)
            ++rank;
    std::size_t mid = items_.size();
    if (!data_.empty()) data_.resize(mid + items.size(), 0);
    if (sorted_ && !data_.empty()) {
        // Keep each item's number with it through the merge.
        std::vector<std::pair<std::string, long>> all;
        all.reserve(mid + items.size());
        for (std::size_t i = 0; i < mid; ++i) all.emplace_back(std::move(items_[i]), data_[i]);
        for (auto& s : items) all.emplace_back(std::move(s), 0);
        auto cmp = [](const auto& a, const auto& b) { return before(a.first, b.first); };
        std::stable_sort(all.begin() + static_cast<std::ptrdiff_t>(mid), all.end(), cmp);
        std::inplace_merge(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(mid), all.end(), cmp);
        items_.clear();
        for (std::size_t i = 0; i < all.size(); ++i) {
            items_.push_back(std::move(all[i].first));
            data_[i] = all[i].second;
        }
    } else {
        items_.reserve(mid + items.size());
        for (auto& s : items) items_.push_back(std::move(s));
        if (sorted_) {
            auto m = items_.begin() + static_cast<std::ptrdiff_t>(mid);
            if (!std::is_sorted(m, items_.end(), before)) std::stable_sort(m, items_.end(), before);
            if (mid > 0 && m != items_.end() && before(*m, *(m - 1)))
                std::inplace_merge(items_.begin(), m, items_.end(), before);
        }
    }
    if (index_ >= 0 && sorted_)
        index_ = static_cast<int>(std::lower_bound(items_.begin(), items_.end(), selected, before) - items_.begin()) +
                 rank;
}

void ListBox::changed() {
    dirty_ = true;
    if (flushQueued_) return;
    flushQueued_ = true;
    QTimer::singleShot(0, impl().bridge, [this] {
        flushQueued_ = false;
        flush();
    });
}

void ListBox::flush() {
    settle();
    if (!dirty_) return;
    dirty_ = false;
    model_->resetWith([] {});
    syncView();
}

void ListBox::removeItem(int index) {
    flush();
    if (index < 0 || index >= listCount()) return;
    // The view moves its current row off a removed one by itself; that is
    // no selection of the user's, and the list decides its selection below.
    syncing_ = true;
    model_->removeRowAt(index, [&] {
        items_.erase(items_.begin() + index);
        if (!data_.empty()) data_.erase(data_.begin() + index);
    });
    syncing_ = false;
    if (index_ == index)
        index_ = -1;
    else if (index_ > index)
        --index_;
    syncView();
}

void ListBox::clear() {
    dirty_ = false;
    model_->resetWith([&] {
        items_.clear();
        pending_.clear();
        data_.clear();
    });
    index_ = -1;
    syncView();
}

const std::string& ListBox::list(int index) const {
    settle();
    if (index < 0 || index >= listCount()) return kEmpty;
    return items_[static_cast<std::size_t>(index)];
}

void ListBox::setList(int index, const std::string& item) {
    flush();
    if (index < 0 || index >= listCount()) return;
    items_[static_cast<std::size_t>(index)] = item;
    model_->changed(index);
}

void ListBox::setListIndex(int index) {
    settle();
    if (index < -1 || index >= listCount()) return;
    select(index, true);
}

void ListBox::select(int index, bool raise) {
    index_ = index;
    syncView();
    if (raise && index >= 0 && onClick) onClick();
}

void ListBox::syncView() {
    QListView* v = viewOf(*this);
    if (!v) return;
    if (dirty_) {
        // The view catches up first, so that the row exists there.
        settle();
        dirty_ = false;
        model_->resetWith([] {});
    }
    syncing_ = true;
    if (index_ < 0) {
        v->selectionModel()->clearSelection();
        v->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
    } else {
        QModelIndex i = model_->index(index_);
        v->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
        v->scrollTo(i);
    }
    syncing_ = false;
}

std::string ListBox::text() const {
    settle();
    return index_ >= 0 ? items_[static_cast<std::size_t>(index_)] : std::string();
}

bool ListBox::setText(const std::string& t) {
    settle();
    for (int i = 0; i < listCount(); ++i) {
        if (text::equalsNoCase(items_[static_cast<std::size_t>(i)], t)) {
            select(i, true);
            return true;
        }
    }
    return false;
}

int ListBox::topIndex() const {
    const_cast<ListBox*>(this)->flush();
    QListView* v = viewOf(*this);
    QModelIndex i = v->indexAt(QPoint(2, 2));
    return i.isValid() ? i.row() : 0;
}

void ListBox::setTopIndex(int index) {
    flush();
    if (index < 0 || index >= listCount()) return;
    viewOf(*this)->scrollTo(model_->index(index), QAbstractItemView::PositionAtTop);
}

void ListBox::setItemData(int index, long value) {
    settle();
    if (index < 0 || index >= listCount()) return;
    if (data_.empty()) data_.assign(items_.size(), 0);
    data_[static_cast<std::size_t>(index)] = value;
}

long ListBox::itemData(int index) const {
    settle();
    if (index < 0 || index >= listCount() || data_.empty()) return 0;
    return data_[static_cast<std::size_t>(index)];
}

}  // namespace forms
