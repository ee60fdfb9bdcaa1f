#include "pageeditor/app/ListFillers.h"

#include "files/FileSystem.h"
#include "forms/ListView.h"
#include "pageeditor/core/TextRoutines.h"
#include "text/CaseRules.h"

namespace pageeditor {

namespace {
void splitMask(const std::string& mask, std::string& folder, std::string& pattern) {
    auto cut = mask.find_last_of("\\/");
    folder = cut == std::string::npos ? std::string(".") : mask.substr(0, cut);
    pattern = cut == std::string::npos ? mask : mask.substr(cut + 1);
    if (folder.empty()) folder = "\\";
}
}  // namespace

int addit_image(const std::string& fileName, int mode) {
    const std::string e = ext_of(fileName);
    auto is = [&](std::initializer_list<const char*> list) {
        for (const char* x : list)
            if (e == x) return true;
        return false;
    };
    if (e == ".class") return 5;
    if (is({".swf", ".avi", ".asf", ".mpg", ".mpeg", ".mov"})) return 4;
    if (is({".doc", ".pdf", ".sxw", ".xcl", ".mdb", ".rtf", ".txt"})) return 6;
    if (is({".zip", ".rar", ".ace"})) return 3;
    if (is({".wav", ".mid", ".mp3"})) return 7;
    if (is({".jpg", ".gif", ".bmp"})) return 1;
    return mode;
}

void addit(forms::ListView& list, const std::string& fileName, int mode) {
    list.addItem(fileName, addit_image(fileName, mode));
}

void folders_list(forms::ListView& list, const std::string& mask, int mode) {
    list.clear();
    std::string folder, pattern;
    splitMask(mask, folder, pattern);
    for (const auto& e : files::listFolder(files::realPath(folder), pattern, {.folders = true, .hidden = true}))
        if (e.folder && !e.readOnly && !e.hidden) addit(list, e.name, mode);
}

void folder_list(forms::ListView& list, const std::string& mask, int mode) {
    list.clear();
    std::string folder, pattern;
    splitMask(mask, folder, pattern);
    for (const auto& e : files::listFolder(files::realPath(folder), pattern, {.folders = false, .hidden = true})) {
        if (e.folder) continue;
        const std::string& n = e.name;
        if (n.find(".prj") != std::string::npos || n.find(".ht.bmp") != std::string::npos ||
            n.find(".swf.bmp") != std::string::npos || text::lower(n).find(".class.bmp") != std::string::npos)
            continue;
        addit(list, n, mode);
    }
}

}  // namespace pageeditor
