#pragma once
// The word-base update: takes the increments after the one recorded in
// numer.dat from the update server, merges their entry lines into a.dat and
// their headwords into b.dat, and records the increment number and the date
// of the update. The two files are ordered by one comparison, that of the
// sorted headword list on the headword (then on the whole line, old lines
// before new equal ones), so line i of a.dat always begins with line i of
// b.dat and a space.
//
// The base is never left half-written: the increments are downloaded into
// tymcz_a.dat and tymcz_b.dat and checked first, and a.dat, b.dat, numer.dat
// and data.dat are then replaced as one set (BaseFileSet). A failure or a
// cancel at any step leaves the four files as they were and no temporary
// file behind, so the next update fetches the same increment again.
//
// Every increment adds at least one headword: one that is empty, or whose
// entry lines are all in the base already (or in an earlier increment of the
// same update), ends the update as failed before anything further is asked
// of the server, so a server that answers every number with the same file
// costs one request more than the increments it really has.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace dictionary {

class WordBaseMerge {
public:
    // A failed step; the message (Windows-1250) says which.
    class Failure : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    struct Hooks {
        // The body of a short file of the update server; throws on failure.
        std::function<std::string(const std::string& file)> fetch;
        // An increment file written into `target` followed by CR LF; throws
        // on failure. When not set, fetch() is used.
        std::function<void(const std::string& file, const std::filesystem::path& target)> fetchTo;
        // The step under way ("Pobieranie plików 1 z 2", ...).
        std::function<void(const std::string& step)> step;
        // The number of the first increment fetched, once it is known.
        std::function<void(std::int16_t number)> announce;
        // Asked between the steps until the base is replaced: true ends the
        // update as failed, the base as it was.
        std::function<bool()> cancelled;
        // The most increments the server can have beyond ours (each adds at
        // least one headword): a larger jump of its numer.dat is refused.
        int maxIncrements = 32767;
    };

    explicit WordBaseMerge(std::filesystem::path programFolder) : folder_(std::move(programFolder)) {}

    // Runs the whole update; throws Failure (or the fetch's error).
    void run(const Hooks& hooks);

    // After run(): the merged files' lines and the increments taken.
    const std::vector<std::string>& entries() const { return entries_; }
    const std::vector<std::string>& headwords() const { return headwords_; }
    std::int16_t firstIncrement() const { return first_; }
    std::int16_t lastIncrement() const { return last_; }

    // The lines of an increment's body: split at its line breaks, empty
    // lines left out.
    static std::vector<std::string> incrementLines(const std::string& body);
    // A whole entry line of `headword`: the headword, a space and a fragment
    // whose every "<" is closed by ">" and whose elements are all closed (a
    // line cut off in transfer is not).
    static bool wholeEntryLine(const std::string& line, const std::string& headword);
    // The newest increment the server's numer.dat names, when the update
    // starts at `first` and the server can have at most `maxIncrements`
    // beyond ours; throws Failure for an answer that is no such number.
    static std::int16_t newestIncrement(const std::string& answer, std::int16_t first, int maxIncrements);
    // Text of the server as a message shows it: cut to a few hundred
    // characters, marked with "..." where it was cut.
    static std::string shown(const std::string& serverText);

private:
    std::filesystem::path path(const char* name) const { return folder_ / name; }
    std::vector<std::string> readBase(const char* name) const;

    std::filesystem::path folder_;
    std::vector<std::string> entries_, headwords_;
    std::int16_t first_ = 0, last_ = 0;
};

}  // namespace dictionary
