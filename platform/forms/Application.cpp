#include "forms/Application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <filesystem>

#include "forms/Form.h"
#include "forms/ModalAnswers.h"
#include "forms/QtAccess.h"
#include "forms/WidgetAnswers.h"

namespace forms {

namespace {
bool gEnd = false;
bool gRunning = false;  // inside run()
std::string gTitle;
int gBusy = 0;

std::vector<std::function<void()>>& shutdownRoutines() {
    static std::vector<std::function<void()>> routines;
    return routines;
}
}  // namespace

void Application::atShutdown(std::function<void()> f) {
    if (f) shutdownRoutines().push_back(std::move(f));
}

struct Application::Impl {
    std::unique_ptr<QApplication> app;
    // The toolkit's own texts (standard dialogs' buttons and labels) in Polish.
    QTranslator toolkitTexts;
    bool toolkitTextsInstalled = false;
    WidgetAnswers answers;
};

Application::Application(int& argc, char** argv) : d_(std::make_unique<Impl>()) {
    if (!QCoreApplication::instance()) d_->app = std::make_unique<QApplication>(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    if (d_->toolkitTexts.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        d_->toolkitTextsInstalled = QCoreApplication::installTranslator(&d_->toolkitTexts);
    setModal(&d_->answers);
}

Application::~Application() {
    if (&modal() == &d_->answers) setModal(nullptr);
    if (d_->toolkitTextsInstalled) QCoreApplication::removeTranslator(&d_->toolkitTexts);
    if (!d_->app) return;  // the toolkit is someone else's and stays
    // Windows whose deletion was deferred go first, then what other parts
    // of the program hold; the toolkit goes last.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto& routines = shutdownRoutines();
    while (!routines.empty()) {
        auto f = std::move(routines.back());
        routines.pop_back();
        f();
    }
}

int Application::run() {
    if (gEnd) return 0;
    gRunning = true;
    const int rc = QApplication::exec();
    gRunning = false;
    return rc;
}

void Application::processEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Application::processEventsWithoutInput() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Application::end() {
    gEnd = true;
    for (Form* f : forms()) {
        if (f->impl().loop) f->impl().loop->quit();
        if (QWidget* w = windowOf(*f)) w->hide();
    }
    // Only a running event loop is told to quit: a quit told outside it
    // would end every event loop started later at once.
    if (gRunning) QCoreApplication::exit(0);
}

bool Application::endRequested() { return gEnd; }
void Application::clearEndRequest() { gEnd = false; }

std::string Application::programFolder() {
    QString dir = QCoreApplication::applicationDirPath();
    return dir.toStdString();
}

// The title is the program's own; the window system is not told it, so it
// adds nothing to the windows' own titles.
void Application::setTitle(const std::string& title) { gTitle = title; }
std::string Application::title() { return gTitle; }

void Application::setBusy(bool busy) {
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        ++gBusy;
    } else {
        while (gBusy > 0) {
            QGuiApplication::restoreOverrideCursor();
            --gBusy;
        }
    }
}

int Application::screenWidth(Scale s) {
    QScreen* scr = QGuiApplication::primaryScreen();
    int px = scr ? scr->geometry().width() : 1024;
    return s == Scale::Twips ? px * TwipsPerPixel : px;
}

int Application::screenHeight(Scale s) {
    QScreen* scr = QGuiApplication::primaryScreen();
    int px = scr ? scr->geometry().height() : 768;
    return s == Scale::Twips ? px * TwipsPerPixel : px;
}

}  // namespace forms
