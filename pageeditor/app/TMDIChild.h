#pragma once
// A document window: one open page in the main window's document area,
// holding one editor frame (HTMLEdit1) and the path of its page.
#include <string>

#include "forms/Form.h"

namespace pageeditor {

class IEditorFrame;
class TMainForm;

class TMDIChild : public forms::Form {
public:
    explicit TMDIChild(TMainForm& main);

    IEditorFrame* HTMLEdit1 = nullptr;
    std::string file_path;

    // The window's close question: with unsaved changes, "Edytowany plik nie
    // jest zapisany. Czy chcesz go zapisać?" (Yes saves and closes, No closes,
    // Cancel keeps the window). True when the window may close.
    bool FormCloseQuery();
    // Saves the page to file_path, clears the frame's modified flag and shows
    // the save notice.
    void save();
    // The main window is closing and has asked already: close without asking.
    void closeWithoutQuestion();

protected:
    void createControls() override;
    void onLoad() override;
    void onQueryUnload(bool& cancel, bool fromUser) override;
    void onUnload(bool& cancel) override;

private:
    TMainForm& main_;
    bool asked_ = false;
};

}  // namespace pageeditor
