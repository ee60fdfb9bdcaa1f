#pragma once
// The table dialog (Tinstbl): one form for the whole run, created at
// start-up in its place in the order of the editor's forms. It sets the rows
// and columns, border, cell spacing and padding, background colour and the
// position box of a new or an edited table; its values stay between
// showings.
#include <cstdint>
#include <string>

#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class CheckBox;
class Label;
class Panel;
class SpeedButton;
}  // namespace forms

namespace pageeditor {

class SpinEdit;

class Tinstbl : public EditorDialog {
public:
    Tinstbl();

    // Components, in creation order.
    forms::Label* Label1 = nullptr;
    SpinEdit* SpinEdit1 = nullptr;  // rows
    forms::Label* Label2 = nullptr;
    SpinEdit* SpinEdit2 = nullptr;  // columns
    forms::Label* Label3 = nullptr;
    SpinEdit* SpinEdit3 = nullptr;  // border
    forms::Label* Label4 = nullptr;
    SpinEdit* SpinEdit4 = nullptr;  // cell spacing
    forms::Label* Label5 = nullptr;
    SpinEdit* SpinEdit5 = nullptr;  // cell padding
    forms::Label* Label6 = nullptr;
    forms::Panel* Panel1 = nullptr;              // the colour box
    forms::SpeedButton* SpeedButton3 = nullptr;  // "Bez koloru"
    forms::CheckBox* CheckBox3 = nullptr;        // "&Pozycja względem tekstu"
    forms::SpeedButton* SpeedButton1 = nullptr;  // OK
    forms::SpeedButton* SpeedButton2 = nullptr;  // Cancel

    // 1 while an existing table is edited, 0 for a new one.
    unsigned char TableEditMode = 0;
    long OrigRows = 0, OrigCols = 0;

    // The colour box's colour (0x00BBGGRR; the button-face colour is no colour).
    std::uint32_t color() const { return color_; }
    void setColor(std::uint32_t c);

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Panel1Click();
    void SpinEdit4Change(SpinEdit& edit);

protected:
    void createControls() override;
    void onKeyDown(int& keyCode, int shift) override;

private:
    std::uint32_t color_;
};

}  // namespace pageeditor
