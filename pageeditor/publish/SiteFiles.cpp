#include "pageeditor/publish/SiteFiles.h"

#include "pageeditor/publish/Publisher.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace pageeditor {

bool isTemporarySiteName(std::string_view name) {
    if (Publisher::isTemporaryName(name)) return true;
    return files::isTemporaryName(name);
}

SiteFileUse siteFileUse(const files::Entry& entry, bool topLevel) {
    if (entry.link) return SiteFileUse::Link;
    if (entry.foreign) return SiteFileUse::Foreign;
    if (topLevel && !entry.folder && text::equalsNoCase(entry.name, "project.prj")) return SiteFileUse::Private;
    if (!entry.folder && isTemporarySiteName(entry.name)) return SiteFileUse::Temporary;
    return SiteFileUse::Send;
}

std::string linkNote() {
    return text::ansi("to dowiązanie do innego pliku lub folderu, a nie plik strony");
}

std::string leftOutName(const std::string& inSite, const files::Entry& entry) {
    return inSite + files::shownName(entry.path.filename());
}

std::string foreignNameNote() {
    return text::ansi("nazwa pliku zawiera znak \"\\\" lub znak spoza polskiego zestawu znaków i nie może być użyta");
}

}  // namespace pageeditor
