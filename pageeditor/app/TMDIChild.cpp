#include "pageeditor/app/TMDIChild.h"

#include "forms/Control.h"
#include "forms/MenuItem.h"
#include "forms/PopupMenu.h"
#include "forms/Types.h"
#include "pageeditor/IEditorFrame.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/core/PageDocument.h"
#include "pageeditor/app/TMainForm.h"

namespace pageeditor {

TMDIChild::TMDIChild(TMainForm& main) : forms::Form("TMDIChild", forms::Scale::Pixels), main_(main) {}

void TMDIChild::createControls() {
    if (const auto& make = editorFrameFactory()) HTMLEdit1 = make(*this);
    PopupMenu1 = add<forms::PopupMenu>("PopupMenu1");
    Zapisz1 = add<forms::MenuItem>("Zapisz1", *PopupMenu1);
    Zapisz1->setCaption("Zapi&sz");
    // Alt+S is the main window's save command, which saves this window's
    // page when it is the active one; a second binding of the same key in
    // one window would make the key do nothing.
    Zapisz1->onClick = guarded([this] { save(); });
    if (auto* c = dynamic_cast<forms::Control*>(HTMLEdit1)) PopupMenu1->attachTo(*c);
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
