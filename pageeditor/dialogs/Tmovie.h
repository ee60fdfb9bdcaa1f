#pragma once
// The video dialog (Tmovie): the video file or address and the position box.
// Its OK brings a local video beside the site's pages and names it bare;
// movie_getmovie shows it and gives the EMBED tag. One form for the whole run.
#include <string>

#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class CheckBox;
class Image;
class Label;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class FileChooser;

class Tmovie : public EditorDialog {
public:
    Tmovie();

    forms::Label* Label1 = nullptr;
    forms::TextBox* Edit1 = nullptr;  // video file name or address
    forms::SpeedButton* SpeedButton1 = nullptr;  // browse
    forms::Image* Image2 = nullptr;  // the note "działa tylko w IE"
    forms::CheckBox* CheckBox3 = nullptr;  // position box
    forms::SpeedButton* SpeedButton2 = nullptr;  // OK
    forms::SpeedButton* SpeedButton3 = nullptr;  // Cancel
    FileChooser* OpenDialog1 = nullptr;

    std::string Geometry;
    // The video file as the edited element names it ("" for a new video): OK
    // leaves that name as it is.
    std::string PageFile;

    // Builds the style text from the position box and Geometry; the editor
    // frame installs the style rule (a dialog without it writes no style).
    static std::string (*styleText)(bool relativeToText, const std::string& geometry);

    // Shows the dialog; the EMBED tag after OK, empty text otherwise.
    std::string movie_getmovie();

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();

protected:
    void createControls() override;
    void onKeyDown(int& keyCode, int shift) override;
};

}  // namespace pageeditor
