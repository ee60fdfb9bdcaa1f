#pragma once
// What the editor frame asks of the main window: what its dialogs ask
// (IDialogHost), and besides that the frame of the active document window,
// where the Flash, scrolling-text and inline-frame dialogs put their tag, and
// the client size of a document window, which the page-size choice sets. The
// main window is both hosts at once: it gives itself as the dialogs' host for
// as long as it exists, and the frame asks that host.
#include "pageeditor/dialogs/IDialogHost.h"

namespace forms {
class Form;
}

namespace pageeditor {

class IEditorFrame;

class IFrameHost : public IDialogHost {
public:
    // The frame of the active document window; null while none is open.
    virtual IEditorFrame* activeFrame() const = 0;
    // Gives `window` that client size when it is one of the main window's
    // document windows; false, and nothing done, when it is not.
    virtual bool sizeDocumentWindow(forms::Form& window, int width, int height) = 0;
};

// The dialogs' host, when it is a frame host too; null otherwise.
IFrameHost* frameHost();

}  // namespace pageeditor
