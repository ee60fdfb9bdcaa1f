#include "forms/ComboBox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

#include "forms/EventBridge.h"
#include "forms/QtAccess.h"
#include "text/CaseRules.h"

namespace forms {

namespace {
QComboBox* comboOf(const Control& c) { return static_cast<QComboBox*>(widgetOf(c)); }

// The combo's widget. Enter in the edit part selects no item: the widget
// would pick the item equal to the typed text and report that as the user's
// choice. The key goes on to the form (after the control's key events).
class ComboWidget : public QComboBox {
protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (isEditable() && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
            e->ignore();
            return;
        }
        QComboBox::keyPressEvent(e);
    }
};
}  // namespace

ComboBox::ComboBox(Form& form, std::string name, Control* container, Style style, bool sorted)
    : Control(form, std::move(name), container), style_(style), sorted_(sorted) {
    impl().back = color::Window;
    auto* c = new ComboWidget;
    c->setEditable(style == Style::DropDown);
    // Typing completes nothing and picks no item: the edit part holds what
    // was typed.
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(8);
    attachWidget(*this, c);
    impl().synthesizeClick = false;
    if (QLineEdit* e = c->lineEdit()) {
        impl().bridge->watch(e);
        QObject::connect(e, &QLineEdit::textChanged, impl().bridge, [this] {
            if (syncing_) return;
            if (auto fn = onChange) fn();
        });
    }
    QObject::connect(c, &QComboBox::activated, impl().bridge, [this](int) {
        if (auto fn = onClick) fn();
    });
}

int ComboBox::addItem(const std::string& item) {
    QComboBox* c = comboOf(*this);
    int pos = c->count();
    if (sorted_) {
        // After the items equal to it.
        int lo = 0, hi = c->count();
        while (lo < hi) {
            int mid = (lo + hi) / 2;
            if (text::collate(item, ansiOf(c->itemText(mid))) < 0)
                hi = mid;
            else
                lo = mid + 1;
        }
        pos = lo;
    }
    syncing_ = true;
    std::string keep = text();
    const bool none = c->currentIndex() < 0;
    c->insertItem(pos, qs(item));
    // The widget selects the first item put into an empty list; adding
    // selects nothing.
    if (none && c->currentIndex() >= 0) c->setCurrentIndex(-1);
    if (style_ == Style::DropDown && c->lineEdit()) c->lineEdit()->setText(qs(keep));
    syncing_ = false;
    return pos;
}

void ComboBox::removeItem(int index) {
    if (index < 0 || index >= listCount()) return;
    QComboBox* c = comboOf(*this);
    const bool selected = c->currentIndex() == index;
    const std::string keep = text();
    syncing_ = true;
    c->removeItem(index);
    // The widget moves the selection off a removed item onto another one;
    // removing the selected item leaves none selected (a typed text stays).
    if (selected) {
        c->setCurrentIndex(-1);
        if (style_ == Style::DropDown && c->lineEdit()) c->lineEdit()->setText(qs(keep));
    }
    syncing_ = false;
}

void ComboBox::clear() {
    syncing_ = true;
    comboOf(*this)->clear();
    syncing_ = false;
}

int ComboBox::listCount() const { return comboOf(*this)->count(); }
std::string ComboBox::list(int index) const {
    if (index < 0 || index >= listCount()) return {};
    return ansiOf(comboOf(*this)->itemText(index));
}

int ComboBox::listIndex() const { return comboOf(*this)->currentIndex(); }

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) return;
    QComboBox* c = comboOf(*this);
    c->setCurrentIndex(index);
    if (index >= 0) {
        if (auto fn = onClick) fn();
    }
}

std::string ComboBox::text() const {
    QComboBox* c = comboOf(*this);
    return ansiOf(c->isEditable() ? c->currentText() : (c->currentIndex() >= 0 ? c->currentText() : QString()));
}

void ComboBox::setText(const std::string& t) {
    QComboBox* c = comboOf(*this);
    if (c->isEditable()) {
        c->setEditText(qs(t));
        return;
    }
    for (int i = 0; i < c->count(); ++i)
        if (text::equalsNoCase(ansiOf(c->itemText(i)), t)) {
            setListIndex(i);
            return;
        }
}

}  // namespace forms
