#pragma once
// A document window: one open page in the main window's document area,
// holding one editor frame (HTMLEdit1) and the path of its page.
#include <string>

#include "forms/Form.h"

namespace forms {
class MenuItem;
class PopupMenu;
}  // namespace forms

namespace pageeditor {

class IEditorFrame;
class PageDocument;
class TMainForm;

class TMDIChild : public forms::Form {
public:
    explicit TMDIChild(TMainForm& main);

    IEditorFrame* HTMLEdit1 = nullptr;
    forms::PopupMenu* PopupMenu1 = nullptr;
    forms::MenuItem* Zapisz1 = nullptr;  // "Zapi&sz": the save command
    // The page shown (its path, save, copy, preview and close question).
    PageDocument* document = nullptr;

    // The window's close question: true when the window may close.
    bool FormCloseQuery();
    // Saves the page and shows the save notice in the status bar.
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
