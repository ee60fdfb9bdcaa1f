#pragma once
// File names of the system's 8-bit text on a file system that names files in
// UTF-8.
#include <filesystem>
#include <string>
#include <string_view>

namespace text {

// A Windows-1250 name (a headword, a site name) as a file-system path.
std::filesystem::path toPath(std::string_view ansiName);
// A path as Windows-1250 text; false when a character of it has no byte there.
bool fromPath(const std::filesystem::path& p, std::string& ansiName);
// A path as Windows-1250 text, its separators kept, for handing a real file
// to a routine that takes the program's text (the shell); a character
// without a byte there is dropped.
std::string pathText(const std::filesystem::path& p);

}  // namespace text
