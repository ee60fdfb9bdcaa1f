#pragma once
// Builds the dictionary's program base (b.dat headwords, a.dat entry lines)
// from dictd entries of a German-Polish dictionary.
//
// One entry line per headword: the headword, a space, then per source entry
// its part-of-speech or article mark in <i>...</i> and its Polish
// translations, each sense in <b>...</b>; after " ~ " the German
// explanations. Where an explanation points to another headword of the base
// ("siehe", "Kurzform für", "Synonym für", ...), the line ends with the
// cross-reference " <i>zob. <a href=W>W</a></i>". The pronunciation comes
// first, in brackets. A subject or style label that the dictionary's list
// of abbreviations explains ("Botanik:") is written as that abbreviation.
//
// A headword of several words (a phrase: "guten Tag") is listed with its
// translation among the usage examples of the word a learner looks it up
// under: its longest word that is a headword of the base, the last of equally
// long ones ("Tag"). Where no word of it is a headword, the phrase gets an
// entry of its own under its longest word.
//
// The lines are sorted as the dictionary's list sorts them and every line
// begins with its headword. Text is Windows-1250: in the entries, which are
// HTML, characters it cannot hold are written as character references (the
// IPA, Cyrillic); in headwords they are replaced by a close equivalent (é
// stays, è becomes e, æ becomes ae), and a headword or phrase that would lose
// a character is left out.
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
    std::size_t withSpaces = 0;       // phrases read
    std::size_t phrasesInEntries = 0;  // listed in the entry of one of their words
    std::size_t phrasesOwnEntries = 0; // given an entry of their own
    std::size_t phrasesLost = 0;       // characters Windows-1250 cannot hold, or no word at all
    std::size_t withPronunciation = 0;
    std::size_t subjectLabels = 0;
    std::size_t unencodableHeadwords = 0;  // or holding what the base format can't
    std::size_t mergedEntries = 0;
    std::size_t crossReferences = 0;
    std::size_t replacedChars = 0;     // in headwords
    std::size_t referencedChars = 0;   // in entries, as character references
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

    // The source's subject and style labels with the abbreviations the
    // dictionary's list explains ("Botanik" -> "bot.").
    static const std::map<std::string, std::string>& subjectAbbreviations();

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
    struct Phrase {
        std::string text;           // UTF-8
        std::string pronunciation;  // UTF-8
        std::string translation;    // UTF-8
    };
    struct Word {
        std::string head;  // UTF-8
        std::string pronunciation;  // UTF-8, without its slashes
        std::vector<Block> blocks;
        std::vector<Phrase> phrases;
    };
    std::string lineOf(const Word& w, std::string& target);
    void placePhrases();

    std::vector<Phrase> phrases_;
    std::vector<Word> words_;
    std::map<std::string, std::size_t> byHead_;  // by the Windows-1250 headword
    std::vector<std::string> headwords_, lines_;
    ImportStats stats_;
};

}  // namespace tools
