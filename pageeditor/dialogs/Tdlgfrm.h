#pragma once
// The one-line input dialog (input_box): a prompt, an edit and two buttons
// whose captions the caller gives.
#include <string>

#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class CommandButton;
class Label;
class TextBox;
}  // namespace forms

namespace pageeditor {

class Tdlgfrm : public EditorDialog {
public:
    Tdlgfrm();

    forms::Label* Label1 = nullptr;
    forms::TextBox* Edit1 = nullptr;
    forms::CommandButton* Button1 = nullptr;  // OK, modal result 1
    forms::CommandButton* Button2 = nullptr;  // Cancel, modal result 2

    // Shows the dialog modally. On OK `result` becomes the edit's text, or
    // "about:blank" when the edit is empty; otherwise it keeps its value.
    void input_box(const std::string& caption, const std::string& prompt, std::string& result,
                   const std::string& cancelCaption, const std::string& okCaption, const std::string& defaultText);

protected:
    void createControls() override;
};

}  // namespace pageeditor
