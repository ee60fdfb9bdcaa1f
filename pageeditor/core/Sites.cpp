#include "pageeditor/core/Sites.h"

#include "files/FileSystem.h"
#include "files/ProfileFile.h"
#include "forms/ModalAnswers.h"
#include "shell/Shell.h"
#include "pageeditor/core/FileRoutines.h"
#include "pageeditor/core/TextRoutines.h"
#include "text/CodePage.h"
#include "text/Paths.h"

namespace pageeditor {

namespace {

const char* const kInfo = "Informacja:";
const char* const kQuestion = "Pytanie:";

std::string duplicateSiteText() {
    return text::ansi("Nie można utworzyć strony o takiej nazwie, ponieważ już ona występuje.");
}
std::string badSiteNameText() {
    return text::ansi("Nie podałeś nazwy strony, lub zawiera ona nieprawidłowe znaki (\" , | * ?)");
}
std::string longSiteNameText() {
    return text::ansi("Nazwa strony jest zbyt długa. Podaj nazwę krótszą niż 100 znaków.");
}
std::string siteNotMadeText() {
    return text::ansi("Nie można utworzyć folderu strony. Sprawdź, czy folder programu jest dostępny do zapisu i "
                      "czy na dysku jest dość miejsca.");
}
std::string deleteFileText() { return text::ansi("Czy chcesz usunąć trwale ten plik? Ta operacja nie jest odwracalna."); }
std::string deleteSiteText() {
    return text::ansi("Czy chcesz usunąć wybraną stronę i wszystkie jej pliki? (Operacja nie jest odwracalna)");
}

// A file name from one of the lists: one component, nothing that leaves the
// folder it was listed in.
bool plainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/") == std::string_view::npos;
}

constexpr const char* kSection = "project";

}  // namespace

Sites::Sites(const MessageList& messages, std::string appDir) : messages_(messages), appDir_(std::move(appDir)) {}

std::string Sites::sitesFolder() const { return appDir_ + "webpages\\"; }

std::string Sites::siteFolder(std::string_view name) const { return sitesFolder() + std::string(name) + "\\"; }

bool Sites::validSiteName(std::string_view name) {
    if (name.empty() || name.find("..") != std::string_view::npos) return false;
    if (name.find_first_of("\"\\/,'*?|") != std::string_view::npos) return false;
    return files::isAllowedName(name);
}

bool Sites::siteExists(std::string_view name) const {
    // "moja" is the site "Moja": the platform's names ignore case.
    return files::existsIgnoringCase(files::realPath(sitesFolder() + std::string(name)));
}

bool Sites::acceptSiteDialog(const ProjectSettings& fields, bool nameEditable) const {
    bool valid = validSiteName(fields.name);
    if (valid && nameEditable && siteExists(fields.name)) {
        messages_.MyBox(duplicateSiteText(), kInfo, 64);
        return false;
    }
    if (!valid) {
        messages_.MyBox(badSiteNameText(), text::ansi("Błąd"), 48);
        return false;
    }
    if (nameEditable && fields.name.size() >= kMaxSiteName) {
        messages_.MyBox(longSiteNameText(), text::ansi("Błąd"), 48);
        return false;
    }
    return true;
}

bool Sites::createSite(const ProjectSettings& fields) {
    if (!acceptSiteDialog(fields, true)) return false;
    std::string site = sitesFolder() + fields.name;
    // On first use there is no webpages\ folder yet.
    bool siteMade = false;
    bool made = (FolderExists(sitesFolder()) || files::makeFolder(files::realPath(sitesFolder()))) &&
                (siteMade = files::makeFolder(files::realPath(site))) &&
                files::makeFolder(files::realPath(site + "\\data"));
    if (!made) {
        if (siteMade) DeleteFolderTree(site);
        messages_.MyBox(siteNotMadeText(), text::ansi("Błąd"), 48);
        return false;
    }
    if (!writeProject(fields.name, fields, true)) {  // the user was told
        DeleteFolderTree(site);
        return false;
    }
    return page_open(fields.name);
}

bool Sites::writeProject(const std::string& site, const ProjectSettings& f, bool create) {
    files::ProfileFile file(files::realPath(siteFolder(site) + "project.prj"));
    // An existing file is read first so its other keys stay; one that exists
    // but cannot be read is never replaced.
    if (!create && !file.load() && files::exists(file.path())) return false;
    const std::pair<const char*, const std::string*> keys[] = {
        {"author", &f.author}, {"name", &f.name}, {"email", &f.email}, {"author", &f.author},
        {"host", &f.host},     {"user", &f.user}, {"pass", &f.pass},   {"dir", &f.dir},
    };
    for (const auto& [key, value] : keys) file.write(kSection, key, *value);
    // The password is kept in plain text: the file is readable by its owner
    // only, and so is the temporary copy a save writes first.
    std::error_code failure;
    if (file.save(files::Access::OwnerOnly, &failure)) return true;
    // The file as the user's system names it.
    messages_.MyBox(files::saveFailedText(files::shownName(file.path()), failure), text::ansi("Błąd"), 16);
    return false;
}

void Sites::removeSaveLeftovers() const {
    files::removeLeftoverTemporaries(files::realPath(appDir_));
    files::removeLeftoverTemporaries(files::realPath(appDir_ + "data\\lang\\pl\\"));
    // Copies into a site go into its sub-folders too (a template's media tree).
    for (const files::Entry& site : files::search(sitesFolder() + "*.*", files::Include{true, false})) {
        if (site.folder && !site.link) files::removeLeftoverTemporaries(site.path, true);
    }
}

bool Sites::page_open(const std::string& name) {
    if (!plainName(name) || !FolderExists(siteFolder(name))) return false;
    siteName_ = name;
    if (hooks_.enable) hooks_.enable(1);
    refillPages();
    refillMedia();
    if (pages_.empty() && hooks_.newPage) hooks_.newPage();
    return true;
}

void Sites::closeSite() {
    siteName_.clear();
    pages_.clear();
    media_.clear();
    if (hooks_.listsChanged) hooks_.listsChanged();
    if (hooks_.enable) hooks_.enable(0);
}

void Sites::refillPages() {
    if (siteName_.empty()) return;
    folder_list(pages_, siteFolder() + "*.*", PageMode);
    if (hooks_.listsChanged) hooks_.listsChanged();
}

void Sites::refillMedia() {
    if (siteName_.empty()) return;
    // A data folder that is a link leads out of the site: nothing of it is
    // the site's media (publishing and export name it).
    if (files::isLink(files::realPath(siteFolder() + "data")))
        media_.clear();
    else
        folder_list(media_, siteFolder() + "data\\*.*", MediaMode);
    if (hooks_.listsChanged) hooks_.listsChanged();
}

ItemList Sites::siteList() const {
    ItemList list;
    folders_list(list, sitesFolder() + "*.*", PageMode);
    return list;
}

bool Sites::deleteSite(const std::string& name) {
    // An empty name would be webpages\ itself: every site.
    if (!plainName(name) || !FolderExists(siteFolder(name))) return false;
    if (messages_.MyBox(deleteSiteText(), kQuestion, 36) != forms::mb::Yes) return false;
    // Windows of the site's pages close first (each asks about its changes),
    // also when another site is open by now: their files are about to go.
    if (hooks_.closeSiteDocuments && !hooks_.closeSiteDocuments(siteFolder(name))) return false;
    if (name == siteName_) closeSite();
    ClearFolder(siteFolder(name));
    DeleteFolderTree(siteFolder(name));
    return !FolderExists(siteFolder(name));
}

std::string Sites::GetPageVal(const std::string& site, std::string_view key) const {
    if (!plainName(site)) return {};
    return files::ProfileFile::readString(files::realPath(siteFolder(site) + "project.prj"), kSection, key);
}

ProjectSettings Sites::readSettings() const {
    ProjectSettings f;
    if (siteName_.empty()) return f;
    files::ProfileFile file(files::realPath(siteFolder() + "project.prj"));
    file.load();
    f.author = file.read(kSection, "author");
    f.name = file.read(kSection, "name");
    f.email = file.read(kSection, "email");
    f.author = file.read(kSection, "author");
    f.host = file.read(kSection, "host");
    f.user = file.read(kSection, "user");
    f.pass = file.read(kSection, "pass");
    f.dir = file.read(kSection, "dir");
    return f;
}

bool Sites::saveSettings(const ProjectSettings& fields) {
    if (siteName_.empty()) return false;
    return writeProject(siteName_, fields, false);
}

std::string Sites::pagePath(const std::string& caption) const { return siteFolder() + caption; }

std::string Sites::pageLinkPath(const std::string& caption) const { return pagePath(caption); }

std::string Sites::mediaPath(const std::string& caption) const { return siteFolder() + "data\\" + caption; }

void Sites::editPage(const std::string& caption) {
    if (siteName_.empty() || !plainName(caption)) return;
    if (caption.find(".htm") != std::string::npos) {
        if (hooks_.openDocument) hooks_.openDocument(pagePath(caption));
    } else {
        openExternally(pagePath(caption));
    }
}

bool Sites::deleteListedFile(const std::string& name) {
    if (messages_.MyBox(deleteFileText(), kQuestion, 36) != forms::mb::Yes) return false;
    return files::removeFile(files::realPath(name));
}

bool Sites::deletePage(const std::string& caption) {
    if (siteName_.empty() || !plainName(caption)) return false;
    bool deleted = deleteListedFile(pagePath(caption));
    if (deleted && hooks_.pageDeleted) hooks_.pageDeleted(pagePath(caption));
    refillPages();
    return deleted;
}

bool Sites::deleteMedia(const std::string& caption) {
    if (siteName_.empty() || !plainName(caption)) return false;
    bool deleted = deleteListedFile(mediaPath(caption));
    refillMedia();
    return deleted;
}

void Sites::openPageExternally(const std::string& caption) {
    if (!siteName_.empty() && plainName(caption)) openExternally(pagePath(caption));
}

void Sites::openMediaExternally(const std::string& caption) {
    if (!siteName_.empty() && plainName(caption)) openExternally(mediaPath(caption));
}

Sites::Insert Sites::mediaInsertKind(const std::string& caption) const {
    if (siteName_.empty() || !plainName(caption)) return Insert::None;
    std::string ext = ext_of(caption);
    for (const char* e : {".jpg", ".gif", ".bmp", ".jpeg", ".png"})
        if (ext == e) return Insert::Image;
    return ext == ".swf" ? Insert::Flash : Insert::None;
}

bool Sites::openExternally(const std::string& name) {
    // The desktop opens files by their real path.
    return shell::execute("open", text::pathText(files::realPath(name))) > 32;
}

}  // namespace pageeditor
