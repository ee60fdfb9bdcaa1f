#pragma once
// The about box: a panel with the program's pictures and name, and an OK
// button. A click on either picture opens the maker's web site in the
// default browser.
#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class CommandButton;
class ImageView;
class Label;
class Panel;
}  // namespace forms

namespace pageeditor {

class TAboutBox : public EditorDialog {
public:
    TAboutBox();

    static const char* const kHomePage;   // opened by Image8
    static const char* const kHelpPage;   // opened by Image10

    forms::Panel* Panel1 = nullptr;
    forms::ImageView* Image8 = nullptr;
    forms::Label* ProductName = nullptr;
    forms::Label* Version = nullptr;
    forms::Label* Copyright = nullptr;
    forms::ImageView* Image10 = nullptr;
    forms::CommandButton* OKButton = nullptr;

    void Image8Click();
    void Image10Click();

protected:
    void createControls() override;
};

}  // namespace pageeditor
