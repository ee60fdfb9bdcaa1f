#pragma once
// Exporting the open site's files to a folder the user picks, and preparing
// the site as a CD presentation (the export plus the starter programs and the
// autorun file from the program's data folder). project.prj, which holds the
// FTP password, and temporary files are never copied, nor files whose names
// are no platform names, nor links to files or folders (the user is told of
// those); a folder inside the site (or the site folder itself) is refused as
// the destination.
#include <string>

namespace pageeditor {

class MessageList;
class PublishProgress;

class SiteExport {
public:
    // Incomplete: some files could not be copied or were left out for their
    // names (the user was told).
    enum class Outcome { NoFolder, IntoItself, Cancelled, Incomplete, Done };

    explicit SiteExport(const MessageList& messages) : messages_(messages) {}

    // May be null; shows the file being copied.
    PublishProgress* progress = nullptr;

    // The progress window's Cancel: the copy stops before the next file
    // (what was copied stays).
    void cancel() { cancelled_ = true; }

    // "Eksportuj pliki strony do katalogu...": asks for the folder and copies
    // app_dir + "webpages\" + site + "\" (sub-folders included) into it,
    // asking before an existing file is replaced.
    Outcome exportSite(const std::string& appDir, const std::string& site);
    // "Przygotuj stronę jako prezentację na CD": the export, then data\start.exe,
    // data\start.sh and data\autorun.inf of the program folder beside the pages (an
    // existing file is kept).
    Outcome prepareCd(const std::string& appDir, const std::string& site);

private:
    // The chosen folder as the system's text, or empty.
    Outcome copyInto(const std::string& appDir, const std::string& site, std::string& destination);

    const MessageList& messages_;
    bool cancelled_ = false;
};

}  // namespace pageeditor
