#include "pageeditor/publish/Publisher.h"

#include <algorithm>
#include <optional>
#include <random>

#include "files/FileSystem.h"
#include "pageeditor/core/FileRoutines.h"
#include "pageeditor/core/MessageList.h"
#include "pageeditor/publish/RemoteFolder.h"
#include "pageeditor/publish/SiteFiles.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace pageeditor {

using net::NetError;

namespace {

// True when a failed FTP step ends the publish: the connection is gone, or
// the progress window's Cancel aborted the step.
bool endsPublish(const NetError& e) { return e.connectionGone() || e.kind() == NetError::Kind::Aborted; }

// Runs an FTP step whose refusal the publish passes over.
template <class F>
void tolerated(F&& step) {
    try {
        step();
    } catch (const NetError& e) {
        if (endsPublish(e)) throw;
    }
}

// Holds the progress window's Cancel back from aborting the steps it spans,
// which must run to their end; Cancel aborts as before once they are over.
struct HeldAbort {
    bool& sent;
    bool was;
    explicit HeldAbort(bool& abortSent) : sent(abortSent), was(abortSent) { sent = true; }
    ~HeldAbort() { sent = was; }
    HeldAbort(const HeldAbort&) = delete;
    HeldAbort& operator=(const HeldAbort&) = delete;
};

}  // namespace

Publisher::Publisher(const MessageList& messages) : messages_(messages) {
    ftp_.setEvents({[this](std::int64_t expected) {
                        lastSoFar_ = 0;
                        if (progress) progress->fileBegin(expected);
                    },
                    [this](std::int64_t soFar) {
                        if (cancelled_ && !abortSent_) {
                            abortSent_ = true;
                            ftp_.abort();
                        }
                        jobBytes_ += soFar - lastSoFar_;
                        lastSoFar_ = soFar;
                        if (progress) progress->fileBytes(soFar, jobBytes_);
                    },
                    [this] {
                        if (progress) progress->fileEnd();
                    }});
}

Publisher::Outcome Publisher::publish(const std::string& appDir, const std::string& site, int pageCount) {
    using text::ansi;
    if (running_) return Outcome::Cancelled;
    if (pageCount <= 0) {
        messages_.MyBox(ansi("Strona nie zawiera żadnych dokumentów."), ansi("Informacja:"), 64);
        return Outcome::NoPages;
    }
    replaceAll_ = false;
    const std::string siteDir = appDir + "webpages\\" + site + "\\";
    std::int64_t size = 0;
    folder_size(siteDir, "*.*", size);
    if (size > kSizeQuestionLimit &&
        messages_.MyBox(ansi("Twoja strona zajmuje ponad 6MB. Jeśli korzystasz z systemu darmowych kont może nie "
                             "wystarczyć miejsca na serwerze na pliki strony. Proces wgrywania będzie trwał "
                             "kilkanaście minut (w zależności od połączenia). Czy chcesz kontynuować?"),
                        ansi("Pytanie:"), 36) != 6)
        return Outcome::SizeDeclined;

    settings_.load(appDir, site);
    if (!showDialog || !showDialog(settings_)) return Outcome::DialogCancelled;
    messages_.MyBox(ansi("Program jest gotowy rozpocząć kopiowanie plików. W zależności od szybkości połączenia i "
                         "wielkości serwisu może to zająć kilka lub kilkanaście minut."),
                    ansi("Informacja:"), 64);

    cancelled_ = false;
    abortSent_ = false;
    heldStore_ = false;
    nextTemporary_ = std::random_device{}();
    unsent_ = 0;
    firstUnsent_.clear();
    firstReason_.clear();
    try {
        ftp_.setHost(settings_.host);
        ftp_.setUser(settings_.user);
        ftp_.setPassword(settings_.password);
        ftp_.connect();
    } catch (const std::exception&) {
        messages_.MyBox(ansi("Nie można ustanowić połączenia z serwerem. Być może adres serwera jest zły, lub "
                             "podałeś złe hasło lub nazwę użytkownika. Sprawdź jeszcze raz dane i spróbuj "
                             "ponownie."),
                        ansi("Informacja:"), 48);
        return Outcome::ConnectFailed;
    }

    running_ = true;
    struct Running {
        bool& flag;
        ~Running() { flag = false; }
    } runningGuard{running_};
    std::vector<Item> pages = itemsOf(siteDir, true);
    // A data folder that is a link is named among the pages' folder's
    // entries and never entered.
    std::vector<Item> media;
    if (!files::isLink(files::realPath(siteDir + "data"))) media = itemsOf(siteDir + "data\\", false);
    unsettled_ = int(pages.size() + media.size());
    current_ = !pages.empty() ? pages[0].entry.name : !media.empty() ? "data\\" + media[0].entry.name : "";
    currentNamed_ = false;
    try {
        std::vector<std::string> names;
        tolerated([&] { names = ftp_.listNames(); });
        std::string target = settings_.autoDetect ? detectTargetFolder(names) : userTargetFolder(settings_.folder);
        // A folder that cannot be made or entered leaves the upload in the
        // folder reached so far.
        tolerated([&] { ftp_force_dir(ftp_, target + "/"); });
        remoteNames_.clear();
        tolerated([&] { remoteNames_ = ftp_.listNames(); });

        jobBytes_ = 0;
        if (progress) progress->open(size);
        if (!uploadFolder(pages, true) || cancelled_) return finish(Outcome::Cancelled);
        // The pages are settled: a connection lost from here on leaves the
        // media unsent, beginning with the first of them.
        current_ = !media.empty() ? "data\\" + media[0].entry.name : "";
        currentNamed_ = false;

        tolerated([&] { ftp_.makeDir("data"); });
        bool inData = true;
        std::string refusal;
        try {
            ftp_.changeDir("data");
        } catch (const NetError& e) {
            if (endsPublish(e)) throw;
            inData = false;
            refusal = e.what();
        }
        if (inData) {
            remoteNames_.clear();
            tolerated([&] { remoteNames_ = ftp_.listNames(); });
            if (!uploadFolder(media, false)) return finish(Outcome::Cancelled);
        } else {
            // The media would land beside the pages, where no page looks.
            for (const Item& it : media) notSent("data\\" + it.entry.name, refusal);
            unsettled_ = 0;
        }
    } catch (const NetError& e) {
        // Cancel ends the publish quietly, whatever step it cut short.
        if (cancelled_) return finish(Outcome::Cancelled);
        return lost(e);
    }
    if (cancelled_) return finish(Outcome::Cancelled);

    cancelled_ = true;  // the window closes through its Cancel handler
    if (unsent_ > 0) {
        finish(Outcome::Incomplete);
        messages_.MyBox(notSentSummary(), ansi("Błąd"), 48);
        return Outcome::Incomplete;
    }
    finish(Outcome::Done);
    messages_.MyBox(ansi("Wgrywanie plików zakończone. Twój serwis od teraz dostępny jest w Sieci!"),
                    ansi("Informacja:"), 64);
    return Outcome::Done;
}

std::vector<Publisher::Item> Publisher::itemsOf(const std::string& folder, bool topLevel) {
    std::vector<Item> items;
    const std::string inSite = topLevel ? "" : "data\\";
    for (files::Entry& e : files::listFolder(files::realPath(folder), "*.*", files::Include{true, true, true})) {
        switch (siteFileUse(e, topLevel)) {
        case SiteFileUse::Send:
            if (!e.folder) items.push_back({e, folder + e.name});
            break;
        case SiteFileUse::Foreign:
            if (!e.folder) notSent(leftOutName(inSite, e), foreignNameNote());
            break;
        case SiteFileUse::Link:
            notSent(leftOutName(inSite, e), linkNote());
            break;
        case SiteFileUse::Private:
        case SiteFileUse::Temporary:
            break;
        }
    }
    return items;
}

bool Publisher::uploadFolder(const std::vector<Item>& items, bool topLevel) {
    for (const Item& item : items) {
        const std::string& name = item.entry.name;
        current_ = topLevel ? name : "data\\" + name;
        currentNamed_ = false;
        if (topLevel) {
            if (cancelled_) return false;
            if (progress) progress->showFile(name);
        } else {
            if (progress) progress->showFile(name);
            if (cancelled_) return false;
        }
        Sent sent = Sent::Ok;
        bool declined = false;
        if (!replaceAll_) {
            bool onServer = false;
            for (const std::string& r : remoteNames_)
                if (text::equalsNoCase(r, name)) onServer = true;
            if (onServer) {
                int answer = messages_.MyBox(
                    messages_.tr(text::ansi("Plik ")) + item.shownPath +
                        messages_.tr(text::ansi(" już istnieje na serwerze, czy zastąpić go? ANULUJ - zastępuje "
                                                "wszystkie pliki.")),
                    text::ansi("Pytanie:"), 35);
                if (answer == 2)
                    replaceAll_ = true;
                else if (answer != 6)
                    declined = true;
            }
        }
        if (!declined) sent = sendFile(item);
        if (sent == Sent::Stop) return false;
        --unsettled_;
    }
    return true;
}

Publisher::Sent Publisher::sendFile(const Item& item) {
    const std::string& name = item.entry.name;
    const std::string temporary = nextTemporaryName();
    const std::string remoteDir = ftp_.currentDir();
    abortSent_ = false;
    lastSoFar_ = 0;
    try {
        ftp_.store(item.entry.path, temporary);
    } catch (const NetError& e) {
        // Whatever the server kept of the temporary file goes, also when the
        // server, its full disk, the user's Cancel or a local file that could
        // not be read whole cut the store off. A local file that could not
        // even be opened sent nothing.
        const bool local = e.kind() == NetError::Kind::Local;
        if (!local || lastSoFar_ > 0 || !ftp_.connected()) removeCutOff(remoteDir, temporary);
        if (e.kind() == NetError::Kind::Aborted || cancelled_) return Sent::Stop;
        if (local) {
            notSent(current_, e.what());
            return Sent::Failed;
        }
        if (e.connectionGone()) throw;
        if (lastSoFar_ > 0) {
            // Refused once bytes of it had gone: the server took the name
            // and will not take the file.
            notSent(current_, e.what());
            return Sent::Failed;
        }
        // A server that takes no file under the temporary name may still
        // take it under its own.
        return storePlain(item, remoteDir, nullptr);
    }
    if (cancelled_) {
        removeCutOff(remoteDir, temporary);
        return Sent::Stop;
    }
    try {
        ftp_.rename(temporary, name);
        return Sent::Ok;
    } catch (const NetError& e) {
        if (endsPublish(e) || cancelled_) {
            // Cut off between RNFR and RNTO or before: the server holds the
            // page it had or, if the rename went through, the new one.
            removeCutOff(remoteDir, temporary);
            if (cancelled_ || e.kind() == NetError::Kind::Aborted) return Sent::Stop;
            throw;
        }
    }
    // A server that renames nothing over an existing file: its copy is moved
    // aside and the file stored straight under its name from the local copy;
    // the server's copy is replaced only by a store it accepted. A copy that
    // cannot be moved (there is none, or the server renames nothing) stays.
    if (cancelled_) {
        removeCutOff(remoteDir, temporary);
        return Sent::Stop;
    }
    // A folder under the name is the user's, never moved aside: the store
    // under the name is refused then, and the folder stays as it is.
    bool folder = false;
    try {
        HeldAbort held(abortSent_);
        ftp_.changeDir(name);
        folder = true;
        ftp_.changeDir(remoteDir);
    } catch (const NetError& e) {
        if (e.connectionGone()) {
            removeCutOff(remoteDir, temporary);
            if (cancelled_) return Sent::Stop;
            throw;
        }
        if (folder) {
            // Not back in the folder of the upload: the rest goes over a new
            // connection that is.
            ftp_.disconnect();
            removeCutOff(remoteDir, temporary);
            if (cancelled_) return Sent::Stop;
            if (!ftp_.connected()) throw NetError(NetError::Kind::NotConnected, e.what());
        }
    }
    std::string aside = folder ? std::string() : nextTemporaryName();
    bool movedAside = false;
    try {
        HeldAbort held(abortSent_);
        if (!folder) ftp_.rename(name, aside);
        movedAside = !folder;
    } catch (const NetError& e) {
        if (e.connectionGone()) {
            // Whether the copy moved is not known: if it did, it goes back.
            restoreAside(remoteDir, name, aside, false);
            removeCutOff(remoteDir, temporary);
            if (cancelled_) return Sent::Stop;
            throw;
        }
    }
    if (cancelled_) {
        if (movedAside) restoreAside(remoteDir, name, aside, true);
        removeCutOff(remoteDir, temporary);
        return Sent::Stop;
    }
    return storePlain(item, remoteDir, &temporary, movedAside ? aside : std::string());
}

Publisher::Sent Publisher::storePlain(const Item& item, const std::string& remoteDir, const std::string* temporary,
                                      const std::string& aside) {
    abortSent_ = false;
    lastSoFar_ = 0;
    // Without a whole copy on the server a store cut short would leave it
    // a broken file and nothing to put in its place: Cancel lets it end.
    std::optional<HeldAbort> held;
    if (!temporary) held.emplace(abortSent_);
    struct HeldStore {
        bool& flag;
        explicit HeldStore(bool& f, bool on) : flag(f) { flag = on; }
        ~HeldStore() { flag = false; }
    } heldStore{heldStore_, !temporary};
    try {
        ftp_.store(item.entry.path, item.entry.name);
    } catch (const NetError& e) {
        heldStore_ = false;
        held.reset();
        if (temporary) {
            // A store the server accepted and that did not end may have cut
            // the server's copy: the whole temporary file takes its place.
            // One the server refused (at once or late) leaves the server
            // what it had: the copy moved aside goes back.
            const bool cutOff =
                cancelled_ || e.kind() == NetError::Kind::Aborted || lastSoFar_ > 0 || !ftp_.connected();
            const bool refused = e.kind() == NetError::Kind::Refused && !cancelled_;
            if (!aside.empty() && (refused || !cutOff)) {
                restoreAside(remoteDir, item.entry.name, aside, true);
                removeCutOff(remoteDir, *temporary);
            } else if (cutOff) {
                if (putBack(remoteDir, item.entry.name, *temporary)) {
                    if (!aside.empty()) removeCutOff(remoteDir, aside);
                } else if (!aside.empty()) {
                    restoreAside(remoteDir, item.entry.name, aside, true);
                }
            } else {
                removeCutOff(remoteDir, *temporary);
            }
        }
        if (e.kind() == NetError::Kind::Aborted || cancelled_) return Sent::Stop;
        if (e.connectionGone()) throw;
        notSent(current_, e.what());
        // A refusal the server gave while the file was being sent may have
        // closed the connection; the next file goes over a new one.
        if (!ftp_.connected() && !reconnect(remoteDir)) throw NetError(NetError::Kind::NotConnected, e.what());
        return Sent::Failed;
    }
    heldStore_ = false;
    held.reset();
    if (temporary) removeCutOff(remoteDir, *temporary);
    if (!aside.empty()) removeCutOff(remoteDir, aside);
    return Sent::Ok;
}

void Publisher::restoreAside(const std::string& remoteDir, const std::string& name, const std::string& aside,
                             bool moved) {
    HeldAbort held(abortSent_);
    if (!ftp_.connected() && !reconnect(remoteDir)) return;
    // Only what the store left goes, and only when the copy moved aside is
    // there to take its place. When it is not known whether it moved,
    // nothing was stored under the name yet: the rename alone puts back a
    // copy that moved (also on a server that lists no names) and does
    // nothing when there is none.
    if (moved) {
        try {
            ftp_.deleteFile(name);
        } catch (const NetError&) {
        }
    }
    // A connection that breaks now would leave the page under the temporary
    // name only: the rename is tried once more over a new one.
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            ftp_.rename(aside, name);
            return;
        } catch (const NetError& e) {
            if (!e.connectionGone() || attempt > 0 || !reconnect(remoteDir)) return;
        }
    }
}

bool Publisher::reconnect(const std::string& remoteDir) {
    // A server that is not there answers no sooner than this.
    int connectMs = ftp_.connectTimeout(), idleMs = ftp_.idleTimeout();
    ftp_.setConnectTimeout(std::min(connectMs, 5000));
    ftp_.setIdleTimeout(std::min(idleMs, 5000));
    struct Restore {
        net::FtpClient& ftp;
        int connectMs, idleMs;
        ~Restore() {
            ftp.setConnectTimeout(connectMs);
            ftp.setIdleTimeout(idleMs);
        }
    } restore{ftp_, connectMs, idleMs};
    try {
        ftp_.connect();
        ftp_.changeDir(remoteDir);
        return true;
    } catch (const NetError&) {
        return false;
    }
}

void Publisher::removeCutOff(const std::string& remoteDir, const std::string& temporaryName) {
    // Cancel does not cut the removal short: it is what Cancel wants too.
    HeldAbort held(abortSent_);
    if (!ftp_.connected() && !reconnect(remoteDir)) return;
    tidyUp(temporaryName);
}

bool Publisher::putBack(const std::string& remoteDir, const std::string& name, const std::string& temporaryName) {
    HeldAbort held(abortSent_);
    if (!ftp_.connected() && !reconnect(remoteDir)) return false;
    try {
        ftp_.deleteFile(name);
    } catch (const NetError&) {
    }
    try {
        ftp_.rename(temporaryName, name);
        return true;
    } catch (const NetError&) {
    }
    tidyUp(temporaryName);
    return false;
}

bool Publisher::isTemporaryName(std::string_view name) {
    std::string_view old = kOldTemporarySuffix;
    if (name.size() > old.size() && text::equalsNoCase(name.substr(name.size() - old.size()), old)) return true;
    if (name.size() != 12 || !text::equalsNoCase(name.substr(0, 2), "pw") ||
        !text::equalsNoCase(name.substr(8), ".tmp"))
        return false;
    for (char c : name.substr(2, 6))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
    return true;
}

std::string Publisher::nextTemporaryName() {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::uint32_t n = nextTemporary_++ % 2176782336u;  // 36 to the sixth
    std::string name = "pw000000.tmp";
    for (int i = 7; i >= 2; --i, n /= 36) name[i] = kDigits[n % 36];
    return name;
}

void Publisher::tidyUp(const std::string& temporaryName) {
    try {
        ftp_.deleteFile(temporaryName);
    } catch (const NetError&) {
    }
}

void Publisher::notSent(const std::string& name, const std::string& reason) {
    if (name == current_) currentNamed_ = true;
    if (unsent_++ == 0) {
        firstUnsent_ = name;
        firstReason_ = reason;
    }
}

std::string Publisher::notSentSummary() const {
    std::string reason = firstReason_;
    if (!reason.empty() && reason.back() == '.') reason.pop_back();
    return text::ansi("Nie wszystkie pliki strony zostały wysłane na serwer. Liczba niewysłanych plików: ") +
           std::to_string(unsent_) + text::ansi(". Pierwszy z nich: ") + firstUnsent_ + " (" + reason + ").";
}

Publisher::Outcome Publisher::lost(const NetError& e) {
    finish(Outcome::ConnectionLost);
    // The file under way and every one after it did not arrive either.
    // (The file under way is counted once, also when it was named already.)
    const int left = unsettled_ - (currentNamed_ && unsettled_ > 0 ? 1 : 0);
    if (left > 0) {
        if (unsent_ == 0) {
            firstUnsent_ = current_;
            firstReason_ = e.what();
        }
        unsent_ += left;
    }
    unsettled_ = 0;
    std::string text = e.what();
    if (unsent_ > 0) text += "\n\n" + notSentSummary();
    messages_.MyBox(text, text::ansi("Błąd"), 48);
    return Outcome::ConnectionLost;
}

Publisher::Outcome Publisher::finish(Outcome o) {
    if (progress) progress->close();
    ftp_.disconnect();
    return o;
}

void Publisher::cancel() {
    cancelled_ = true;
    if (!abortSent_) {
        abortSent_ = true;
        ftp_.abort();
    } else if (heldStore_) {
        ftp_.abortWhenStalled(kStalledStoreMs);
    }
    // Outside a publish the window has no job to wait for.
    if (!running_ && progress) progress->close();
}

bool Publisher::confirmClose() {
    if (!cancelled_) {
        if (messages_.MyBox(text::ansi("Czy chcesz przerwać instalację? Strona nie będzie się wtedy wyświetlać "
                                       "poprawnie."),
                            text::ansi("Pytanie:"), 36) != 6)
            return false;
        cancel();
    }
    return true;
}

}  // namespace pageeditor
