#pragma once
// The forms of the editor, one instance of each for the whole run, made by
// the program block in their fixed order: the main window, then the 19
// dialogs. That order is the order of the application's owned forms, by
// which the language pack addresses them; document windows come after them.
#include <memory>
#include <vector>

#include "pageeditor/dialogs/DialogForms.h"

namespace forms {
class Form;
}

namespace pageeditor {

class TMainForm;
class TAboutBox;
class Tpageedit;
class Tpageopen;
class Tdocnew;
class Tmacros_vals;
class Tpubf;
class Tprog;
class Tbgset;

// The element dialogs among them are held by DialogForms, where the editor
// frame finds them.
struct EditorForms : DialogForms {
    EditorForms();
    ~EditorForms();
    EditorForms(const EditorForms&) = delete;
    EditorForms& operator=(const EditorForms&) = delete;

    // Creates every form in the fixed order; each is loaded (its controls
    // built and its create handler run) as it is created.
    void createAll();
    // The owned forms in their order: the forms made by createAll, then the
    // open document windows.
    std::vector<forms::Form*> owned() const;

    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<Tpageedit> pageedit;
    std::unique_ptr<Tpageopen> pageopen;
    std::unique_ptr<Tdocnew> docnew;
    std::unique_ptr<Tmacros_vals> macros_vals;
    std::unique_ptr<Tpubf> pubf;
    std::unique_ptr<Tprog> prog;
    std::unique_ptr<Tbgset> bgset;

private:
    std::vector<forms::Form*> created_;
};

// The forms of the running editor (null before the program block made them).
EditorForms* editorForms();

}  // namespace pageeditor
