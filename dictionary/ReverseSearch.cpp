#include "dictionary/ReverseSearch.h"

#include <unordered_set>

#include "text/CodePage.h"
#include "text/LineFile.h"

namespace dictionary {

namespace {
bool isLeft(char c, ReverseSearch::Mode m) { return c == '>' || (m != ReverseSearch::Mode::Exact && c == ' '); }
bool isRight(char c, ReverseSearch::Mode m) {
    return c == '<' || c == ',' || c == '!' || (m != ReverseSearch::Mode::Exact && c == ' ');
}
}  // namespace

std::vector<std::string> ReverseSearch::patterns(Mode mode, const std::string& w) {
    if (mode == Mode::Exact) return {">" + w + "<", ">" + w + ",", ">" + w + "!"};
    return {">" + w + "<", ">" + w + ",", " " + w + ",", " " + w + "<",
            ">" + w + " ", " " + w + " ", " " + w + "!", ">" + w + "!"};
}

bool ReverseSearch::isPartOfSpeech(const std::string& w) {
    static const char* const names[] = {"rzeczownik", "czasownik", "przymiotnik", "przysłówek", "liczebnik",
                                        "spójnik",    "zaimek",    "przyimek",    "wykrzyknik"};
    for (const char* n : names)
        if (w == text::ansi(n)) return true;
    return false;
}

bool ReverseSearch::headwordOf(const std::string& line, std::string& headword) {
    // The headword ends at the first space. A line whose first space lies past
    // its middle (a headword longer than its entry) still gives that text.
    std::size_t sp = line.find(' ');
    if (sp == std::string::npos || sp == 0) return false;
    headword = line.substr(0, sp);
    return true;
}

void ReverseSearch::scanLine(const std::string& line, const std::string& w, Mode mode,
                             std::vector<std::string>& headwords) {
    const std::size_t n = line.size(), span = w.size() + 2;
    std::string head;
    bool haveHead = false, headTried = false;
    for (std::size_t i = 0; i < n; ++i) {
        // Outside Everywhere, matches begin before the usage examples. A
        // match begins with '>' or ' ', so it never begins at the '~' itself.
        if (line[i] == '~' && mode != Mode::Everywhere) break;
        if (i + span > n) break;  // too short to match from here on
        if (!isLeft(line[i], mode) || !isRight(line[i + span - 1], mode)) continue;
        if (line.compare(i + 1, w.size(), w) != 0) continue;
        if (!headTried) {
            haveHead = headwordOf(line, head);
            headTried = true;
        }
        if (haveHead) headwords.push_back(head);
    }
}

bool ReverseSearch::search(const std::filesystem::path& file, const std::string& w, Mode mode,
                           std::vector<std::string>& headwords) {
    headwords.clear();
    text::LineReader in(file);
    if (!in.isOpen()) return false;
    std::unordered_set<std::string> seen;
    std::vector<std::string> found;
    std::string line;
    while (in.next(line)) {
        found.clear();
        scanLine(line, w, mode, found);
        for (auto& h : found)
            if (seen.insert(h).second) headwords.push_back(h);
    }
    return true;
}

}  // namespace dictionary
