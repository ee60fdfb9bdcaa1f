#pragma once
// The background settings (Tbgset): a colour box and a picture with a browse
// button, OK and Cancel. One form for the whole run, created at start-up in
// its place in the order of the editor's forms; no command shows it.
#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class Label;
class Panel;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class ColourChooser;
class FileChooser;

class Tbgset : public EditorDialog {
public:
    Tbgset();

    forms::Label* Label1 = nullptr;
    forms::Panel* Panel1 = nullptr;  // colour box; a click opens the colour dialog
    forms::Label* Label2 = nullptr;
    forms::TextBox* Edit1 = nullptr;  // the picture
    forms::SpeedButton* SpeedButton3 = nullptr;  // browse
    forms::SpeedButton* SpeedButton1 = nullptr;  // OK
    forms::SpeedButton* SpeedButton2 = nullptr;  // Cancel
    FileChooser* OpenPictureDialog1 = nullptr;
    ColourChooser* ColorDialog1 = nullptr;

protected:
    void createControls() override;
};

}  // namespace pageeditor
