#pragma once
// Files the element dialogs bring into the open site: a chosen or typed file
// is copied beside the site's pages (or into its media folder) under its own
// bare name, never overwriting a file that is already there, and the page
// then refers to it by that name. Names are the editor's Windows-1250 text
// with backslashes.
#include <string>
#include <string_view>

namespace pageeditor {

// The part after the last "\" or "/" ("C:\pics\a.jpg" and "x/a.jpg" give "a.jpg").
std::string bareFileName(std::string_view name);
// True when the name is an address the page keeps as typed: "http://"
// anywhere in it, or any scheme but "file" before "://" ("https://...").
bool isWebAddress(std::string_view name);
// Copies the file `source` into `folder` (ending in "\") as its bare name.
// Nothing is copied for an address, an empty name, a bare name that is "." or
// "..", a missing source, or when the destination already exists; false then.
bool copyIntoFolder(const std::string& source, const std::string& folder);
// True when a file of that name exists (a full path, or relative to the
// current folder).
bool fileExists(const std::string& name);

// The open site's folder and media folder, both ending in "\"; empty while no
// site is open (then nothing is copied).
std::string siteFolder(const std::string& appDir, const std::string& siteName);
std::string siteMediaFolder(const std::string& appDir, const std::string& siteName);

// Attribute text inside double quotes: a typed quote or angle bracket would
// end the attribute or the tag, so they are written as character references.
std::string quotedValue(std::string_view text);

}  // namespace pageeditor
