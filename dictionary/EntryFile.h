#pragma once
// Reading an entry file (a.dat, x.dat): one entry line per headword, the
// headword, one space and the entry's HTML. Lines end at CR LF, a lone CR or
// a lone LF.
#include <filesystem>
#include <string>

namespace dictionary {

class EntryFile {
public:
    enum class Result { Found, NotFound, Unreadable };
    // The first line whose first characters equal `headword` exactly
    // (case-sensitive; the character after them is not examined).
    static Result findLine(const std::filesystem::path& file, const std::string& headword, std::string& line);
    // Line `index` (counted from 0): the last of the first index + 1 lines.
    // When the file is shorter, the last line it has.
    static Result lineAt(const std::filesystem::path& file, int index, std::string& line);
};

}  // namespace dictionary
