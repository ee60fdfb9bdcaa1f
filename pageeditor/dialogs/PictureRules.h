#pragma once
// The window-free rules of the picture dialog: the IMG tag of a new
// picture, the names of the scaled copies, the resize advice, and the copy
// of a chosen picture into the site's media folder. Names are the editor's
// Windows-1250 text; "/" is read as "\" where a name is split.
#include <string>

namespace pageeditor {

// The values of the dialog a new IMG tag is made of.
struct ImageTagValues {
    bool relativeToText = true;  // the position box
    std::string fileName;        // Edit971
    std::string alt;             // Edit972
    long width = 0, height = 0;  // SpinEdit2, SpinEdit3 (below 1: 100)
    std::string align;           // the chosen alignment text
    long border = 0;             // SpinEdit1
};
// <IMG style="position: absolute;" SRC="data/a.jpg" ALT="" WIDTH="..." ALIGN="" HEIGHT="..." BORDER="0">,
// the style text empty when the box is ticked; an address with "http://"
// goes whole into SRC.
std::string imageTag(const ImageTagValues& v);
// What SRC holds for a name: the name when it contains "http://", else
// "data/" + the name.
std::string imageSource(const std::string& fileName);

// The folder part of a name, up to and with its last "\" ("" for a bare name).
std::string folderOfName(const std::string& name);
// The bare file name, after the last "\" (or "/").
std::string bareFileName(const std::string& name);
// folder + prefix + file name: "C:\f\a.jpg" with "s_" gives "C:\f\s_a.jpg".
std::string prefixedName(const std::string& name, const std::string& prefix);

// The resize advice shows for a picture wider than 640 pixels whose name,
// lower-cased, holds ".jpg", ".jpeg" or ".bmp".
bool resizeAdvised(long width, const std::string& name);

// The first of name, "stem_1.ext", "stem_2.ext", ... that names no file in
// the folder (an editor folder name ending in "\").
std::string freeNameIn(const std::string& folder, const std::string& name);

// Copies the picture file into the media folder (an editor folder name ending
// in "\") under its bare name and returns the name the page refers to. An
// existing file there is never overwritten: when it holds the same bytes it
// is the copy; when it holds another picture the copy takes the next free
// name, so the page never shows the wrong picture. A source that is missing,
// an address, a name the media folder cannot hold, or a failing copy copy
// nothing and give the bare name unchanged.
std::string copyIntoMedia(const std::string& source, const std::string& mediaFolder);

}  // namespace pageeditor
