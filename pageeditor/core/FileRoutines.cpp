#include "pageeditor/core/FileRoutines.h"

#include "files/FileSystem.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

namespace pageeditor {

namespace {

constexpr files::Include kEverything{true, true};

// list_files and folder_size add a backslash unless the folder is empty or
// names a drive ("C:").
void normaliseSearchFolder(std::string& folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != ':') folder += '\\';
}

}  // namespace

void AddTrailingBackslash(std::string& path) {
    if (!path.empty() && path.back() != '\\') path += '\\';
}

std::string WithTrailingBackslash(std::string path) {
    AddTrailingBackslash(path);
    return path;
}

bool FolderExists(const std::string& path) { return files::isFolder(files::realPath(path)); }

namespace {

bool clearPath(const files::fs::path& folder);

bool deleteTreePath(const files::fs::path& folder) {
    clearPath(folder);
    return files::removeFolder(folder);
}

bool clearPath(const files::fs::path& folder) {
    bool ok = true;
    for (const files::Entry& e : files::listFolder(folder, "*.*", kEverything)) {
        if (!ok) break;  // after a failure nothing more is deleted
        ok = e.folder && !e.link ? deleteTreePath(e.path) : files::removeFile(e.path);
    }
    return ok;
}

bool copyTreePath(const files::fs::path& source, const files::fs::path& dest) {
    for (const files::Entry& e : files::listFolder(source, "*.*", kEverything)) {
        files::fs::path to = dest / e.path.filename();
        if (e.folder) {
            if (e.link) continue;  // a link is never followed into a folder
            if (!files::isFolder(to) && !files::makeFolder(to)) return false;
            if (!copyTreePath(e.path, to)) return false;
        } else if (!files::copyFile(e.path, to)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ClearFolder(std::string folder) {
    AddTrailingBackslash(folder);
    return clearPath(files::realPath(folder));
}

bool DeleteFolderTree(const std::string& folder) { return deleteTreePath(files::realPath(WithTrailingBackslash(folder))); }

bool CopyFolderTree(std::string source, const std::string& destination) {
    AddTrailingBackslash(source);
    return copyTreePath(files::realPath(source), files::realPath(WithTrailingBackslash(destination)));
}

void SaveTextToFile(const std::string& file, std::string_view text) {
    std::string bytes;
    for (const auto& line : text::splitLines(text)) {
        bytes += line;
        bytes += "\r\n";
    }
    if (!files::writeFile(files::realPath(file), bytes)) throw FileError(text::ansi("Nie można zapisać pliku ") + file);
}

std::string LoadTextFromFile(const std::string& file) {
    std::vector<std::string> lines;
    if (!text::readLines(files::realPath(file), lines)) throw FileError(text::ansi("Nie można odczytać pliku ") + file);
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

void list_files(std::string folder, std::vector<std::string>& list, std::string_view mask) {
    normaliseSearchFolder(folder);
    for (const files::Entry& e : files::search(folder + std::string(mask))) list.push_back(folder + e.name);
}

void folder_size(std::string folder, std::string_view mask, std::int64_t& total) {
    normaliseSearchFolder(folder);
    for (const files::Entry& e : files::search(folder + std::string(mask)))
        if (e.name != "setup.cfg" && e.name != "setup.webserver") total += e.size;
    for (const files::Entry& e : files::search(folder + "*", files::Include{true, false}))
        if (e.folder && !e.link) folder_size(folder + e.name, mask, total);
}

}  // namespace pageeditor
