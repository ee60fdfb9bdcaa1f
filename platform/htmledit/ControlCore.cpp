#include "htmledit/ControlCore.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <algorithm>
#include <vector>

#include "forms/Application.h"
#include "htmledit/ClassicMarkup.h"
#include "htmledit/EditorScript.h"
#include "htmledit/Error.h"

namespace htmledit {

// The page of the control: hands the page script's messages to the core.
class EditPage : public QWebEnginePage {
public:
    EditPage(ControlCore* core, QObject* parent) : QWebEnginePage(parent), core_(core) {}

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override {
        core_->pageMessage(message);
    }
    bool acceptNavigationRequest(const QUrl&, NavigationType type, bool isMainFrame) override {
        // Only the layer's own loads; a click on a link does not leave the page.
        return type == NavigationTypeTyped || type == NavigationTypeOther || type == NavigationTypeReload ||
               !isMainFrame;
    }

private:
    ControlCore* core_;
};

namespace {
constexpr int kWorld = QWebEngineScript::ApplicationWorld;
constexpr int kCallTimeoutMs = 30000;
constexpr int kLoadTimeoutMs = 60000;

// Every control of the process, for the shutdown as the application goes.
std::vector<ControlCore*>& liveCores() {
    static auto* cores = new std::vector<ControlCore*>;  // outlives every control
    return *cores;
}
bool shutdownHooked = false;

// Runs as the application goes, before the widget toolkit and with it the
// engine go: the engine must find none of its views and pages left (with a
// view left behind it tears down its browser with pages still attached, and
// a process that ends without the application going at all ends with the
// engine's threads still running).
void shutdownWithApplication() {
    shutdownHooked = false;
    ControlCore::shutdownAll();
}
}  // namespace

void ControlCore::shutdownAll() {
    const std::vector<ControlCore*> cores = liveCores();
    for (ControlCore* c : cores) c->shutdown();
}

ControlCore::ControlCore(QWidget* parent) {
    view_ = new QWebEngineView(parent);
    page_ = new EditPage(this, view_);
    view_->setPage(page_);
    liveCores().push_back(this);
    if (!shutdownHooked) {
        forms::Application::atShutdown(shutdownWithApplication);
        shutdownHooked = true;
    }
    auto* s = page_->settings();
    // The page's own scripts stay off while it is edited; the layer's script
    // runs in a world of its own, which this switch does not touch.
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, true);
    s->setAttribute(QWebEngineSettings::JavascriptCanPaste, true);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, true);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view_, &QWidget::customContextMenuRequested, view_, [this](const QPoint& pos) {
        if (!view_) return;
        QPoint g = view_->mapToGlobal(pos);
        post([this, g] {
            if (events.showContextMenu) events.showContextMenu(g.x(), g.y());
        });
    });
    QObject::connect(page_, &QWebEnginePage::loadFinished, view_, [this](bool ok) { finishLoad(ok); });
    QObject::connect(page_, &QWebEnginePage::renderProcessTerminated, view_, [this] {
        // The next load starts a new page.
        pageReady_ = false;
        ready_ = false;
    });
}

ControlCore::~ControlCore() {
    shutdown();
    auto& cores = liveCores();
    cores.erase(std::remove(cores.begin(), cores.end(), this), cores.end());
}

void ControlCore::shutdown() {
    ready_ = false;
    pageReady_ = false;
    queue_.clear();
    if (view_) delete view_.data();
    page_ = nullptr;
}

void ControlCore::checkGeneration(unsigned g) const {
    if (g != generation_ || !ready_) throw Error("the object belongs to a document that is no longer loaded");
}

QString ControlCore::in(std::string_view s) { return QString::fromStdU16String(text::PageCharset::fromProgram(s)); }
std::string ControlCore::out(const QString& s) { return text::PageCharset::toProgram(s.toStdU16String()); }
std::string ControlCore::outMarkup(const QString& s) { return text::PageCharset::toProgramMarkup(s.toStdU16String()); }

std::string ControlCore::classic(const QString& engineMarkup) {
    return text::PageCharset::toProgramMarkup(ClassicMarkup::fromEngine(engineMarkup.toStdU16String()));
}

QString ControlCore::documentText() {
    std::u16string text;
    for (const QVariant& part : call("documentHTML").toList()) {
        std::u16string p = part.toString().toStdU16String();
        if (p.empty()) continue;
        if (p[0] == u'L') text.append(p, 1);
        else text += ClassicMarkup::fromEngine(std::u16string_view(p).substr(1));
    }
    // Every line ends CR LF. The parser reads each kind of line end as one
    // line break, so the document reads back the same.
    std::u16string lines;
    lines.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines += u"\r\n";
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            lines += c;
        }
    }
    return QString::fromStdU16String(lines);
}

QVariant ControlCore::roundTrip(const QString& script) {
    if (!view_) throw Error("the editing control is gone");
    // The control may be destroyed by what runs while the page answers; its
    // view then goes, which ends the wait (the page going hands its pending
    // calls an empty answer, which is no answer).
    const auto keep = shared_from_this();
    struct State {
        QVariant result;
        bool done = false;
        QEventLoop loop;
    };
    auto st = std::make_shared<State>();
    ++depth_;
    page_->runJavaScript(script, kWorld, [st](const QVariant& v) {
        st->result = v;
        st->done = true;
        st->loop.quit();
    });
    if (!st->done) {
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &st->loop, &QEventLoop::quit);
        QObject::connect(view_, &QObject::destroyed, &st->loop, &QEventLoop::quit);
        timer.start(kCallTimeoutMs);
        st->loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    --depth_;
    if (!view_) throw Error("the editing control is gone");
    if (depth_ == 0 && !queue_.empty()) post({});
    if (!st->done) throw Error("the page did not answer");
    return st->result;
}

QVariant ControlCore::evaluate(const QString& script) {
    if (!ready_) return roundTrip(script);
    return roundTrip(releases() + QStringLiteral("(function(){return eval(%1)})()")
                                      .arg(QString::fromUtf8(QJsonDocument(QJsonArray{script}).toJson(QJsonDocument::Compact)).mid(1).chopped(1)));
}

QString ControlCore::releases() {
    if (released_.isEmpty()) return {};
    QString s = QStringLiteral("pw.x('release',[%1]);")
                    .arg(QString::fromUtf8(QJsonDocument(released_).toJson(QJsonDocument::Compact)));
    released_ = QJsonArray();
    return s;
}

void ControlCore::releaseRange(unsigned generation, int id) {
    if (generation == generation_ && ready_) released_.append(id);
}

QVariant ControlCore::call(const char* op, const QJsonArray& args) {
    if (!ready_) throw Error("no document is loaded");
    QString script = releases() + QStringLiteral("pw.x('%1',%2)")
                         .arg(QLatin1String(op), QString::fromUtf8(QJsonDocument(args).toJson(QJsonDocument::Compact)));
    QVariant r = roundTrip(script);
    QVariantMap m = r.toMap();
    if (m.contains(QStringLiteral("e"))) throw Error(m.value(QStringLiteral("e")).toString().toStdString());
    if (!m.contains(QStringLiteral("v"))) throw Error("the page script is not running");
    return m.value(QStringLiteral("v"));
}

void ControlCore::navigate() {
    // An empty shell page at the base address; documents are then written
    // into it by the page's own parser, which is much faster than a new
    // navigation for every document.
    pageReady_ = false;
    loading_ = true;
    QUrl base = baseUrl_.isEmpty() ? QUrl(QStringLiteral("about:blank")) : QUrl(baseUrl_);
    page_->setHtml(QStringLiteral("<html><body></body></html>"), base);
    if (loading_) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(page_, &QWebEnginePage::loadFinished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        QObject::connect(view_, &QObject::destroyed, &loop, &QEventLoop::quit);
        timer.start(kLoadTimeoutMs);
        QElapsedTimer clock;
        clock.start();
        while (loading_ && view_ && clock.elapsed() < kLoadTimeoutMs) loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!view_) {
        loading_ = false;
        throw Error("the editing control is gone");
    }
    if (loading_) {
        loading_ = false;
        throw Error("the editing page did not load");
    }
    // The page script goes in here, not in the load signal's handler: the
    // engine does not answer a call made from inside that signal while the
    // view has never been shown.
    try {
        QVariant r = roundTrip(QString::fromUtf8(editorScript()) + QStringLiteral(";typeof pw"));
        pageReady_ = r.toString() == QLatin1String("object");
    } catch (const Error&) {
        pageReady_ = false;
    }
    if (!pageReady_) throw Error("the editing page could not be prepared");
    navigatedBase_ = baseUrl_;
}

void ControlCore::load(const QString& html, bool fresh) {
    if (!view_) throw Error("the editing control is gone");
    const auto keep = shared_from_this();  // see roundTrip
    ready_ = false;
    ++generation_;
    released_ = QJsonArray();
    // Events wait until the load is over, so that DocumentComplete reaches
    // its handler only after this call has returned.
    ++depth_;
    struct Leave {
        ControlCore* c;
        ~Leave() {
            if (--c->depth_ == 0 && !c->queue_.empty()) c->post({});
        }
    } leave{this};
    if (!pageReady_ || navigatedBase_ != baseUrl_) navigate();
    QString script = QStringLiteral("pw.x('write',%1)")
                         .arg(QString::fromUtf8(QJsonDocument(QJsonArray{html, static_cast<qint64>(generation_), !fresh})
                                                    .toJson(QJsonDocument::Compact)));
    QVariantMap m = roundTrip(script).toMap();
    if (!m.contains(QStringLiteral("v"))) {
        pageReady_ = false;
        throw Error("the document could not be prepared for editing: " +
                    m.value(QStringLiteral("e")).toString().toStdString());
    }
    ready_ = true;
    ++completed;
    post([this] {
        if (events.documentComplete) events.documentComplete();
    });
}

void ControlCore::finishLoad(bool) {
    if (!loading_) return;
    loading_ = false;
}

void ControlCore::post(std::function<void()> f) {
    if (f) queue_.push_back(std::move(f));
    if (drainPosted_ || !view_) return;
    drainPosted_ = true;
    // A timer of its own, not a queued call: the handlers wait for the page
    // (and a dialog they open waits for the user) in event loops of their
    // own, and such a loop run from inside the delivery of a queued call may
    // leave the engine's answers and its next page events lying until the
    // user moves the mouse or types. A double click on a Flash movie then
    // selected it, and its dialog came only with the next input.
    if (!drainTimer_) {
        drainTimer_ = new QTimer(view_);
        drainTimer_->setSingleShot(true);
        drainTimer_->setInterval(0);
        QObject::connect(drainTimer_, &QTimer::timeout, view_, [this] { drain(); });
    }
    drainTimer_->start();
}

void ControlCore::drain() {
    drainPosted_ = false;
    if (depth_ > 0) return;  // picked up again when the running call returns
    // A handler may destroy the control (closing its window); shutting down
    // empties the queue, and the core stays until this loop has seen that.
    const auto keep = shared_from_this();
    while (!queue_.empty() && depth_ == 0) {
        auto f = std::move(queue_.front());
        queue_.pop_front();
        try {
            f();
        } catch (...) {
            // An event handler's failure ends that handler only.
        }
    }
}

void ControlCore::pageMessage(const QString& message) {
    if (!message.startsWith(QStringLiteral("\x01pw:"))) return;
    const QStringList parts = message.mid(4).split(QLatin1Char(':'));
    const QString name = parts.value(0);
    const int a = parts.value(1).toInt();
    std::function<void()> f;
    if (name == QLatin1String("click")) f = [this] { if (events.onclick) events.onclick(); };
    else if (name == QLatin1String("dblclick")) f = [this] { if (events.ondblclick) events.ondblclick(); };
    else if (name == QLatin1String("keydown")) f = [this, a] { if (events.onkeydown) events.onkeydown(a); };
    else if (name == QLatin1String("keyup")) f = [this, a] { if (events.onkeyup) events.onkeyup(a); };
    else if (name == QLatin1String("over")) f = [this] { if (events.onmouseover) events.onmouseover(); };
    else if (name == QLatin1String("out")) f = [this] { if (events.onmouseout) events.onmouseout(); };
    else if (name == QLatin1String("display")) f = [this] { if (events.displayChanged) events.displayChanged(); };
    if (f) post(std::move(f));
}

}  // namespace htmledit
