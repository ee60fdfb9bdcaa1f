#include "com/Application.h"

#include <QApplication>
#include <QElapsedTimer>

namespace com {

void ensureApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "suite";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void processEvents(int ms) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (t.elapsed() < ms);
}

}  // namespace com
