#include "pageeditor/app/SiteCopy.h"

#include "files/FileSystem.h"

namespace pageeditor {

std::string bareFileName(std::string_view name) {
    auto cut = name.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? name : name.substr(cut + 1));
}

bool isWebAddress(std::string_view name) { return name.find("http://") != std::string_view::npos; }

bool copyIntoFolder(const std::string& source, const std::string& folder) {
    if (folder.empty() || source.empty() || isWebAddress(source)) return false;
    std::string bare = bareFileName(source);
    // The bare name holds no separator, so the copy stays inside the folder;
    // "." and ".." would name the folder itself or its parent.
    if (bare.empty() || bare == "." || bare == ".." || !files::isAllowedName(bare)) return false;
    files::fs::path from = files::realPath(source);
    if (!files::isFile(from)) return false;
    return files::copyFile(from, files::realPath(folder + bare));
}

bool fileExists(const std::string& name) { return !name.empty() && files::isFile(files::realPath(name)); }

std::string siteFolder(const std::string& appDir, const std::string& siteName) {
    if (siteName.empty()) return {};
    return appDir + "webpages\\" + siteName + "\\";
}

std::string siteMediaFolder(const std::string& appDir, const std::string& siteName) {
    std::string site = siteFolder(appDir, siteName);
    return site.empty() ? site : site + "data\\";
}

std::string quotedValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '"': out += "&quot;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace pageeditor
