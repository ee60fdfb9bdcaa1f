#pragma once
// Which of a site folder's files go out with the site, to a server, a folder
// or a CD: not the project file at the top (it holds the FTP password), not a
// temporary file of a save or an upload, not a file whose name is no
// platform name (it holds a backslash or a character without a Windows-1250
// byte), which would lead to another file, and not a symbolic link (to a file
// or a folder, inside the site or outside it), which is never followed; the
// last two are left out with a note.
#include <string>
#include <string_view>

#include "files/FileSystem.h"

namespace pageeditor {

enum class SiteFileUse {
    Send,       // one of the site's files
    Private,    // project.prj at the top of the site
    Temporary,  // a save's or an upload's temporary file
    Foreign,    // a name that is no platform name
    Link,       // a symbolic link
};

SiteFileUse siteFileUse(const files::Entry& entry, bool topLevel);

// True for the temporary names of saves and copies (files::isTemporaryName)
// and of uploads (Publisher::isTemporaryName).
bool isTemporarySiteName(std::string_view name);

// The notes on a file left out for its name or for being a link, as phrases
// ("nazwa pliku ..."), and the name a message gives such a file, `inSite`
// its folder inside the site ("" or "data\").
std::string foreignNameNote();
std::string linkNote();
std::string leftOutName(const std::string& inSite, const files::Entry& entry);

}  // namespace pageeditor
