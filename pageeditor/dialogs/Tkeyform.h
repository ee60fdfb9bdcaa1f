#pragma once
// The keywords and description dialog: two memos the caller fills and reads.
// Enter confirms even inside a memo; Esc cancels.
#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class Label;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class Tkeyform : public EditorDialog {
public:
    Tkeyform();

    forms::Label* Label1 = nullptr;
    forms::TextBox* Memo1 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::TextBox* Memo2 = nullptr;
    forms::Label* Label3 = nullptr;
    forms::Label* Label4 = nullptr;
    forms::SpeedButton* SpeedButton1 = nullptr;  // OK, modal result 1
    forms::SpeedButton* SpeedButton2 = nullptr;  // Cancel, modal result 2

protected:
    void createControls() override;
};

}  // namespace pageeditor
