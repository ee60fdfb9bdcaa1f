#pragma once
// Builds the dictionary's program base (b.dat headwords, a.dat entry lines)
// from dictd entries of a German-Polish dictionary.
//
// One entry line per headword: the headword, a space, then per source entry
// its part-of-speech or article mark in <i>...</i> and its Polish
// translations, each sense in <b>...</b>; after " ~ " the German
// explanations. Where an explanation points to another headword of the base
// ("siehe", "Kurzform für", "Synonym für", ...), the line ends with the
// cross-reference " <i>zob. <a href=W>W</a></i>". Headwords holding spaces
// are left out; the lines are sorted as the dictionary's list sorts them;
// text is Windows-1250, where characters it cannot hold are replaced by a
// close equivalent (é stays, è becomes e, æ becomes ae) or dropped when
// there is none. A headword that would lose a character is left out.
#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tools/DictdSource.h"

namespace tools {

struct ImportStats {
    std::size_t sourceEntries = 0;
    std::size_t headwords = 0;
    std::size_t withSpaces = 0;
    std::size_t unencodableHeadwords = 0;
    std::size_t mergedEntries = 0;
    std::size_t crossReferences = 0;
    std::size_t replacedChars = 0;
    std::size_t droppedChars = 0;
    std::size_t overLimit = 0;
};

class BaseBuilder {
public:
    // The most headwords the dictionary counts (a 16-bit signed count).
    static constexpr std::size_t MaxHeadwords = 32767;

    void add(const DictdEntry& e);
    // Sorts, links and encodes; call once after the last add().
    void finish();
    const std::vector<std::string>& headwords() const { return headwords_; }
    const std::vector<std::string>& lines() const { return lines_; }
    const ImportStats& stats() const { return stats_; }
    bool write(const std::filesystem::path& aDat, const std::filesystem::path& bDat, std::string& error) const;

    // UTF-8 text as Windows-1250, with close equivalents for what it lacks.
    static std::string toAnsi(const std::string& utf8, std::size_t* replaced, std::size_t* dropped);

private:
    struct Sense {
        std::string translation;
        std::vector<std::string> explanations;
    };
    struct Block {
        std::string mark;
        std::vector<Sense> senses;
    };
    struct Word {
        std::string head;  // UTF-8
        std::vector<Block> blocks;
    };
    std::string lineOf(const Word& w, std::string& target) const;

    std::vector<Word> words_;
    std::map<std::string, std::size_t> byHead_;
    std::vector<std::string> headwords_, lines_;
    ImportStats stats_;
};

}  // namespace tools
