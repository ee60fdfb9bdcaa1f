#pragma once
// The language pack of the editor frame (transui2.lng): the block whose
// owner index is the frame's position among the document window's components
// re-captions the frame's components by their index in the frame's list.
// The layout is that of the application's pack; the title line and the
// owner's caption and hint are read and not applied.
#include <string>
#include <vector>

namespace forms {
class Form;
}

namespace pageeditor {

// Applies the pack to the editor frame of one document window. Throws
// LanguagePackError when the file cannot be read, an index is not a number
// or lies outside its list, or the owner is not an editor frame; what was
// applied before stays.
void LoadDHTML(const std::string& path, forms::Form& documentWindow);

// Writes the pack of the current captions of the editor frames of one
// document window (the same layout; an empty title line; no tool buttons).
void SaveDHTML(const std::string& path, forms::Form& documentWindow);

// The items of a list as a pack writes them on one line: separated by
// commas or blanks, an item in double quotes where it holds a comma, a quote
// or a blank ("" inside quotes stands for one quote).
std::vector<std::string> splitCommaText(const std::string& line);

}  // namespace pageeditor
