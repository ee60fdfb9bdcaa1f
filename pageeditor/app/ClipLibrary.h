#pragma once
// The clip library of the main window's tab "Biblioteczka": a folder tree
// under app_dir + "data\library\" with clip items (*.ht), pictures, Flash
// movies and sounds, each item with an optional preview named item + ".bmp".
// This class holds the folder shown (lib_dir, always ending in "\") and
// what the tab's lists, preview and buttons do with it, without a window.
#include <string>

#include "pageeditor/core/SiteLists.h"

namespace pageeditor {

class ClipLibrary {
public:
    // The image index of the back item (and of archive folders, which act as it).
    static constexpr int kBackImage = 3;

    enum class Insert { None, Clip, Image, Flash, Sound };

    // The library root of a program folder (app_dir, ending in "\").
    static std::string root(const std::string& appDir) { return appDir + "data\\library\\"; }

    // The folder shown after a double click on a folder item: its parent for
    // the back item (never above the root), else the sub-folder of that
    // name. A caption that is no plain folder name leaves the folder as it is.
    static std::string enter(const std::string& libDir, const std::string& root, const std::string& caption,
                             bool backItem);
    // The folder list and the item list of a folder; the folder list ends in
    // the back item "[" + back + "]" below the root.
    static ItemList folders(const std::string& libDir, const std::string& root, const std::string& back);
    static ItemList items(const std::string& libDir);

    // The files the preview tries, in order, for a selected item: the item
    // itself when it is no clip item, then its preview picture (item +
    // ".bmp") when that exists. Empty when the item is missing or no plain name.
    static std::vector<std::string> previewCandidates(const std::string& libDir, const std::string& name);

    // What the insert button does with an item, by its extension (exact case).
    static Insert insertKind(const std::string& name);

    // A list caption that names a file or folder right inside its folder.
    static bool plainName(const std::string& name);
};

}  // namespace pageeditor
