#pragma once
// The start-up test of the installed browser's version: below version 6 the
// l-stroke keyboard hook is installed.
#include <optional>
#include <string_view>

namespace pageeditor {

// The major number of a version text: every digit before the first
// non-digit ("11.0.9600" gives 11, "6" gives 6). No number when the text does
// not start with a digit, or the number is too large to be a version.
std::optional<int> browserMajorVersion(std::string_view version);

// True when the version names a browser older than version 6. A missing or
// non-numeric version installs no hook.
bool needsLStrokeHook(std::string_view version);

}  // namespace pageeditor
