#pragma once
// The Polish-to-German search of the reverse-search window: a Polish word is
// looked for in the translations of the program base's entry lines (a.dat),
// and the headwords of the lines that hold it are the results.
#include <filesystem>
#include <string>
#include <vector>

namespace dictionary {

class ReverseSearch {
public:
    enum class Mode {
        Exact = 1,       // the whole translation: ">" w followed by "<", "," or "!"
        Fragment = 2,    // also after a space and before a space, before the examples
        Everywhere = 3,  // as Fragment, the usage examples after "~" included
    };

    // The match patterns of a mode: left delimiter, the word, right delimiter.
    static std::vector<std::string> patterns(Mode mode, const std::string& word);
    // The nine Polish part-of-speech names (exact, with case).
    static bool isPartOfSpeech(const std::string& word);
    // The headword of an entry line: the text before its first space. False
    // for a line without a space or one that begins with a space.
    static bool headwordOf(const std::string& line, std::string& headword);
    // Every match of the word in one line adds the line's headword once.
    static void scanLine(const std::string& line, const std::string& word, Mode mode,
                         std::vector<std::string>& headwords);

    // Scans the whole entry file. The headwords found, each once (compared
    // exactly), in the order they were found. False when the file cannot be
    // read (nothing found).
    static bool search(const std::filesystem::path& file, const std::string& word, Mode mode,
                       std::vector<std::string>& headwords);
};

}  // namespace dictionary
