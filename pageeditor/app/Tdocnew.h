#pragma once
// The new page dialog (Tdocnew): title, file name (without ".html") and the
// template, with the template's preview picture. The fields keep what they
// held last; the caller prepares them before each showing.
#include <string>

#include "pageeditor/core/NewPage.h"
#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class ImageView;
class Label;
class ListView;
class Panel;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class Tdocnew : public EditorDialog {
public:
    Tdocnew();

    forms::Label* Label1 = nullptr;
    forms::TextBox* Edit971 = nullptr;  // title
    forms::Label* Label2 = nullptr;
    forms::TextBox* Edit972 = nullptr;  // file name, without ".html"
    forms::Label* Label3 = nullptr;
    forms::ListView* ListView1 = nullptr;  // the templates
    forms::Label* Label4 = nullptr;
    forms::Panel* Panel1 = nullptr;
    forms::ImageView* Image2 = nullptr;  // preview of the selected template
    forms::SpeedButton* SpeedButton1 = nullptr;  // OK
    forms::SpeedButton* SpeedButton2 = nullptr;  // Cancel

    NewPage::Fields fields() const;
    // Shows the fields; the file name field and its label are hidden for a
    // site's first page.
    void setFields(const NewPage::Fields& f);
    // The selected template; empty without a selection.
    std::string selectedTemplate() const;
    // Fills the template list from the program folder.
    void fill();

    void SpeedButton1Click();   // OK, after the checks
    void ListView1Change();     // preview of the selected template

protected:
    void createControls() override;
    void onShow() override;

private:
    bool fileNameShown_ = true;
};

}  // namespace pageeditor
