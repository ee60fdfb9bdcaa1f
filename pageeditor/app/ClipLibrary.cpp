#include "pageeditor/app/ClipLibrary.h"

#include "files/FileSystem.h"
#include "pageeditor/core/TextRoutines.h"

namespace pageeditor {

bool ClipLibrary::plainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string::npos;
}

std::string ClipLibrary::enter(const std::string& libDir, const std::string& root, const std::string& caption,
                               bool backItem) {
    if (backItem) {
        // The back item (or an archive folder acting as it) climbs one level,
        // but never out of the library.
        if (libDir == root || libDir.size() < 2) return root;
        std::size_t cut = libDir.find_last_of('\\', libDir.size() - 2);
        if (cut == std::string::npos) return root;
        std::string parent = libDir.substr(0, cut + 1);
        return parent.size() < root.size() ? root : parent;
    }
    if (!plainName(caption)) return libDir;
    return libDir + caption + "\\";
}

ItemList ClipLibrary::folders(const std::string& libDir, const std::string& root, const std::string& back) {
    ItemList list;
    // Archive folders get the back picture from the icon table (and then act
    // as the back item).
    folders_list(list, libDir + "*.*", LibraryFolderMode);
    if (libDir != root) list.push_back({"[" + back + "]", kBackImage});
    return list;
}

ItemList ClipLibrary::items(const std::string& libDir) {
    ItemList list;
    folder_list(list, libDir + "*.*", LibraryFolderMode);
    return list;
}

std::vector<std::string> ClipLibrary::previewCandidates(const std::string& libDir, const std::string& name) {
    std::vector<std::string> out;
    if (!plainName(name) || !files::exists(files::realPath(libDir + name))) return out;
    if (name.find(".ht") == std::string::npos) out.push_back(libDir + name);
    if (files::isFile(files::realPath(libDir + name + ".bmp"))) out.push_back(libDir + name + ".bmp");
    return out;
}

ClipLibrary::Insert ClipLibrary::insertKind(const std::string& name) {
    std::string ext = ext_of(name);
    if (ext == ".ht") return Insert::Clip;
    for (const char* e : {".jpg", ".bmp", ".gif", ".jpeg", ".png"})
        if (ext == e) return Insert::Image;
    if (ext == ".swf") return Insert::Flash;
    if (ext == ".mid" || ext == ".wav") return Insert::Sound;
    return Insert::None;
}

}  // namespace pageeditor
