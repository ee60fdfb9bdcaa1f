#include "pageeditor/publish/PublishSettings.h"

#include "files/FileSystem.h"
#include "files/ProfileFile.h"
#include "pageeditor/core/MessageList.h"
#include "text/CodePage.h"

namespace pageeditor {

void PublishSettings::load(const std::string& appDir, const std::string& site) {
    files::ProfileFile prj(files::realPath(appDir + "webpages\\" + site + "\\project.prj"));
    prj.load();
    host = prj.read("project", "host");
    user = prj.read("project", "user");
    password = prj.read("project", "pass");
    std::string dir = prj.read("project", "dir");
    if (!dir.empty()) folder = dir;
}

bool PublishSettings::accept(const MessageList& messages) const {
    if (!user.empty() && !host.empty()) return true;
    messages.MyBox(text::ansi("Musisz wprowadzić adres twojego serwera FTP (np. ftp.mojastrona.pl) oraz nazwę "
                              "użytkownika i hasło."),
                   text::ansi("Informacja:"), 64);
    return false;
}

std::vector<std::string> PublishSettings::folderItems() {
    return {"", "/public_html", "/www", "/public_html/nazwa_strony", "/www/nazwa_strony", "/nazwa_strony"};
}

}  // namespace pageeditor
