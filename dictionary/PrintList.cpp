#include "dictionary/PrintList.h"

#include "text/LineFile.h"

namespace dictionary {

std::string PrintList::page(const std::string& size, const std::string& face, const std::string& title,
                            const std::vector<std::string>& entries) {
    std::string p = "<html><head></head><body bgcolor=white><center><font size=" + size + " face=" + face + "><b>" +
                    title + "</b></center><br>";
    for (const auto& e : entries) p += e;
    p += "</font></body></html>";
    return p;
}

std::vector<std::string> PrintList::entryLines(const std::filesystem::path& entryFile, const std::string& headword) {
    std::vector<std::string> found;
    text::LineReader in(entryFile);
    if (!in.isOpen()) return found;
    std::string line;
    while (in.next(line))
        if (line.compare(0, headword.size(), headword) == 0) found.push_back(line + "<br>");
    return found;
}

std::vector<std::string> PrintList::sizes() {
    std::vector<std::string> v;
    for (int i = 1; i <= 6; ++i) v.push_back(" " + std::to_string(i));
    return v;
}

}  // namespace dictionary
