#pragma once
// The link dialog (Tlinkinsert): the address (typed, picked from the open
// site's pages or chosen as a file), the title and the target of a link; for
// a new link to an archive, PDF, music, Word or drawing file it offers a
// download note. One form for the whole run; the editor frame fills it,
// shows it and applies the result.
#include <string>
#include <vector>

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

class Tlinkinsert : public EditorDialog {
public:
    Tlinkinsert();

    forms::Label* Label1 = nullptr;
    forms::ComboBox* edit971 = nullptr;  // the address; its list holds the site's pages
    forms::SpeedButton* SpeedButton3 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::TextBox* Edit972 = nullptr;  // the title
    forms::Label* Label3 = nullptr;
    forms::ComboBox* ComboBox1 = nullptr;  // the target
    forms::CheckBox* CheckBox1 = nullptr;  // the download note
    forms::Label* Label4 = nullptr;
    forms::SpeedButton* SpeedButton1 = nullptr;  // OK
    forms::SpeedButton* SpeedButton2 = nullptr;  // Cancel
    FileChooser* OpenDialog1 = nullptr;

    // "" and "_blank", index-parallel to the items of ComboBox1.
    std::vector<std::string> LinkTargets;
    // 1 while a new link is made, 0 while an existing one is edited.
    unsigned char NewLink = 1;
    // The last file chosen with the file chooser.
    static std::string LastLink;

    // The index of a target in LinkTargets (lower-cased first), -1 when it is
    // neither.
    int targetIndex(const std::string& target) const;
    // The text of the download note for a new link's address: the translated
    // note in ISO-8859-2 letters, or empty when the option is not ticked or
    // the address names no file of a known kind.
    std::string downloadNoteFor(const std::string& address) const;

    void FormShow();
    void Edit971Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();

protected:
    void createControls() override;
    void onShow() override;
    void onKeyDown(int& keyCode, int shift) override;
};

}  // namespace pageeditor
