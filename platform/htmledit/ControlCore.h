#pragma once
// Inside of the editing control (not part of the layer's interface): the
// engine view, the synchronous bridge into the page's script, the program's
// 8-bit text in and out of the page, loading and the event queue.
#include <QJsonArray>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "htmledit/Events.h"
#include "text/PageCharset.h"

#include <QWebEngineView>
class QTimer;
class QWidget;

namespace htmledit {

class EditPage;

class ControlCore : public std::enable_shared_from_this<ControlCore> {
public:
    explicit ControlCore(QWidget* parent);
    ~ControlCore();
    // The control is gone: its view goes at once, even while handles of its
    // document still exist (their calls then fail). A call waiting for the
    // page returns at once with an error.
    void shutdown();
    // Shuts down every control of the process. Runs by itself as the
    // application object goes, before the engine's own cleanup, which must
    // find no view or page of it left.
    static void shutdownAll();

    QWebEngineView* view() const { return view_; }

    // Calls an operation of the page script and waits for its answer. A
    // failure inside the page, a document that is not there and a page that
    // does not answer are raised as Error.
    QVariant call(const char* op, const QJsonArray& args = {});
    // A range handle is gone; the page drops the range with the next call.
    void releaseRange(unsigned generation, int id);

    // Runs any script in the editor's world and returns its value.
    QVariant evaluate(const QString& script);

    // Loads markup (already annotated) and waits until the page script runs
    // in it; DocumentComplete is then queued. A fresh document starts a new
    // history; otherwise the new text is one undoable change.
    void load(const QString& html, bool fresh);
    bool ready() const { return ready_; }
    unsigned generation() const { return generation_; }
    void checkGeneration(unsigned g) const;

    // The program's 8-bit text into the page, and back as a plain value or
    // as markup: every text of the layer crosses here, by the program-text
    // rule of text::PageCharset, whatever charset the page declares.
    static QString in(std::string_view s);
    static std::string out(const QString& s);
    static std::string outMarkup(const QString& s);
    // The engine's markup in the classic form, as 8-bit text.
    static std::string classic(const QString& engineMarkup);
    // The whole document in the classic form, from the page's parts; every
    // line ends CR LF.
    QString documentText();

    QString baseUrl() const { return baseUrl_; }
    void setBaseUrl(const QString& u) { baseUrl_ = u; }

    Events events;
    std::string lastFind;  // the text the find dialog offers next
    int completed = 0;

    // Events from the page, delivered outside of every call into the page.
    void post(std::function<void()> f);
    void pageMessage(const QString& message);

private:
    void drain();
    void finishLoad(bool ok);
    void navigate();
    QVariant roundTrip(const QString& script);
    QString releases();

    QPointer<QWebEngineView> view_;
    EditPage* page_ = nullptr;
    bool ready_ = false;
    bool loading_ = false;
    bool pageReady_ = false;
    QString navigatedBase_;
    unsigned generation_ = 0;
    int depth_ = 0;
    bool drainPosted_ = false;
    QPointer<QTimer> drainTimer_;
    QString baseUrl_;
    std::deque<std::function<void()>> queue_;
    QJsonArray released_;
};

}  // namespace htmledit
