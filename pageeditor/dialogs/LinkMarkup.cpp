#include "pageeditor/dialogs/LinkMarkup.h"

#include "pageeditor/dialogs/SiteCopy.h"

namespace pageeditor {

namespace {

struct NoteKind {
    const char* extension;
    const char* page;  // the download page of a program that opens such files
};

// In the order in which they are tested.
constexpr NoteKind kNotes[] = {
    {".rar", "http://www.rarlab.com/download.htm"},
    {".zip", "http://www.7-zip.org/download.html"},
    {".pdf", "http://get.adobe.com/reader/"},
    {".mp3", "http://www.videolan.org/vlc/"},
    {".doc", "http://www.libreoffice.org/download/"},
    {".cdr", "http://inkscape.org/release/"},
};

}  // namespace

bool offersDownloadNote(std::string_view address) {
    for (const NoteKind& k : kNotes)
        if (address.find(k.extension) != std::string_view::npos) return true;
    return false;
}

std::string downloadNote(std::string_view address, std::string_view noteText) {
    std::string note;
    for (const NoteKind& k : kNotes)
        if (address.find(k.extension) != std::string_view::npos)
            note = std::string("<br><a href=") + k.page + ">" + std::string(noteText) + "</a>";
    return note;
}

std::string linkAnchor(std::string_view address, std::string_view title, std::string_view target,
                       std::string_view content, std::string_view note) {
    return "<a href=\"" + quotedValue(address) + "\" title=\"" + quotedValue(title) + "\" target=\"" +
           quotedValue(target) + "\">" + std::string(content) + "</a>" + std::string(note);
}

}  // namespace pageeditor
