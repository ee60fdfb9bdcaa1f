#pragma once
// The common ground of the editor's dialogs: one form instance for the whole
// run, shown modally (modal result 1 is OK, 2 Cancel), with its keys seen by
// the form before its controls so that Enter confirms and Esc cancels.
#include <functional>
#include <string>

#include "forms/Form.h"

namespace forms {
class ImageList;
class SpeedButton;
}  // namespace forms

namespace pageeditor {

class EditorDialog : public forms::Form {
public:
    enum Keys { EnterAndEsc, EscOnly, NoKeys };
    EditorDialog(std::string name, std::string caption, int clientWidth, int clientHeight, Keys keys = EnterAndEsc);

    // The main window's ImageList2, whose images 0 and 1 are the OK and
    // Cancel glyphs the dialogs put on their buttons when they are created.
    static void setButtonGlyphs(const forms::ImageList* list);
    static const forms::ImageList* buttonGlyphs();

protected:
    void onLoad() override;
    void onKeyDown(int& keyCode, int shift) override;

    // A button of the form at (x, y) of the given size; a click runs `click`
    // guarded.
    forms::SpeedButton* addButton(std::string name, const std::string& caption, int x, int y, int width, int height,
                                  std::function<void()> click);
    // For a form whose own OK and Cancel decide: Enter runs `ok`, Esc runs
    // `cancel` (each guarded) and the key goes no further.
    static void okCancelKeys(int& keyCode, const std::function<void()>& ok, const std::function<void()>& cancel);
    // Puts the OK and Cancel glyphs on the two buttons, once the main window
    // has given them.
    static void setOkCancelGlyphs(forms::SpeedButton* ok, forms::SpeedButton* cancel);

private:
    std::string caption_;
    int w_, h_;
    Keys keys_;
};

}  // namespace pageeditor
