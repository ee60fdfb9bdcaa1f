#pragma once
// The list fillers of the site and library lists: one item per file or
// folder, with its picture chosen by the extension.
#include <string>

namespace forms {
class ListView;
}

namespace pageeditor {

// The picture of a file by its extension (exact case), or `mode` for an
// unknown one: 0 page list, 1 media list, 2 library folder list.
int addit_image(const std::string& fileName, int mode);
void addit(forms::ListView& list, const std::string& fileName, int mode);
// Clears the list and adds the plain folders (not read-only or hidden) that
// match the mask (an editor path ending in a wildcard, "...\*.*").
void folders_list(forms::ListView& list, const std::string& mask, int mode);
// Clears the list and adds the files that match the mask, leaving out project
// files and the preview pictures of clip items.
void folder_list(forms::ListView& list, const std::string& mask, int mode);

}  // namespace pageeditor
