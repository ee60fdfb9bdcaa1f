#pragma once
// The site chooser (Tpageopen): the sites of the program folder; OK gives
// the chosen one, "&Usuń stronę" deletes the selected site after a question.
#include <string>

#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class ListView;
class SpeedButton;
}  // namespace forms

namespace pageeditor {

class Tpageopen : public EditorDialog {
public:
    Tpageopen();

    forms::ListView* ListView1 = nullptr;
    forms::SpeedButton* SpeedButton1 = nullptr;  // OK
    forms::SpeedButton* SpeedButton2 = nullptr;  // Cancel
    forms::SpeedButton* SpeedButton3 = nullptr;  // delete the selected site

    // The caption of the selected site; empty without a selection.
    std::string selected() const;
    // Fills the list with the sites of webpages\.
    void fill();

    void SpeedButton1Click();  // OK: 1 with a selection, else 2
    void SpeedButton3Click();

protected:
    void createControls() override;
    void onShow() override;
    void onKeyDown(int& keyCode, int shift) override;
};

}  // namespace pageeditor
