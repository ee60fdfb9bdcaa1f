#pragma once
// The list fillers of the site, media, template and library lists: items are
// file names with an image index chosen by extension. A list view is filled
// from an ItemList by its form.
#include <string>
#include <string_view>
#include <vector>

namespace pageeditor {

struct ListItem {
    std::string caption;  // the file or folder name
    int image = 0;        // index into the list view's image list
};
using ItemList = std::vector<ListItem>;

// List modes: the image of names whose extension has no icon of its own.
enum ListMode : int { PageMode = 0, MediaMode = 1, LibraryFolderMode = 2 };

// The image for a file name: by its extension (exact case), else `mode`.
int icon_for(std::string_view fileName, int mode);
// Appends one item.
void addit(ItemList& list, std::string_view fileName, int mode);
// Clears the list and adds the plain folders the pattern finds (read-only,
// hidden and linked folders are left out), in name order.
void folders_list(ItemList& list, std::string_view pattern, int mode);
// Clears the list and adds everything else the pattern finds, except links
// (to files or folders), project files and the preview pictures of clip items
// (names holding ".prj", ".ht.bmp", ".swf.bmp", or ".class.bmp" in any case).
void folder_list(ItemList& list, std::string_view pattern, int mode);
// The name test of folder_list.
bool is_listed_name(std::string_view name);

}  // namespace pageeditor
