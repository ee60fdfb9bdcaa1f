#pragma once
// The value grid of clip-library macros (Tmacros_vals, "Wymagane parametry:"):
// one form for the whole run, created at start-up in its place in the order
// of the editor's forms. The grid `vals` holds one row per value macro: the
// key (the translated argument) and the value the user types. At most 16
// rows show at a time; with more, a scroll bar beside them and the keyboard
// (Tab, the arrow keys) reach every row. Enter takes what was typed and
// closes with OK. It has only an OK button; however it closes, the values
// are taken.
#include <map>
#include <string>
#include <vector>

#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class Label;
class Panel;
class ScrollBar;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class Tmacros_vals : public EditorDialog {
public:
    Tmacros_vals();

    // Components, in creation order (the language pack's order).
    forms::Panel* vals = nullptr;          // 0: the grid
    forms::Label* Label1 = nullptr;        // 1: key column title
    forms::Label* Label2 = nullptr;        // 2: value column title
    forms::SpeedButton* BitBtn1 = nullptr; // 3: "&Ok"
    // The rows' view (below the titles), the sheet of rows in it that
    // scrolls, and its scroll bar; rows are made as needed after these and
    // kept for later showings.
    forms::Panel* view = nullptr;
    forms::Panel* sheet = nullptr;
    forms::ScrollBar* scroll = nullptr;

    static constexpr int kKeyWidth = 110;
    static constexpr int kValueWidth = 106;
    static constexpr int kVisibleRows = 16;

    // The first row in view.
    int firstShownRow() const;

    // The rows of the grid.
    void clearRows();
    // Adds a row with an empty value unless one with this key exists.
    void addRow(const std::string& key);
    int rowCount() const { return rows_; }
    std::string key(int row) const;
    std::string value(int row) const;
    void setValue(int row, const std::string& value);
    std::map<std::string, std::string> values() const;
    forms::TextBox* valueCell(int row) const;

    // Sets the column titles (through tr) and shows the grid modally.
    int showGrid();

    // A cell of the row is selected: a colour key asks for a colour, an
    // address key for a link address, either written into the value.
    void selectCell(int row);

protected:
    void createControls() override;

private:
    struct Row {
        forms::Label* key = nullptr;
        forms::TextBox* value = nullptr;
    };
    void layout();
    void scrolled();
    void showRow(int row);
    void cellSelected(int row);

    std::vector<Row> pool_;
    int rows_ = 0;
    int selected_ = -1;
};

}  // namespace pageeditor
