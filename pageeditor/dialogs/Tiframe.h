#pragma once
// The inline-frame dialog (Tiframe): the frame's name, its source page,
// alignment, border and the position box. Its OK brings a local source page
// beside the site's pages and names it bare; the editor frame inserts the
// tag. One form for the whole run.
#include <string>

#include "pageeditor/dialogs/EditorDialog.h"
#include "pageeditor/dialogs/MediaMarkup.h"

namespace forms {
class CheckBox;
class ComboBox;
class Label;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class FileChooser;

class Tiframe : public EditorDialog {
public:
    Tiframe();

    forms::Label* Label1 = nullptr;
    forms::TextBox* Edit1 = nullptr;  // NAME
    forms::Label* Label2 = nullptr;
    forms::TextBox* FilenameEdit1 = nullptr;  // the source page
    forms::SpeedButton* FilenameButton = nullptr;  // the file-name edit's browse button
    FileChooser* FilenameDialog = nullptr;  // its chooser
    forms::Label* Label3 = nullptr;
    forms::ComboBox* ComboBox1 = nullptr;  // ALIGN
    forms::CheckBox* CheckBox1 = nullptr;  // border
    forms::CheckBox* CheckBox3 = nullptr;  // position box
    forms::SpeedButton* SpeedButton1 = nullptr;  // OK
    forms::SpeedButton* SpeedButton2 = nullptr;  // Cancel

    std::string Geometry;
    // The source page as the edited frame names it ("" for a new frame): OK
    // leaves that name as it is.
    std::string PageSource;

    IframeValues values() const;

    void FormShow();
    void FilenameEdit1Change();
    void FilenameBrowse();
    void SpeedButton1Click();
    void SpeedButton2Click();

protected:
    void createControls() override;
    void onShow() override;
    void onKeyDown(int& keyCode, int shift) override;
};

}  // namespace pageeditor
