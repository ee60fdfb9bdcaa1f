#pragma once
// The library's shell routine, shared by its controls and its about form.
#include <string>

namespace com {
class IControlSite;
}

namespace linkcontrols {

// Opens `target` with the verb "Open" (normal window). Through the host's
// site when there is one, so the host's shell answers it; the result is the
// shell's (above 32 on success), which callers do not examine.
int ShellOpen(com::IControlSite* site, std::string& target);

// The library's about form, shown by ShowAbout. The form comes with the
// gradient control; until then this shows nothing and reports nothing.
void showLibraryAbout();

}  // namespace linkcontrols
