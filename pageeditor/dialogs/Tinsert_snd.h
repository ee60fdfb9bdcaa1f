#pragma once
// The background sound dialog (Tinsert_snd): the sound file or address and
// how often it repeats. Its OK brings a local sound beside the site's pages
// and names it bare; snd_getsnd shows it and gives the BGSOUND tag. One form
// for the whole run; the components are in the order the language pack
// addresses them.
#include <string>

#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class CheckBox;
class Image;
class Label;
class Shape;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class FileChooser;
class SpinEdit;

class Tinsert_snd : public EditorDialog {
public:
    Tinsert_snd();

    forms::Shape* Bevel1 = nullptr;               // 0
    forms::Label* Label1 = nullptr;               // 1
    forms::SpeedButton* SpeedButton1 = nullptr;   // 2 browse
    forms::Label* Label2 = nullptr;               // 3
    forms::SpeedButton* SpeedButton2 = nullptr;   // 4 OK
    forms::SpeedButton* SpeedButton3 = nullptr;   // 5 Cancel
    forms::Image* Image2 = nullptr;               // 6
    SpinEdit* SpinEdit1 = nullptr;                // 7 repeat count
    forms::CheckBox* CheckBox1 = nullptr;         // 8 repeat forever
    forms::TextBox* Edit1 = nullptr;              // 9 the sound file
    FileChooser* OpenDialog1 = nullptr;           // 10

    // Shows the dialog; the BGSOUND tag after OK, empty text otherwise.
    std::string snd_getsnd();

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void CheckBox1Click();

protected:
    void createControls() override;
    void onShow() override;
    void onKeyDown(int& keyCode, int shift) override;
};

}  // namespace pageeditor
