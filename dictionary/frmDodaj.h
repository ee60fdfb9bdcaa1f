#pragma once
// The editor of the user's own word base "Edycja bazy wyrazów użytkownika":
// y.dat (headwords) and x.dat (entry lines) in two parallel lists, new entry
// lines composed from a few fields, changes, deletions, and a save that
// writes both files back.
#include <string>

#include "dictionary/OwnEntryLine.h"
#include "dictionary/OwnWordBase.h"
#include "forms/Form.h"

namespace forms {
class CheckBox;
class ComboBox;
class Frame;
class Label;
class ListBox;
class OptionButton;
class Shape;
class TextBox;
}  // namespace forms

namespace dictionary {

class frmDodaj : public forms::Form {
public:
    frmDodaj();

    forms::Frame *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr, *Frame5 = nullptr,
                 *Frame6 = nullptr;
    forms::ComboBox* Combo1 = nullptr;
    forms::TextBox *txtNiem = nullptr, *txtPol = nullptr, *txtPL = nullptr, *txtKon = nullptr, *txtZmien = nullptr;
    forms::CheckBox* chkPlural = nullptr;
    forms::Label* Label2 = nullptr;
    forms::OptionButton *optDer = nullptr, *optDie = nullptr, *optDas = nullptr, *optDerDie = nullptr;
    forms::ListBox *lstWyrazy = nullptr, *lstZnaczenia = nullptr;
    // The label buttons and the shapes behind them.
    forms::Label *lblDodaj = nullptr, *Label13 = nullptr, *Label1 = nullptr, *Label14 = nullptr, *Label3 = nullptr;
    forms::Shape *Shape2 = nullptr, *Shape3 = nullptr, *Shape1 = nullptr, *Shape4 = nullptr, *Shape5 = nullptr;

    // The parts of the entry built last; kept while the window is closed.
    OwnEntryLine entry;
    std::string strWiersz;

    void Form_Load();
    void Combo1_Click();
    void txtNiem_Change();
    void special_KeyDown(forms::TextBox& box, int& keyCode);
    void lblDodaj_Click();
    void lstWyrazy_Click();
    void lstZnaczenia_Click();
    void Label1_Click();
    void Label13_Click();
    void Label14_Click();
    void Label3_Click();
    void Form_MouseMove();

    // Whether there are changes not yet saved.
    bool modified() const { return modified_; }
    // Asks before unsaved changes go: saves them (Yes), drops them (No), or
    // keeps the window (Cancel, or a save that failed): false then.
    bool confirmClose();
    // Saves both files; false (and said to the user) when they could not be written.
    bool save();

protected:
    void createControls() override;
    void onLoad() override { Form_Load(); }
    void onQueryUnload(bool& cancel, bool fromUser) override;
    void onMouseMove(int, int, float, float) override { Form_MouseMove(); }

private:
    void placeButtons();
    void insertPair(std::size_t index);
    void removePair(std::size_t index);
    OwnWordBase base_;
    bool modified_ = false;
    bool saveBlocked_ = false;
};

}  // namespace dictionary
