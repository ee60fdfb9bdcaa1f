#include "pageeditor/frame/EditorFrameInstall.h"

#include "pageeditor/IEditorFrame.h"
#include "pageeditor/frame/FrameLanguagePack.h"
#include "pageeditor/frame/IFrameHost.h"
#include "pageeditor/frame/THTMLEdit.h"

namespace pageeditor {

void installEditorFrame() {
    setEditorFrameFactory([](forms::Form& window) -> IEditorFrame* {
        THTMLEdit* frame = THTMLEdit::create(window);
        try {
            if (IFrameHost* host = frameHost()) LoadDHTML(host->appDir() + "data\\lang\\pl\\transui2.lng", window);
        } catch (...) {
            // A pack that cannot be applied leaves the captions it has not reached.
        }
        return frame;
    });
}

}  // namespace pageeditor
