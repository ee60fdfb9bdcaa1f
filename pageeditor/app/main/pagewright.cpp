// Pagewright, the web-site editor.
#include "htmledit/EditControl.h"
#include "pageeditor/app/ProgramBlock.h"
#include "pageeditor/frame/EditorFrameInstall.h"
#include "registry/BrowserVersion.h"

int main(int argc, char** argv) {
    // The editing engine stands in for the installed browser: its version is
    // what the editor reads as the browser's version.
    registry::seedBrowserVersion(PAGEWRIGHT_ENGINE_VERSION);
    // The editing engine wants its settings before the application starts.
    htmledit::prepareProcess();
    pageeditor::installEditorFrame();
    return pageeditor::runPagewright(argc, argv);
}
