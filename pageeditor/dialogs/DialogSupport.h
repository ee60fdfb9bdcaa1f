#pragma once
// What the element dialogs ask of the running editor: the program folder and
// open site of the main window, message translation and its message box (the
// dialog host), and the file and colour choosers (asked through
// forms::modal()).
#include <cstdint>
#include <string>

namespace forms {
class TextBox;
}

namespace pageeditor {

// The main window's app_dir and site_name (empty without a main window).
std::string currentAppDir();
std::string currentSiteName();
// tr of the main window's message list; the text itself without one.
std::string translated(const std::string& text);
// The main window's MyBox; without a main window the platform's message box,
// untranslated. The button pressed.
int editorMessageBox(const std::string& message, const std::string& caption, int flags);

// An open-file dialog; the chosen file as an editor name (Windows-1250,
// backslashes), or empty when nothing was chosen. initialDir is an editor
// name too (may be empty).
std::string chooseFile(const std::string& title, const std::string& filter, const std::string& initialDir);
// The colour dialog; true with the chosen colour (0x00BBGGRR).
bool chooseColor(std::uint32_t initial, std::uint32_t& color);

// Where in the open site a dialog's OK brings a local file: beside the pages
// (the page names it bare) or into the media folder (named "data\" + bare).
enum class SitePlace { Pages, Media };
// Copies the file named in `box` there (an existing one stays) and writes in
// the box the name the page refers to it by; an address or an empty box
// stays as typed.
void bringIntoSite(forms::TextBox& box, SitePlace place);

}  // namespace pageeditor
