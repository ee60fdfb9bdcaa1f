#pragma once
// The word-base update: takes the increments after the one recorded in
// numer.dat from the update server, merges their entry lines into a.dat and
// their headwords into b.dat (each file sorted as the headword list sorts,
// old lines before new equal ones), and records the increment number and
// the date of the update.
//
// The base is never left half-written: the increments are downloaded and
// checked first (tymcz_a.dat, tymcz_b.dat), the new files are written beside
// the old ones and put in their place only when both are complete; numer.dat
// and data.dat follow once the base is replaced. A failure at any step
// leaves a.dat, b.dat, numer.dat and data.dat as they were, so the next
// update fetches the same increment again.
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
        // The body of a file of the update server; throws on failure.
        std::function<std::string(const std::string& file)> fetch;
        // The step under way ("Pobieranie plików 1 z 2", ...).
        std::function<void(const std::string& step)> step;
        // The number of the first increment fetched, once it is known.
        std::function<void(std::int16_t number)> announce;
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
    // Sorts `lines` in the headword list's order, keeping equal lines in
    // the order they came.
    static void sortAsList(std::vector<std::string>& lines);

private:
    std::filesystem::path path(const char* name) const { return folder_ / name; }
    std::vector<std::string> readBase(const char* name) const;
    void replaceBase();

    std::filesystem::path folder_;
    std::vector<std::string> entries_, headwords_;
    std::int16_t first_ = 0, last_ = 0;
};

}  // namespace dictionary
