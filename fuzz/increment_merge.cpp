// The word-base update as the update window runs it, over a program folder
// of the input's files and a server that answers with the input's bodies:
// the local and the server's numer.dat, both files of each increment, the
// pairing checks, the refusal of an increment that adds nothing, the merge
// and the replacement of the base files as one set.
//
// Input: options NUL numer.dat NUL server's numer.dat NUL a.dat NUL then, for
// each increment from the one after the local number, its entry lines NUL its
// headwords; a body that is not there is a request that fails. b.dat is made
// from a.dat (each line's text up to its first space), so that most inputs
// pass the base's pairing check and reach the merge. Options: a first byte
// below 32 cancels the update at that check of the cancel flag (1: the
// first); a second byte is the most increments the server's count allows; a
// third byte's bit 0 gives b.dat as a part of its own after a.dat, and its
// bit 1 makes the server answer every number past the input's increments
// with the last of them, as a server that repeats itself does.
//
// A completed update leaves a base that stays paired (as many headwords as
// entry lines, every entry line beginning with its headword and a space,
// the headwords in the order of the sorted list), that holds every line it
// held and every line of the increments, and only the four files; a refused
// or cancelled one leaves the four files byte for byte and nothing else.
// Every increment taken adds an entry line the base (with the increments
// before it) did not hold, and the server is asked for its numer.dat once
// and for at most one increment more than those that add a line.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "dictionary/ShortDate.h"
#include "dictionary/WordBaseMerge.h"
#include "text/CaseRules.h"
#include "text/LineFile.h"

namespace fs = std::filesystem;
using dictionary::WordBaseMerge;

namespace {

const char* const kFiles[] = {"numer.dat", "a.dat", "b.dat", "data.dat"};

fs::path folder() { return fuzzing::scratch() / "Wortel"; }

std::map<std::string, std::string> folderNow() {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(folder())) {
        std::string bytes;
        text::readFile(e.path(), bytes);
        files[e.path().filename().string()] = bytes;
    }
    return files;
}

bool paired(const std::vector<std::string>& entries, const std::vector<std::string>& headwords) {
    if (entries.size() != headwords.size()) return false;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].compare(0, headwords[i].size() + 1, headwords[i] + " ") != 0) return false;
    return true;
}

std::vector<std::string> linesOf(const char* name) {
    std::vector<std::string> lines;
    text::readLines(folder() / name, lines);
    return lines;
}

// b.dat as the base's own would be: the headword of each entry line.
std::string headwordsOf(const std::vector<std::string>& entries) {
    std::string bytes;
    for (const std::string& e : entries) bytes += e.substr(0, e.find(' ')) + "\r\n";
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> in = fuzzing::parts(fuzzing::asText(data, size), 4);
    const std::string& options = in[0];
    const unsigned flags = options.size() > 2 ? static_cast<unsigned char>(options[2]) : 0;
    const bool givenHeadwords = (flags & 1) != 0, repeating = (flags & 2) != 0;
    // Where the increments' parts begin.
    const std::size_t increments = givenHeadwords ? 5 : 4;
    fs::remove_all(folder());
    fs::create_directories(folder());
    text::writeFile(folder() / "numer.dat", in[1]);
    text::writeFile(folder() / "a.dat", in[3]);
    text::writeFile(folder() / "b.dat",
                    givenHeadwords ? (in.size() > 4 ? in[4] : std::string()) : headwordsOf(linesOf("a.dat")));
    text::writeFile(folder() / "data.dat", "2001-02-03\r\n");
    const std::map<std::string, std::string> before = folderNow();
    const std::vector<std::string> oldEntries = linesOf("a.dat"), oldHeadwords = linesOf("b.dat");

    // The input's part for file `b` (or a) of the increment `k` places after
    // the first one asked for, or nullptr when the server has none.
    auto body = [&](std::size_t k, bool b) -> const std::string* {
        std::size_t at = increments + 2 * k + b;
        if (at >= in.size() && repeating && in.size() > increments)
            at = increments + 2 * ((in.size() - increments - 1) / 2) + b;
        return at < in.size() ? &in[at] : nullptr;
    };
    // How many increments, from the first one asked for, each add an entry
    // line the base and the increments before it do not hold.
    std::size_t adding = 0;
    {
        std::set<std::string> known(oldEntries.begin(), oldEntries.end());
        for (const std::string* a; (a = body(adding, false)) != nullptr; ++adding) {
            bool added = false;
            for (const std::string& line : WordBaseMerge::incrementLines(*a)) added |= known.insert(line).second;
            if (!added) break;
        }
    }

    int first = 0, checks = 0;
    const int cancelAt = options.empty() || static_cast<unsigned char>(options[0]) >= 32 ? 0 : options[0];
    std::size_t served = 0, requests = 0;
    WordBaseMerge::Hooks hooks;
    hooks.announce = [&](std::int16_t m) { first = m; };
    hooks.cancelled = [&] { return cancelAt != 0 && ++checks == cancelAt; };
    if (options.size() > 1) hooks.maxIncrements = static_cast<unsigned char>(options[1]);
    hooks.fetch = [&](const std::string& file) -> std::string {
        // numer.dat and each increment's entry lines count as one request
        // each; its headwords go with them.
        const bool headwords = file.find("b.dat") != std::string::npos;
        if (!headwords) ++requests;
        if (file == "numer.dat") return in[2];
        // "7a.dat" and "7b.dat": the increment's place among the input's.
        const long number = std::strtol(file.c_str(), nullptr, 10);
        const std::string* answer =
            number < first ? nullptr : body(static_cast<std::size_t>(number - first), headwords);
        if (!answer) throw std::runtime_error("the server has no " + file);
        if (!headwords) served += WordBaseMerge::incrementLines(*answer).size();
        return *answer;
    };

    WordBaseMerge merge(folder());
    bool done = true;
    try {
        merge.run(hooks);
    } catch (const std::exception&) {
        done = false;
    }

    fuzzing::expect(requests <= adding + 2,
                    "the server is asked for numer.dat and at most one increment more than those that add a line");
    const std::map<std::string, std::string> after = folderNow();
    if (!done) {
        fuzzing::expect(after == before, "a refused update leaves the four files byte for byte, and nothing else");
        return 0;
    }
    fuzzing::expect(after.size() == std::size(kFiles), "a completed update leaves only the four files");
    for (const char* f : kFiles) fuzzing::expect(after.count(f) == 1, "a completed update leaves the four files");
    const std::vector<std::string> entries = linesOf("a.dat"), headwords = linesOf("b.dat");
    fuzzing::expect(entries == merge.entries() && headwords == merge.headwords(), "the files hold the merged base");
    fuzzing::expect(static_cast<std::size_t>(merge.lastIncrement() - first + 1) <= adding,
                    "every increment taken adds an entry line the base did not hold");
    fuzzing::expect(entries.size() == oldEntries.size() + served,
                    "every line of the base and of the increments is kept");
    std::vector<std::string> kept = entries, old = oldEntries;
    std::sort(kept.begin(), kept.end());
    std::sort(old.begin(), old.end());
    fuzzing::expect(std::includes(kept.begin(), kept.end(), old.begin(), old.end()),
                    "every entry line of the base is kept");
    if (paired(oldEntries, oldHeadwords)) fuzzing::expect(paired(entries, headwords), "the base stays paired");
    fuzzing::expect(std::is_sorted(headwords.begin(), headwords.end(),
                                   [](const std::string& x, const std::string& y) { return text::collate(x, y) < 0; }),
                    "the headwords are in the order of the sorted list");
    fuzzing::expect(linesOf("numer.dat") == std::vector<std::string>{std::to_string(merge.lastIncrement())},
                    "numer.dat holds the server's number");
    // Today's date (the day may have turned since it was written).
    const std::vector<std::string> date = linesOf("data.dat");
    const auto written = date.size() == 1 ? dictionary::ShortDate::parse(date[0]) : std::nullopt;
    const auto today = dictionary::ShortDate::today();
    fuzzing::expect(written && (*written == today || *written + std::chrono::days(1) == today),
                    "data.dat holds today's date");
    return 0;
}
