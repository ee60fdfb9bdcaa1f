#pragma once
// The installed browser's version, as the page editor reads it from
// HKEY_LOCAL_MACHINE\Software\Microsoft\Internet Explorer, value "Version".
#include <string>
#include <string_view>

namespace registry {

extern const char* const kBrowserKey;   // "Software\\Microsoft\\Internet Explorer"
extern const char* const kBrowserValue; // "Version"

// Writes `engineVersion` (the version text of the page engine in use, such as
// "108.0.5359.220") as the browser's version when no string value is stored
// there yet, and returns the stored version. A value already there is kept.
std::string seedBrowserVersion(std::string_view engineVersion);

}  // namespace registry
