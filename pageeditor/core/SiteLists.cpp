#include "pageeditor/core/SiteLists.h"

#include "files/FileSystem.h"
#include "pageeditor/core/TextRoutines.h"
#include "text/CaseRules.h"

namespace pageeditor {

namespace {

struct Icon {
    const char* ext;
    int image;
};

constexpr Icon kIcons[] = {
    {".class", 5}, {".swf", 4}, {".avi", 4}, {".asf", 4}, {".mpg", 4}, {".mpeg", 4}, {".mov", 4},
    {".doc", 6},   {".pdf", 6}, {".sxw", 6}, {".xcl", 6}, {".mdb", 6}, {".rtf", 6},  {".txt", 6},
    {".zip", 3},   {".rar", 3}, {".ace", 3}, {".wav", 7}, {".mid", 7}, {".mp3", 7},  {".jpg", 1},
    {".gif", 1},   {".bmp", 1},
};

bool contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

}  // namespace

int icon_for(std::string_view fileName, int mode) {
    std::string ext = ext_of(fileName);
    for (const Icon& i : kIcons)
        if (ext == i.ext) return i.image;
    return mode;
}

void addit(ItemList& list, std::string_view fileName, int mode) {
    list.push_back({std::string(fileName), icon_for(fileName, mode)});
}

void folders_list(ItemList& list, std::string_view pattern, int mode) {
    list.clear();
    for (const files::Entry& e : files::search(pattern, files::Include{true, true}))
        if (e.folder && !e.readOnly && !e.hidden && !e.link) addit(list, e.name, mode);
}

bool is_listed_name(std::string_view name) {
    return !contains(name, ".prj") && !contains(name, ".ht.bmp") && !contains(name, ".swf.bmp") &&
           !contains(text::lower(name), ".class.bmp");
}

void folder_list(ItemList& list, std::string_view pattern, int mode) {
    list.clear();
    for (const files::Entry& e : files::search(pattern, files::Include{true, true})) {
        // A link is no file of the list's own, and is never followed.
        if (e.link) continue;
        bool plainFolder = e.folder && !e.readOnly && !e.hidden;
        if (!plainFolder && is_listed_name(e.name)) addit(list, e.name, mode);
    }
}

}  // namespace pageeditor
