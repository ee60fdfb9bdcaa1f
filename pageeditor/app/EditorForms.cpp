#include "pageeditor/app/EditorForms.h"

#include "pageeditor/app/TAboutBox.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/app/Tbgset.h"
#include "pageeditor/app/Tdocnew.h"
#include "pageeditor/app/Tmacros_vals.h"
#include "pageeditor/app/Tpageedit.h"
#include "pageeditor/app/Tpageopen.h"
#include "pageeditor/app/Tprog.h"
#include "pageeditor/app/Tpubf.h"
#include "pageeditor/dialogs/Tbody.h"
#include "pageeditor/dialogs/Tdlgfrm.h"
#include "pageeditor/dialogs/Tflashins.h"
#include "pageeditor/dialogs/Tiframe.h"
#include "pageeditor/dialogs/Tinsert_snd.h"
#include "pageeditor/dialogs/Tinsertimg.h"
#include "pageeditor/dialogs/Tinstbl.h"
#include "pageeditor/dialogs/Tkeyform.h"
#include "pageeditor/dialogs/Tlinkinsert.h"
#include "pageeditor/dialogs/Tmarquee.h"
#include "pageeditor/dialogs/Tmovie.h"

namespace pageeditor {

namespace {
EditorForms*& current() {
    static EditorForms* f = nullptr;
    return f;
}
}  // namespace

EditorForms* editorForms() { return current(); }

EditorForms::EditorForms() { current() = this; }

EditorForms::~EditorForms() {
    // Dialogs first, the main window (which owns the document windows) last.
    iframe.reset(); movie.reset(); marquee.reset(); insert_snd.reset(); flashins.reset(); body.reset();
    bgset.reset(); keyform.reset(); prog.reset(); pubf.reset(); macros_vals.reset(); instbl.reset();
    dlgfrm.reset(); linkinsert.reset(); insertimg.reset(); docnew.reset(); pageopen.reset();
    pageedit.reset(); AboutBox.reset(); MainForm.reset();
    if (current() == this) current() = nullptr;
}

namespace {
template <class T>
void make(std::unique_ptr<T>& slot, std::vector<forms::Form*>& order) {
    slot = std::make_unique<T>();
    order.push_back(slot.get());
    slot->load();
}
}  // namespace

void EditorForms::createAll() {
    created_.clear();
    make(MainForm, created_);
    make(AboutBox, created_);
    make(pageedit, created_);
    make(pageopen, created_);
    make(docnew, created_);
    make(insertimg, created_);
    make(linkinsert, created_);
    make(dlgfrm, created_);
    make(instbl, created_);
    make(macros_vals, created_);
    make(pubf, created_);
    make(prog, created_);
    make(keyform, created_);
    make(bgset, created_);
    make(body, created_);
    make(flashins, created_);
    make(insert_snd, created_);
    make(marquee, created_);
    make(movie, created_);
    make(iframe, created_);
}

std::vector<forms::Form*> EditorForms::owned() const {
    std::vector<forms::Form*> out = created_;
    if (MainForm)
        for (TMDIChild* d : MainForm->documentWindows()) out.push_back(d);
    return out;
}

}  // namespace pageeditor
