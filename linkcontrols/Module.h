#pragma once
// The library's module: its shell routine, shared by its controls and its
// about form, its version, and the one library-wide reference to the about
// form.
#include <cstdint>
#include <string>

#include "com/WindowFunctions.h"

namespace com {
class IControlSite;
}

namespace linkcontrols {

class frmAbout;

// The library's version (1.0.0).
constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 0;

// To the nearest integer, halves to even, as the controls round twips to
// pixels and blends to channels; not a number gives 0 and values beyond the
// 32-bit range its ends.
std::int32_t roundEven(double v);

// Opens `target` with the verb "Open" (normal window). Through the host's
// site when there is one, so the host's shell answers it, else (a link
// created without a site, or closed) through the platform's shell, which in
// the loaded library is the desktop's opener; the result is the shell's
// (above 32 on success), which callers do not examine.
int ShellOpen(com::IControlSite* site, std::string& target);

// Shows the library's about form modally for the control with `site` and
// window `caller`, and returns when the form is closed. The form is made on
// first use and kept in the library-wide reference until it unloads. A form
// that is already being shown is not shown a second time.
void showLibraryAbout(com::IControlSite* site, com::WindowHandle caller);
// The library-wide reference: the loaded about form, or null.
frmAbout* libraryAbout();
// Clears the reference (the form's unload does).
void clearLibraryAbout();
// A control lets go of its site: an about form it is showing no longer asks
// that site (for the shell and the window functions) but the platform.
void forgetLibraryAboutCaller(com::IControlSite* site);

}  // namespace linkcontrols
