#include "pageeditor/dialogs/PictureRules.h"

#include <fstream>
#include <iterator>

#include "files/FileSystem.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "text/CaseRules.h"

namespace pageeditor {

namespace {

bool sameBytes(const files::fs::path& a, const files::fs::path& b) {
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    if (!fa || !fb) return false;
    std::istreambuf_iterator<char> ia(fa), ib(fb), end;
    while (ia != end && ib != end) {
        if (*ia != *ib) return false;
        ++ia;
        ++ib;
    }
    return ia == end && ib == end;
}

}  // namespace

std::string imageSource(const std::string& fileName) {
    return isWebAddress(fileName) ? fileName : "data/" + fileName;
}

std::string imageTag(const ImageTagValues& v) {
    std::string t = "<IMG ";
    if (!v.relativeToText) t += "style=\"position: absolute;\"";
    t += " SRC=\"" + quotedValue(imageSource(v.fileName));
    t += "\" ALT=\"" + quotedValue(v.alt);
    t += "\" WIDTH=\"" + std::to_string(v.width < 1 ? 100 : v.width);
    t += "\" ALIGN=\"" + v.align;
    t += "\" HEIGHT=\"" + std::to_string(v.height < 1 ? 100 : v.height);
    t += "\" BORDER=\"" + std::to_string(v.border);
    t += "\">";
    return t;
}

std::string folderOfName(const std::string& name) {
    std::string n = withSeparators(name, '\\');
    std::size_t p = n.rfind('\\');
    return p == std::string::npos ? std::string() : n.substr(0, p + 1);
}

std::string bareFileName(const std::string& name) {
    std::string n = withSeparators(name, '\\');
    std::size_t p = n.rfind('\\');
    return p == std::string::npos ? n : n.substr(p + 1);
}

std::string prefixedName(const std::string& name, const std::string& prefix) {
    return folderOfName(name) + prefix + bareFileName(name);
}

bool resizeAdvised(long width, const std::string& name) {
    if (width <= 640) return false;
    std::string lower = text::lower(name);
    return lower.find(".jpg") != std::string::npos || lower.find(".jpeg") != std::string::npos ||
           lower.find(".bmp") != std::string::npos;
}

std::string freeNameIn(const std::string& folder, const std::string& name) {
    std::error_code ec;
    auto taken = [&](const std::string& n) {
        return files::fs::exists(files::fs::symlink_status(files::realPath(folder + n), ec));
    };
    if (!taken(name)) return name;
    std::size_t dot = name.rfind('.');
    std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    std::string ext = dot == std::string::npos || dot == 0 ? std::string() : name.substr(dot);
    for (int i = 1;; ++i) {
        std::string n = stem + "_" + std::to_string(i) + ext;
        if (!taken(n)) return n;
    }
}

std::string copyIntoMedia(const std::string& source, const std::string& mediaFolder) {
    const std::string name = bareFileName(source);
    if (isWebAddress(source) || !files::isAllowedName(name) || name == "." || name == "..")
        return name;
    const files::fs::path from = files::realPath(source);
    if (!files::isFile(from)) return name;
    const files::fs::path to = files::realPath(mediaFolder + name);
    std::error_code ec;
    if (files::fs::equivalent(from, to, ec)) return name;  // the picture is in the media folder already
    if (files::copyFile(from, to)) return name;
    if (files::isFile(to) && sameBytes(from, to)) return name;
    if (!files::exists(to)) return name;  // the copy failed for another reason
    const std::string other = freeNameIn(mediaFolder, name);
    return files::copyFile(from, files::realPath(mediaFolder + other)) ? other : name;
}

}  // namespace pageeditor
