#pragma once
// A list box. A sorted list keeps its items in the platform's order
// (text::collate: without regard to case) and is stable: a new item goes
// after the items equal to it. Adding n items, one at a time or with
// addItems(), costs O(n log n): items are sorted in when the list is next
// read, and the view is told once.
//
// The selection event onClick runs every time the selection is set to an
// item, by the user or by code (also when it is set to the item already
// selected, and when the user clicks the item already selected); clearing
// the selection (index -1) raises nothing. Removing the selected item leaves
// none selected; removing an item before it keeps it selected at its new
// position. Neither raises the event.
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

class ListBox : public Control {
public:
    ListBox(Form& form, std::string name, Control* container = nullptr, bool sorted = true);
    ~ListBox() override;

    bool sorted() const { return sorted_; }
    void addItem(const std::string& item);
    // Inserts at a position (unsorted lists; a sorted list sorts it in).
    void addItem(const std::string& item, int index);
    void addItems(std::vector<std::string> items);
    void removeItem(int index);
    void clear();
    int listCount() const {
        settle();
        return static_cast<int>(items_.size());
    }
    // The item at a position; "" outside the list.
    const std::string& list(int index) const;
    void setList(int index, const std::string& item);
    const std::vector<std::string>& items() const {
        settle();
        return items_;
    }

    int listIndex() const {
        settle();
        return index_;
    }
    // -1 clears the selection; a position outside the list is ignored.
    void setListIndex(int index);
    // The selected item's text ("" when none).
    std::string text() const;
    // Selects the first item equal to `t` without regard to case; when none
    // is, the selection stays as it is. Returns whether one was found.
    bool setText(const std::string& t);
    int topIndex() const;
    void setTopIndex(int index);
    // Per-item number kept beside each item.
    void setItemData(int index, long value);
    long itemData(int index) const;

    struct Model;

private:
    void select(int index, bool raise);
    void syncView();
    // Sorts the items added since the last read into the list.
    void settle() const;
    void mergeIn(std::vector<std::string> items) const;
    // The view learns of added items once, when events are next processed
    // (or before anything that needs it in step).
    void changed();
    void flush();

    bool sorted_;
    mutable std::vector<std::string> items_;
    mutable std::vector<std::string> pending_;
    mutable std::vector<long> data_;
    mutable int index_ = -1;
    // The selection when the left button was last pressed in the view (-2:
    // no such press pending).
    int pressedOn_ = -2;
    bool syncing_ = false;
    bool dirty_ = false;
    bool flushQueued_ = false;
    Model* model_ = nullptr;
};

}  // namespace forms
