#pragma once
// The picture dialog (Tinsertimg): one form for the whole run, created at
// start-up in its place in the order of the editor's forms. It chooses a
// picture file with a preview, its border, size, description, text wrapping
// and position box, and writes scaled copies of large JPEG and BMP pictures
// beside their source. Every control keeps its value between showings.
#include <string>
#include <vector>

#include "image/Picture.h"
#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class CheckBox;
class ComboBox;
class Image;
class Label;
class PageControl;
class Panel;
class SpeedButton;
class TabSheet;
class TextBox;
}  // namespace forms

namespace pageeditor {

class SpinEdit;

class Tinsertimg : public EditorDialog {
public:
    Tinsertimg();
    ~Tinsertimg() override;

    // Components, in creation order.
    forms::PageControl* PageControl1 = nullptr;
    forms::TabSheet* TabSheet1 = nullptr;  // "&Opcje"
    forms::Label* Label1 = nullptr;
    forms::TextBox* Edit971 = nullptr;  // picture file name or address
    forms::SpeedButton* SpeedButton3 = nullptr;  // "Wybierz plik"
    forms::Label* Label2 = nullptr;
    SpinEdit* SpinEdit1 = nullptr;  // border
    forms::Label* Label3 = nullptr;
    SpinEdit* SpinEdit2 = nullptr;  // width
    forms::Label* Label4 = nullptr;
    SpinEdit* SpinEdit3 = nullptr;  // height
    forms::Label* Label5 = nullptr;
    forms::TextBox* Edit972 = nullptr;  // description (ALT)
    forms::Label* Label6 = nullptr;
    forms::ComboBox* ComboBox1 = nullptr;  // text wrapping
    forms::Panel* Panel1 = nullptr;        // the resize advice
    forms::Label *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr;
    forms::Label *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr;  // "średni", "mały", "miniaturka"
    forms::TabSheet* TabSheet2 = nullptr;  // "&Podgląd"
    forms::Panel* ScrollBox1 = nullptr;
    forms::Image* Image2 = nullptr;  // the preview
    forms::Image* Image1 = nullptr;  // the scaled copy while it is made
    forms::CheckBox* CheckBox1 = nullptr;  // "&Pozycja względem tekstu"
    forms::SpeedButton* SpeedButton1 = nullptr;  // OK
    forms::SpeedButton* SpeedButton2 = nullptr;  // Cancel

    // OpenDialog1.
    std::string OpenDialog1Title, OpenDialog1Filter;

    // "", "LEFT", "RIGHT", "TOP", "BOTTOM", "MIDDLE", beside the items of ComboBox1.
    std::vector<std::string> AlignValues;
    std::string StyleWidth, StyleHeight;  // of the last image read back, "120px"
    long ImageWidth = 0, ImageHeight = 0;  // the size taken on OK
    // The name of the picture read back from the page ("" for a new one),
    // and whether OK found it left as it was: the page then keeps its own
    // reference to the picture, wherever that lies, and nothing is copied.
    std::string PageName;
    bool PageNameKept = false;

    // The handlers.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Edit971Change();
    void Label10Click();
    void Label11Click();
    void Label12Click();
    void SpinEdit1Change(SpinEdit& edit);

    // The site's media folder, app_dir + "webpages\<site>\data\".
    std::string mediaFolder() const;
    // The file the preview shows ("" before any), as an editor name.
    const std::string& previewFile() const { return previewFile_; }
    bool resizePanelShown() const;
    // The alignment text of the selected wrapping item, "" with none.
    std::string chosenAlign() const;

    // The last file chosen with the browse button, kept until the program ends.
    static std::string& LastPicture();

protected:
    void createControls() override;
    void onShow() override;
    void onKeyDown(int& keyCode, int shift) override;

private:
    void scaledCopy(const std::string& prefix, int width, int height);
    // Loads the file into the preview and the size fields; false when it is
    // no picture (nothing changes then).
    bool loadPreview(const std::string& file);
    // The existing file a name stands for: the site's media folder + name,
    // then the name as typed (which wins when both exist); "" for none.
    std::string findFile(const std::string& name) const;
    void message(const std::string& text, const std::string& caption, int flags) const;

    image::Picture preview_;
    std::string previewFile_;
    std::string refusedFile_;  // the picture last refused, told once
    bool previewCurrent_ = true;  // false while the preview is of a picture before one that failed to load
};

}  // namespace pageeditor
