#include "pageeditor/app/TMDIChild.h"

#include "pageeditor/IEditorFrame.h"
#include "pageeditor/app/TMainForm.h"
#include "text/CodePage.h"

namespace pageeditor {

TMDIChild::TMDIChild(TMainForm& main) : forms::Form("TMDIChild", forms::Scale::Pixels), main_(main) {}

void TMDIChild::createControls() {
    if (const auto& make = editorFrameFactory()) HTMLEdit1 = make(*this);
}

void TMDIChild::onLoad() { setClientSize(760, 520); }

bool TMDIChild::FormCloseQuery() {
    if (!HTMLEdit1 || !HTMLEdit1->documentChanged()) return true;
    int r = main_.MyBox(text::ansi("Edytowany plik nie jest zapisany. Czy chcesz go zapisać?"), "Pytanie:", 35);
    if (r == 6) {
        save();
        return true;
    }
    return r == 7;
}

void TMDIChild::save() {
    if (!HTMLEdit1) return;
    HTMLEdit1->SaveDocument(file_path);
    HTMLEdit1->setModified(false);
    main_.showStatus(main_.tr("Zapisano."));
}

void TMDIChild::closeWithoutQuestion() {
    asked_ = true;
    unload();
}

void TMDIChild::onQueryUnload(bool& cancel, bool) {
    if (asked_) return;
    cancel = !FormCloseQuery();
}

void TMDIChild::onUnload(bool&) {
    HTMLEdit1 = nullptr;  // the frame goes with the window's controls
    main_.documentWindowClosed(*this);
}

}  // namespace pageeditor
