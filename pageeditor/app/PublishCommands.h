#pragma once
// The main window's publish, export and CD commands: the window-free
// publisher and exporter wired to the publish dialog, the progress window
// (whose Cancel stops the job) and the main window's open site.
#include "pageeditor/publish/Publisher.h"
#include "pageeditor/publish/SiteExport.h"

namespace pageeditor {

class TMainForm;
class Tprog;
class Tpubf;

class PublishCommands {
public:
    // "&Publikuj stronę w Sieci": publishes the open site over FTP. The page
    // count is that of the site's page list (ListView1).
    static Publisher::Outcome publish(TMainForm& main, Tpubf& dialog, Tprog& progress);
    // "&Eksportuj pliki strony do katalogu..." (cd false) and "&Przygotuj
    // stronę jako prezentację na CD" (cd true).
    static SiteExport::Outcome exportSite(TMainForm& main, Tprog& progress, bool cd);

    // The heading of the progress window while files are copied to a folder.
    static std::string exportHeading();
};

}  // namespace pageeditor
