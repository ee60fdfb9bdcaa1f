#include "pageeditor/publish/SiteExport.h"

#include <cstdlib>
#include <system_error>

#include "files/FileSystem.h"
#include "files/ShellCopy.h"
#include "forms/ModalAnswers.h"
#include "pageeditor/core/FileRoutines.h"
#include "pageeditor/core/MessageList.h"
#include "pageeditor/publish/PublishProgress.h"
#include "pageeditor/publish/SiteFiles.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace pageeditor {

namespace fs = std::filesystem;

namespace {

// True when `inner` is `outer` or lies inside it (links resolved).
bool inside(const fs::path& inner, const fs::path& outer) {
    std::error_code ec;
    fs::path a = fs::weakly_canonical(inner, ec);
    fs::path b = fs::weakly_canonical(outer, ec);
    auto ai = a.begin();
    for (auto bi = b.begin(); bi != b.end(); ++bi, ++ai) {
        if (bi->empty()) continue;  // the trailing separator of a folder
        if (ai == a.end() || *ai != *bi) return false;
    }
    return true;
}

}  // namespace

SiteExport::Outcome SiteExport::copyInto(const std::string& appDir, const std::string& site,
                                         std::string& destination) {
    using text::ansi;
    cancelled_ = false;
    std::string chosen;
    // The chooser starts where the desktop starts, the user's own folder (not
    // the current folder, which is the program's and holds the sites).
    const char* home = std::getenv("HOME");
    if (!forms::modal().folderDialog(ansi("Wybierz folder:"), home ? home : "/", chosen) || chosen.empty())
        return Outcome::NoFolder;
    const std::string siteDir = appDir + "webpages\\" + site + "\\";
    const fs::path siteRoot = files::realPath(siteDir);
    const fs::path target(chosen);
    if (inside(target, siteRoot)) {
        messages_.MyBox(ansi("Nie można eksportować strony do jej własnego folderu ani do folderu, który się w nim "
                             "znajduje. Wybierz inny folder."),
                        ansi("Informacja:"), 48);
        return Outcome::IntoItself;
    }
    destination = files::platformName(target);

    // The files one by one, so the window can show each of them; the site's
    // project file stays behind.
    struct Item {
        fs::path from;
        std::string toFolder;
    };
    std::vector<Item> items;
    struct LeftOut {
        std::string name, note;  // as the site names it, and why
    };
    std::vector<LeftOut> leftOut;
    struct Folder {
        fs::path from;
        std::string to, inSite;
    };
    std::vector<Folder> folders{{siteRoot, destination, ""}};
    for (size_t i = 0; i < folders.size(); ++i) {
        Folder folder = folders[i];
        for (const files::Entry& e : files::listFolder(folder.from, "*", files::Include{true, true, true})) {
            switch (siteFileUse(e, i == 0)) {
            case SiteFileUse::Foreign:
                leftOut.push_back({leftOutName(folder.inSite, e), foreignNameNote()});
                break;
            case SiteFileUse::Link:
                leftOut.push_back({leftOutName(folder.inSite, e), linkNote()});
                break;
            case SiteFileUse::Send:
                if (!e.folder)
                    items.push_back({e.path, folder.to});
                else
                    folders.push_back({e.path, folder.to + "\\" + e.name, folder.inSite + e.name + "\\"});
                break;
            case SiteFileUse::Private:
            case SiteFileUse::Temporary:
                break;
            }
        }
    }
    std::int64_t total = 0, done = 0;
    for (const Item& it : items) {
        std::error_code ec;
        std::uintmax_t n = fs::file_size(it.from, ec);
        if (!ec) total += std::int64_t(n);
    }
    if (progress) progress->open(total);
    auto ask = [&](const std::string& name) {
        return messages_.MyBox(messages_.tr(ansi("Plik ")) + name +
                                   messages_.tr(ansi(" już istnieje. Czy zastąpić go nowym plikiem?")),
                               ansi("Pytanie:"), 35);
    };
    // The folders first, empty ones included (parents come before their
    // sub-folders in the list); what a copy into them cut short by a crash
    // left goes.
    {
        std::error_code ec;
        fs::create_directories(target, ec);
        for (const Folder& f : folders) {
            fs::path real = files::realPath(f.to);
            if (!files::isFolder(real)) files::makeFolder(real);
            files::removeLeftoverTemporaries(real);
        }
    }
    Outcome outcome = Outcome::Done;
    for (const Item& it : items) {
        std::string fromName = files::platformName(it.from);
        if (progress) {
            progress->showFile(files::platformName(it.from.filename()));
        }
        if (cancelled_) {
            outcome = Outcome::Cancelled;
            break;
        }
        files::ShellCopyResult r =
            files::shellCopy(fromName, it.toFolder, files::shellflags::AllowUndo | files::shellflags::NoConfirmMkDir, ask);
        std::error_code ec;
        std::uintmax_t n = fs::file_size(it.from, ec);
        if (!ec) done += std::int64_t(n);
        if (progress) progress->fileBytes(0, done);
        if (r.aborted) {
            outcome = Outcome::Cancelled;
            break;
        }
        if (!r.ok) outcome = Outcome::Incomplete;
    }
    if (progress) progress->close();
    // The copy goes on past a file that fails, as the shell's does, and says
    // so once at the end.
    std::string message;
    if (outcome == Outcome::Incomplete)
        message = ansi("Nie udało się skopiować wszystkich plików strony do wybranego folderu. Sprawdź, czy "
                       "folder jest dostępny do zapisu i czy na dysku jest dość miejsca.");
    if (!leftOut.empty() && outcome != Outcome::Cancelled) {
        if (!message.empty()) message += "\n\n";
        message += ansi("Pominięto pliki, które nie są zwykłymi plikami strony albo których nazw nie można użyć. "
                        "Liczba pominiętych plików: ") +
                   std::to_string(leftOut.size()) + ansi(". Pierwszy z nich: ") + leftOut[0].name + " (" +
                   leftOut[0].note + ").";
        outcome = Outcome::Incomplete;
    }
    if (!message.empty()) messages_.MyBox(message, ansi("Błąd"), 48);
    return outcome;
}

SiteExport::Outcome SiteExport::exportSite(const std::string& appDir, const std::string& site) {
    std::string destination;
    return copyInto(appDir, site, destination);
}

SiteExport::Outcome SiteExport::prepareCd(const std::string& appDir, const std::string& site) {
    using text::ansi;
    messages_.MyBox(ansi("Program przygotuje teraz Twoją stronę WWW do nagrania na płytę CD. Zostaniesz poproszony o "
                         "wybranie folderu w którym umieścić pliki. Aplikacja wygeneruje wszystkie pliki potrzebne do "
                         "nagrania na płytę wraz z automatycznie uruchamianą przeglądarką. "),
                    ansi("Informacja:"), 64);
    std::string destination;
    Outcome o = copyInto(appDir, site, destination);
    if (o == Outcome::NoFolder || o == Outcome::IntoItself) return o;
    // The starters are programs; none replaces a file the folder has.
    for (const char* name : {"start.exe", "start.sh", "autorun.inf"}) {
        const bool program = std::string(name) != "autorun.inf";
        files::copyFile(files::realPath(appDir + "data\\" + name),
                        files::realPath(WithTrailingBackslash(destination) + name), files::CopyMode::NoReplace,
                        program ? files::CopyKind::Program : files::CopyKind::Data);
    }
    return o;
}

}  // namespace pageeditor
