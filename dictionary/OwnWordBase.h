#pragma once
// The user's own word base as the editor holds it: pairs of a headword
// (y.dat) and its entry line (x.dat), kept in the order of the platform's
// sorted lists by headword and then by line, so that item i of the headword
// list always belongs to item i of the line list.
//
// Both files are read whole and written whole, as one set (BaseFileSet): a
// failed or interrupted save leaves the saved words as they were, or as
// saved, never one file of each.
#include <filesystem>
#include <string>
#include <vector>

namespace dictionary {

class OwnWordBase {
public:
    struct Pair {
        std::string headword, line;
    };
    enum class FileState { Read, Missing, Unreadable };
    struct LoadReport {
        FileState headwords = FileState::Read, lines = FileState::Read;  // y.dat, x.dat
        std::size_t headwordCount = 0, lineCount = 0;
    };

    // Reads y.dat and x.dat of the folder, pairing them line by line. A file
    // that is missing counts as empty; where one file is longer, its extra
    // lines are paired with empty texts, so that none is lost.
    LoadReport load(const std::filesystem::path& folder);
    // Writes x.dat and y.dat; false when either could not be written (the
    // files on disk are then those of before).
    bool save(const std::filesystem::path& folder) const;

    std::size_t size() const { return pairs_.size(); }
    const Pair& at(std::size_t i) const { return pairs_[i]; }
    const std::vector<Pair>& pairs() const { return pairs_; }

    // Adds a pair at its sorted place (after pairs equal to it); its index.
    std::size_t add(Pair p);
    void remove(std::size_t i);
    // Replaces the line of pair i. When the line no longer begins with the
    // pair's headword and a space, the headword follows the line (see
    // headwordOfLine). The pair's new index.
    std::size_t change(std::size_t i, const std::string& line);

    // The headword an entry line names: the text before its first " <" (the
    // part-of-speech mark of the editor's lines) or " (" (the plural mark of
    // a noun without an article), else before its first space, else the
    // whole line.
    static std::string headwordOfLine(const std::string& line);
    // The sort order: by headword, then by line (text::collate).
    static bool before(const Pair& a, const Pair& b);

private:
    std::vector<Pair> pairs_;
};

}  // namespace dictionary
