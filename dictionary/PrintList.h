#pragma once
// The print list's page and its entry lines. The page lista.html is one
// line: a centred bold title in the chosen font and HTML size, then the
// entry lines, each already ending in "<br>". Attribute values are written
// without quotes and the texts unchanged, as the list was built.
#include <filesystem>
#include <string>
#include <vector>

namespace dictionary {

class PrintList {
public:
    static std::string page(const std::string& size, const std::string& face, const std::string& title,
                            const std::vector<std::string>& entries);
    // Every line of the entry file whose first characters equal the
    // headword (case-sensitive; longer headwords that begin with it too),
    // each with "<br>" appended; none when the file cannot be read.
    static std::vector<std::string> entryLines(const std::filesystem::path& entryFile, const std::string& headword);
    // The sizes offered: " 1" to " 6".
    static std::vector<std::string> sizes();
};

}  // namespace dictionary
