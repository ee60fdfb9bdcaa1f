#include "linkcontrols/Module.h"

#include "com/Control.h"
#include "shell/Shell.h"

namespace linkcontrols {

namespace {
// The desktop's working folder for the opened program: the file system's root.
const char* const kDirectory = "/";
}  // namespace

int ShellOpen(com::IControlSite* site, std::string& target) {
    if (site) return site->shellExecute("Open", target, "", kDirectory, shell::kShowNormal);
    return shell::execute("Open", target, "", kDirectory, shell::kShowNormal);
}

void showLibraryAbout() {}

}  // namespace linkcontrols
