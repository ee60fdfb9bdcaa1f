#include "pageeditor/dialogs/SiteCopy.h"

#include "files/FileSystem.h"
#include "pageeditor/dialogs/TagText.h"

namespace pageeditor {

std::string bareFileName(std::string_view name) {
    auto cut = name.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? name : name.substr(cut + 1));
}

bool isWebAddress(std::string_view name) {
    if (name.find("http://") != std::string_view::npos) return true;
    // Any other scheme but the local file's ("https://", "ftp://"); a drive
    // letter ("C:\\") is no scheme.
    const std::size_t colon = name.find("://");
    if (colon == std::string_view::npos || colon < 2) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = name[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && !(i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))) return false;
    }
    std::string scheme(name.substr(0, colon));
    for (char& c : scheme) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return scheme != "file";
}

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

std::string quotedValue(std::string_view text) { return quotedAttributeValue(text, '"'); }

}  // namespace pageeditor
