#include "net/CurlLoop.h"

#include <curl/curl.h>

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>

namespace net {

namespace {
void globalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Watch {
    std::unique_ptr<QSocketNotifier> read, write;
    bool wantRead = false, wantWrite = false;
};

// Qt deletes a notifier only once control is back in the event loop, so one
// that is dropped from inside its own activation signal stays valid until
// that signal has returned.
void dropLater(std::unique_ptr<QSocketNotifier>& n) {
    if (!n) return;
    n->setEnabled(false);
    n.release()->deleteLater();
}

// Drops what the user does to the program's windows while installed.
class InputDrop : public QObject {
public:
    InputDrop() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputDrop() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::Drop:
            e->accept();
            return true;
        default: return false;
        }
    }
};
}  // namespace

struct CurlLoop::Impl {
    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    bool running = false;
    bool done = false;
    bool abortFlag = false;
    bool qtMode = false;
    bool deferred = false;
    int callbackDepth = 0;
    int result = CURLE_OK;
    unsigned serial = 0;  // counts transfers, so a posted abort hits only its own
    std::map<curl_socket_t, Watch> watches;
    std::unique_ptr<QObject> ctx;  // owner of the timer and target of posted calls
    QTimer* timer = nullptr;
    // Drives the transfer now and then whatever curl asked for: after a
    // reply that arrives together with the one before it, curl can start a
    // passive data connection without asking to be called again.
    QTimer* kick = nullptr;
    QEventLoop* loop = nullptr;
    // The caller's watch of one socket (whenReadable).
    int readableSocket = -1;
    std::function<void()> readable;
    std::unique_ptr<QSocketNotifier> readableNotifier;
    // The caller's tick (every): its timer, or in polling the time it is due.
    std::function<void()> tick;
    int tickMs = 0;
    QTimer* ticker = nullptr;
    std::chrono::steady_clock::time_point tickDue;

    ~Impl() {
        dropMulti();
    }

    void ensureMulti() {
        if (multi) return;
        multi = curl_multi_init();
        curl_multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &Impl::onSocket);
        curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
        curl_multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &Impl::onTimer);
        curl_multi_setopt(multi, CURLMOPT_TIMERDATA, this);
    }

    void dropMulti() {
        if (multi) {
            curl_multi_cleanup(multi);  // sends QUIT on cached FTP connections
            multi = nullptr;
        }
        for (auto& [s, w] : watches) {
            dropLater(w.read);
            dropLater(w.write);
        }
        watches.clear();
        if (timer) timer->stop();
    }

    void ensureQt() {
        if (ctx) return;
        ctx = std::make_unique<QObject>();
        timer = new QTimer(ctx.get());
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, ctx.get(), [this] { onTimeout(); });
        kick = new QTimer(ctx.get());
        kick->setInterval(50);
        QObject::connect(kick, &QTimer::timeout, ctx.get(), [this] { onKick(); });
        ticker = new QTimer(ctx.get());
        QObject::connect(ticker, &QTimer::timeout, ctx.get(), [this] { onTick(); });
    }

    void onTick() {
        if (tick && running && !done) tick();
    }

    void endTick() {
        tick = nullptr;
        if (ticker) ticker->stop();
    }

    void onKick() {
        if (callbackDepth > 0 || !multi || !easy || done) return;
        int still = 0;
        curl_multi_perform(multi, &still);
        checkDone();
    }

    static int onSocket(CURL*, curl_socket_t s, int what, void* userp, void*) {
        auto* d = static_cast<Impl*>(userp);
        if (!d->qtMode) return 0;
        if (what == CURL_POLL_REMOVE) {
            auto it = d->watches.find(s);
            if (it != d->watches.end()) {
                dropLater(it->second.read);
                dropLater(it->second.write);
                d->watches.erase(it);
            }
            return 0;
        }
        Watch& w = d->watches[s];
        w.wantRead = (what & CURL_POLL_IN) != 0;
        w.wantWrite = (what & CURL_POLL_OUT) != 0;
        if (w.wantRead && !w.read) {
            w.read = std::make_unique<QSocketNotifier>(qintptr(s), QSocketNotifier::Read);
            QObject::connect(w.read.get(), &QSocketNotifier::activated, d->ctx.get(),
                             [d, s] { d->onActivity(s, CURL_CSELECT_IN); });
        }
        if (w.wantWrite && !w.write) {
            w.write = std::make_unique<QSocketNotifier>(qintptr(s), QSocketNotifier::Write);
            QObject::connect(w.write.get(), &QSocketNotifier::activated, d->ctx.get(),
                             [d, s] { d->onActivity(s, CURL_CSELECT_OUT); });
        }
        if (w.read) w.read->setEnabled(w.wantRead && d->callbackDepth == 0);
        if (w.write) w.write->setEnabled(w.wantWrite && d->callbackDepth == 0);
        return 0;
    }

    static int onTimer(CURLM*, long ms, void* userp) {
        auto* d = static_cast<Impl*>(userp);
        if (!d->qtMode || !d->timer) return 0;
        if (ms < 0)
            d->timer->stop();
        else
            d->timer->start(int(ms));
        return 0;
    }

    void onActivity(curl_socket_t s, int flags) {
        if (callbackDepth > 0) {
            // curl is inside a callback that lets events be processed: hold
            // the socket until the callback returns (the notifiers are level
            // triggered, so nothing is lost).
            auto it = watches.find(s);
            if (it != watches.end()) {
                if (it->second.read) it->second.read->setEnabled(false);
                if (it->second.write) it->second.write->setEnabled(false);
            }
            deferred = true;
            return;
        }
        if (!multi) return;
        int still = 0;
        curl_multi_socket_action(multi, s, flags, &still);
        checkDone();
    }

    void onTimeout() {
        if (callbackDepth > 0) {
            deferred = true;
            return;
        }
        if (!multi) return;
        int still = 0;
        curl_multi_socket_action(multi, CURL_SOCKET_TIMEOUT, 0, &still);
        checkDone();
    }

    void checkDone() {
        if (!multi || !easy || done) return;
        int queued = 0;
        while (CURLMsg* m = curl_multi_info_read(multi, &queued)) {
            if (m->msg == CURLMSG_DONE && m->easy_handle == easy) {
                result = m->data.result;
                finish();
                return;
            }
        }
    }

    void finish() {
        if (done) return;
        curl_multi_remove_handle(multi, easy);
        done = true;
        if (loop) loop->quit();
    }

    void postAbort() {
        if (!ctx) return;
        QTimer::singleShot(0, ctx.get(), [this, which = serial] {
            if (running && !done && callbackDepth == 0 && serial == which) {
                result = CURLE_ABORTED_BY_CALLBACK;
                finish();
            }
        });
    }

    void resume() {
        deferred = false;
        for (auto& [s, w] : watches) {
            if (w.read) w.read->setEnabled(w.wantRead);
            if (w.write) w.write->setEnabled(w.wantWrite);
        }
        if (readableNotifier) readableNotifier->setEnabled(true);
        if (timer) timer->start(0);
    }

    void onReadable() {
        if (callbackDepth > 0) {
            readableNotifier->setEnabled(false);
            deferred = true;
            return;
        }
        fireReadable();
    }

    void fireReadable() {
        std::function<void()> ready = std::move(readable);
        endReadable();
        if (ready && running && !done) ready();
    }

    void endReadable() {
        readable = nullptr;
        readableSocket = -1;
        dropLater(readableNotifier);
    }
};

CurlLoop::CurlLoop() : d(std::make_unique<Impl>()) { globalInit(); }

CurlLoop::~CurlLoop() = default;

bool CurlLoop::busy() const { return d->running; }

bool CurlLoop::abortRequested() const { return d->abortFlag; }

void CurlLoop::abort() {
    if (!d->running || d->done) return;
    d->abortFlag = true;
    if (d->qtMode) d->postAbort();
}

void CurlLoop::enterCallback() { ++d->callbackDepth; }

void CurlLoop::leaveCallback() {
    if (--d->callbackDepth > 0 || !d->qtMode) return;
    if (d->deferred) d->resume();
    if (d->abortFlag && !d->done) d->postAbort();
}

void CurlLoop::whenReadable(int socket, std::function<void()> ready) {
    d->endReadable();
    if (!d->running || d->done) return;
    d->readableSocket = socket;
    d->readable = std::move(ready);
    if (d->qtMode) {
        d->readableNotifier = std::make_unique<QSocketNotifier>(qintptr(socket), QSocketNotifier::Read);
        QObject::connect(d->readableNotifier.get(), &QSocketNotifier::activated, d->ctx.get(),
                         [this] { d->onReadable(); });
        d->readableNotifier->setEnabled(d->callbackDepth == 0);
        if (d->callbackDepth > 0) d->deferred = true;
    }
}

void CurlLoop::every(int ms, std::function<void()> tick) {
    d->endTick();
    if (!d->running || d->done) return;
    d->tick = std::move(tick);
    d->tickMs = ms;
    d->tickDue = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    if (d->qtMode) d->ticker->start(ms);
}

void CurlLoop::closeConnections() {
    if (d->running) return;
    d->dropMulti();
}

int CurlLoop::perform(CURL* easy, Input input) {
    d->ensureMulti();
    d->easy = easy;
    ++d->serial;
    d->running = true;
    d->done = false;
    d->abortFlag = false;
    d->deferred = false;
    d->result = CURLE_OK;
    QCoreApplication* app = QCoreApplication::instance();
    d->qtMode = app && QThread::currentThread() == app->thread();
    if (d->qtMode) d->ensureQt();

    curl_multi_add_handle(d->multi, easy);
    if (d->qtMode) {
        // Adding the handle asked for a timer of 0 ms; the nested loop runs it.
        if (!d->done) {
            std::unique_ptr<InputDrop> drop;
            if (input == Input::Dropped) drop = std::make_unique<InputDrop>();
            QEventLoop loop;
            d->loop = &loop;
            d->kick->start();
            loop.exec();
            d->kick->stop();
            d->loop = nullptr;
        }
        if (!d->done) {
            // The loop was ended from outside (the program is ending).
            d->result = CURLE_ABORTED_BY_CALLBACK;
            d->finish();
        }
    } else {
        while (!d->done) {
            int still = 0;
            curl_multi_perform(d->multi, &still);
            d->checkDone();
            if (d->done) break;
            if (d->abortFlag) {
                d->result = CURLE_ABORTED_BY_CALLBACK;
                d->finish();
                break;
            }
            curl_waitfd extra{};
            unsigned extras = 0;
            if (d->readable) {
                extra.fd = d->readableSocket;
                extra.events = CURL_WAIT_POLLIN;
                extras = 1;
            }
            curl_multi_poll(d->multi, extras ? &extra : nullptr, extras, d->tick ? std::min(d->tickMs, 100) : 100,
                            nullptr);
            if (extras && (extra.revents & CURL_WAIT_POLLIN)) d->fireReadable();
            if (d->tick && std::chrono::steady_clock::now() >= d->tickDue) {
                d->tickDue = std::chrono::steady_clock::now() + std::chrono::milliseconds(d->tickMs);
                d->onTick();
            }
        }
    }
    d->endReadable();
    d->endTick();
    d->running = false;
    d->easy = nullptr;
    return d->result;
}

}  // namespace net
