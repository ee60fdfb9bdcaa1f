#include "pageeditor/publish/Publisher.h"

#include "files/FileSystem.h"
#include "pageeditor/core/FileRoutines.h"
#include "pageeditor/core/MessageList.h"
#include "pageeditor/publish/RemoteFolder.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace pageeditor {

using net::NetError;

namespace {

std::string fileNameOf(const std::string& path) {
    size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Runs an FTP step whose refusal the publish passes over; a lost connection
// still ends the publish.
template <class F>
void tolerated(F&& step) {
    try {
        step();
    } catch (const NetError& e) {
        if (e.connectionGone()) throw;
    }
}

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
    ftp_.setHost(settings_.host);
    ftp_.setUser(settings_.user);
    ftp_.setPassword(settings_.password);
    try {
        ftp_.connect();
    } catch (const NetError&) {
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
    try {
        std::vector<std::string> names;
        tolerated([&] { names = ftp_.listNames(); });
        std::string target = settings_.autoDetect ? detectTargetFolder(names) : userTargetFolder(settings_.folder);
        // A folder that cannot be made or entered leaves the upload in the
        // folder reached so far.
        tolerated([&] { ftp_force_dir(ftp_, target + "/"); });
        remoteNames_.clear();
        tolerated([&] { remoteNames_ = ftp_.listNames(); });

        std::vector<std::string> local;
        list_files(siteDir, local, "*.*");
        jobBytes_ = 0;
        if (progress) progress->open(size);
        if (!uploadFolder(local, true)) return finish(Outcome::Cancelled);

        tolerated([&] { ftp_.makeDir("data"); });
        tolerated([&] { ftp_.changeDir("data"); });
        remoteNames_.clear();
        tolerated([&] { remoteNames_ = ftp_.listNames(); });
        local.clear();
        list_files(siteDir + "data\\", local, "*.*");
        if (!uploadFolder(local, false)) return finish(Outcome::Cancelled);
    } catch (const NetError& e) {
        return lost(e);
    }

    cancelled_ = true;  // the window closes through its Cancel handler
    finish(Outcome::Done);
    messages_.MyBox(ansi("Wgrywanie plików zakończone. Twój serwis od teraz dostępny jest w Sieci!"),
                    ansi("Informacja:"), 64);
    return Outcome::Done;
}

bool Publisher::uploadFolder(const std::vector<std::string>& localFiles, bool topLevel) {
    for (const std::string& file : localFiles) {
        const std::string name = fileNameOf(file);
        // The project file holds the FTP password in plain text.
        if (topLevel && text::equalsNoCase(name, "project.prj")) continue;
        if (topLevel) {
            if (cancelled_) return false;
            if (progress) progress->showFile(name);
        } else {
            if (progress) progress->showFile(name);
            if (cancelled_) return false;
        }
        if (!replaceAll_) {
            bool onServer = false;
            for (const std::string& r : remoteNames_)
                if (text::equalsNoCase(r, name)) onServer = true;
            if (onServer) {
                int answer = messages_.MyBox(
                    messages_.tr(text::ansi("Plik ")) + file +
                        messages_.tr(text::ansi(" już istnieje na serwerze, czy zastąpić go? ANULUJ - zastępuje "
                                                "wszystkie pliki.")),
                    text::ansi("Pytanie:"), 35);
                if (answer == 2)
                    replaceAll_ = true;
                else if (answer != 6)
                    continue;
            }
        }
        if (sendFile(file, name) == Sent::Stop) return false;
    }
    return true;
}

Publisher::Sent Publisher::sendFile(const std::string& localFile, const std::string& name) {
    const std::string temporary = name + kTemporarySuffix;
    abortSent_ = false;
    try {
        ftp_.store(files::realPath(localFile), temporary);
    } catch (const NetError& e) {
        if (e.connectionGone()) throw;
        tidyUp(temporary);
        return e.kind() == NetError::Kind::Aborted ? Sent::Stop : Sent::Skipped;
    }
    try {
        ftp_.rename(temporary, name);
        return Sent::Ok;
    } catch (const NetError& e) {
        if (e.connectionGone()) throw;
    }
    // A server that renames nothing over an existing file: the old copy goes
    // first, and only once the new one is complete on the server.
    tolerated([&] { ftp_.deleteFile(name); });
    try {
        ftp_.rename(temporary, name);
        return Sent::Ok;
    } catch (const NetError& e) {
        if (e.connectionGone()) throw;
    }
    return Sent::Skipped;  // the new copy stays under its temporary name
}

void Publisher::tidyUp(const std::string& temporaryName) {
    try {
        ftp_.deleteFile(temporaryName);
    } catch (const NetError&) {
    }
}

Publisher::Outcome Publisher::lost(const NetError& e) {
    finish(Outcome::ConnectionLost);
    messages_.MyBox(e.what(), text::ansi("Błąd"), 48);
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
    }
    if (progress) progress->close();
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
