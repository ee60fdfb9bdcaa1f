// Pagewright, the web-site editor.
#include "pageeditor/app/ProgramBlock.h"
#include "registry/BrowserVersion.h"

int main(int argc, char** argv) {
    // The editing engine stands in for the installed browser: its version is
    // what the editor reads as the browser's version.
    registry::seedBrowserVersion(PAGEWRIGHT_ENGINE_VERSION);
    return pageeditor::runPagewright(argc, argv);
}
