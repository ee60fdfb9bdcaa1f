#pragma once
// The common ground of the editor's dialogs: one form instance for the whole
// run, shown modally (modal result 1 is OK, 2 Cancel), with its keys seen by
// the form before its controls so that Enter confirms and Esc cancels.
#include <string>

#include "forms/Form.h"

namespace forms {
class ImageList;
}

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

private:
    std::string caption_;
    int w_, h_;
    Keys keys_;
};

}  // namespace pageeditor
