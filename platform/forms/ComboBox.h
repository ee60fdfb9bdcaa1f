#pragma once
// A combo box: a text box with a drop-down list (DropDown), or a pick list
// only (DropDownList). A sorted combo keeps its list in the platform's order.
// onChange runs when the typed text changes; onClick when an item of the
// list is selected, by the user or by code. Adding items selects none of
// them; removing the selected item leaves none selected, removing one before
// it keeps it selected; neither raises an event.
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

class ComboBox : public Control {
public:
    enum class Style { DropDown, DropDownList };
    ComboBox(Form& form, std::string name, Control* container = nullptr, Style style = Style::DropDown,
             bool sorted = false);

    int addItem(const std::string& item);
    void removeItem(int index);
    void clear();
    int listCount() const;
    std::string list(int index) const;
    int listIndex() const;
    void setListIndex(int index);  // -1 clears
    std::string text() const;
    // Sets the text; in a pick list, selects the first item equal to it
    // without regard to case (none equal: the selection stays).
    void setText(const std::string& t);

    std::function<void()> onChange;

private:
    Style style_;
    bool sorted_;
    bool syncing_ = false;
};

}  // namespace forms
