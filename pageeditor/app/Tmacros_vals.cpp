#include "pageeditor/app/Tmacros_vals.h"

#include <algorithm>

#include "forms/ComboBox.h"
#include "forms/Label.h"
#include "forms/ModalAnswers.h"
#include "forms/Panel.h"
#include "forms/ScrollBar.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/Tlinkinsert.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace pageeditor {

namespace {
constexpr int kTop = 24;      // first row, below the column titles
constexpr int kRowHeight = 24;
constexpr int kScrollWidth = 16;
constexpr int kUp = 38, kDown = 40;  // virtual key codes

std::string trText(const std::string& s) {
    TMainForm* m = MainForm();
    return m ? m->tr(s) : s;
}

bool contains(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }
}  // namespace

Tmacros_vals::Tmacros_vals() : EditorDialog("Tmacros_vals", text::ansi("Wymagane parametry:"), 240, 240, EditorDialog::EnterAndEsc) {}

void Tmacros_vals::createControls() {
    using namespace forms;
    using text::ansi;
    // Controls are made afresh at every load: rows of an earlier load are gone.
    pool_.clear();
    rows_ = 0;
    selected_ = -1;
    vals = add<Panel>("vals");
    vals->setBevel(Panel::Bevel::Lowered);
    vals->move(4, 4, kKeyWidth + kValueWidth + 12, kTop + 4 * kRowHeight + 4);
    Label1 = add<Label>("Label1", vals);
    Label1->move(4, 4, kKeyWidth, 18);
    Label1->setCaption(ansi("Parametr:"));
    Label2 = add<Label>("Label2", vals);
    Label2->move(kKeyWidth + 8, 4, kValueWidth, 18);
    Label2->setCaption(ansi("Zawartość:"));
    BitBtn1 = add<SpeedButton>("BitBtn1");
    BitBtn1->setCaption("&Ok");
    BitBtn1->setFlat(false);
    BitBtn1->onClick = [this] { setModalResult(1); };
    if (const ImageList* glyphs = buttonGlyphs()) BitBtn1->setGlyph(*glyphs, 0);
    view = add<Panel>("view", vals);
    sheet = add<Panel>("sheet", view);
    scroll = add<ScrollBar>("scroll", vals);
    scroll->onChange = [this] { scrolled(); };
    layout();
}

void Tmacros_vals::layout() {
    if (!vals) return;
    int shown = std::clamp(rows_, 1, kVisibleRows);
    bool scrolls = rows_ > kVisibleRows;
    int rowsWidth = kKeyWidth + kValueWidth + 8;
    int gridWidth = rowsWidth + 4 + (scrolls ? kScrollWidth : 0);
    int gridHeight = kTop + shown * kRowHeight + 4;
    vals->move(4, 4, gridWidth, gridHeight);
    view->move(0, kTop, rowsWidth, shown * kRowHeight);
    scroll->move(rowsWidth, kTop, kScrollWidth, shown * kRowHeight);
    scroll->setVisible(scrolls);
    scroll->setPageStep(kVisibleRows);
    scroll->setRange(0, scrolls ? rows_ - kVisibleRows : 0);
    BitBtn1->move(gridWidth + 4 - 84, gridHeight + 10, 84, 30);
    setClientSize(gridWidth + 8, gridHeight + 50);
    scrolled();
}

int Tmacros_vals::firstShownRow() const { return scroll ? scroll->position() : 0; }

void Tmacros_vals::scrolled() {
    if (sheet) sheet->move(0, -firstShownRow() * kRowHeight, kKeyWidth + kValueWidth + 8, std::max(rows_, 1) * kRowHeight);
}

void Tmacros_vals::showRow(int row) {
    if (!scroll || row < 0 || row >= rows_) return;
    if (row < firstShownRow())
        scroll->setPosition(row);
    else if (row >= firstShownRow() + kVisibleRows)
        scroll->setPosition(row - kVisibleRows + 1);
}

void Tmacros_vals::clearRows() {
    for (Row& r : pool_) {
        r.key->setVisible(false);
        r.value->setVisible(false);
        r.value->setText("");
    }
    rows_ = 0;
    selected_ = -1;
    layout();
}

void Tmacros_vals::addRow(const std::string& key) {
    if (!vals) load();
    for (int i = 0; i < rows_; ++i)
        if (pool_[static_cast<std::size_t>(i)].key->caption() == key) return;
    if (rows_ == static_cast<int>(pool_.size())) {
        int n = rows_;
        Row r;
        r.key = add<forms::Label>("vals_key" + std::to_string(n), sheet);
        r.value = add<forms::TextBox>("vals_value" + std::to_string(n), sheet);
        r.key->onClick = guarded([this, n] { cellSelected(n); });
        r.value->onClick = guarded([this, n] { cellSelected(n); });
        r.value->onGotFocus = guarded([this, n] {
            showRow(n);
            cellSelected(n);
        });
        // The arrow keys move between the rows' values, as in a grid.
        r.value->onKeyDown = [this, n](int& keyCode, int) {
            int to = keyCode == kDown ? n + 1 : keyCode == kUp ? n - 1 : -1;
            if (to < 0 || to >= rows_) return;
            keyCode = 0;
            showRow(to);
            pool_[static_cast<std::size_t>(to)].value->setFocus();
        };
        pool_.push_back(r);
    }
    Row& r = pool_[static_cast<std::size_t>(rows_)];
    int y = rows_ * kRowHeight;
    r.key->move(4, y + 3, kKeyWidth, 18);
    r.key->setShowAccelChar(false);
    r.key->setCaption(key);
    r.value->move(kKeyWidth + 8, y, kValueWidth, 22);
    r.value->setText("");
    r.key->setVisible(true);
    r.value->setVisible(true);
    ++rows_;
    layout();
}

std::string Tmacros_vals::key(int row) const {
    return row >= 0 && row < rows_ ? pool_[static_cast<std::size_t>(row)].key->caption() : std::string();
}

std::string Tmacros_vals::value(int row) const {
    return row >= 0 && row < rows_ ? pool_[static_cast<std::size_t>(row)].value->text() : std::string();
}

void Tmacros_vals::setValue(int row, const std::string& value) {
    if (row >= 0 && row < rows_) pool_[static_cast<std::size_t>(row)].value->setText(value);
}

forms::TextBox* Tmacros_vals::valueCell(int row) const {
    return row >= 0 && row < rows_ ? pool_[static_cast<std::size_t>(row)].value : nullptr;
}

std::map<std::string, std::string> Tmacros_vals::values() const {
    std::map<std::string, std::string> out;
    for (int i = 0; i < rows_; ++i) out.emplace(key(i), value(i));
    return out;
}

int Tmacros_vals::showGrid() {
    if (!vals) load();
    Label1->setCaption(trText(text::ansi("Parametr:")));
    Label2->setCaption(trText(text::ansi("Zawartość:")));
    selected_ = -1;
    scroll->setPosition(0);
    BitBtn1->setFocus();  // no cell is selected until the user picks one
    return showModal();
}

void Tmacros_vals::cellSelected(int row) {
    // A grid reports a cell only when the selection moves to it: the focus
    // coming back to the cell after a dialog asks nothing again.
    if (row == selected_) return;
    selectCell(row);
}

void Tmacros_vals::selectCell(int row) {
    if (row < 0 || row >= rows_) return;
    selected_ = row;
    std::string k = text::lower(key(row));
    if (contains(k, "farbe") || contains(k, "kolor") || contains(k, "color")) {
        std::uint32_t color = 0;
        if (forms::modal().colorDialog(0, color)) setValue(row, util_getcolor(color));
    }
    if (contains(k, "adres")) {
        EditorForms* f = editorForms();
        if (f && f->linkinsert) {
            forms::Form& link = *f->linkinsert;
            if (link.showModal() == 1) {
                // The dialog's address field (an editable combo box; a plain edit in an older layout).
                forms::Component* field = link.find("edit971");
                if (auto* box = dynamic_cast<forms::ComboBox*>(field)) setValue(row, box->text());
                else if (auto* edit = dynamic_cast<forms::TextBox*>(field)) setValue(row, edit->text());
            }
        }
    }
}

}  // namespace pageeditor
