#include <QCoreApplication>
#include <QByteArray>

#include <unistd.h>

#include "htmledit/EditControl.h"

namespace htmledit {

void prepareProcess() {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    const char* wanted[] = {"--disable-background-networking", "--disable-component-update", "--no-first-run",
                            "--disable-domain-reliability", "--disable-sync"};
    for (const char* f : wanted)
        if (!flags.contains(f)) flags += QByteArray(flags.isEmpty() ? "" : " ") + f;
    if (geteuid() == 0) {
        // The engine's sandbox does not run as root.
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        if (!flags.contains("--no-sandbox")) flags += " --no-sandbox";
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace htmledit
