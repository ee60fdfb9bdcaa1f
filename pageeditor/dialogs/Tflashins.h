#pragma once
// The Flash dialog (Tflashins): the movie file or address, the playback
// quality and the position box. Its OK brings a local movie into the site's
// media folder and names it "data\" + its name; the editor frame builds the
// tag and inserts it. One form for the whole run.
#include <optional>
#include <string>

#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class CheckBox;
class ComboBox;
class Label;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class FileChooser;

class Tflashins : public EditorDialog {
public:
    Tflashins();

    forms::Label* Label1 = nullptr;
    forms::TextBox* Edit1 = nullptr;  // movie file name or address
    forms::SpeedButton* SpeedButton1 = nullptr;  // browse
    forms::Label* Label2 = nullptr;
    forms::ComboBox* ComboBox1 = nullptr;  // quality
    forms::CheckBox* CheckBox3 = nullptr;  // position box
    forms::SpeedButton* SpeedButton2 = nullptr;  // OK
    forms::SpeedButton* SpeedButton3 = nullptr;  // Cancel
    FileChooser* OpenDialog1 = nullptr;

    // The geometry of the style rule, kept from the last element read back.
    std::string Geometry;
    // The movie as the edited element names it (none for a new movie): OK
    // leaves that name as it is.
    std::optional<std::string> PageFile;

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();

protected:
    void createControls() override;
    void onKeyDown(int& keyCode, int shift) override;
};

}  // namespace pageeditor
