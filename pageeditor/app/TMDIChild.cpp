#include "pageeditor/app/TMDIChild.h"

#include "pageeditor/IEditorFrame.h"
#include "pageeditor/core/PageDocument.h"
#include "pageeditor/app/TMainForm.h"

namespace pageeditor {

TMDIChild::TMDIChild(TMainForm& main) : forms::Form("TMDIChild", forms::Scale::Pixels), main_(main) {}

void TMDIChild::createControls() {
    if (const auto& make = editorFrameFactory()) HTMLEdit1 = make(*this);
}

void TMDIChild::onLoad() { setClientSize(760, 520); }

bool TMDIChild::FormCloseQuery() { return !document || document->closeQuery(); }

void TMDIChild::save() {
    if (document && document->save()) main_.showStatus(document->status());
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
    main_.documentWindowClosed(*this);
    HTMLEdit1 = nullptr;  // the frame goes with the window's controls
    document = nullptr;
}

}  // namespace pageeditor
