#include "dictionary/WordBaseMerge.h"

#include <algorithm>
#include <map>
#include <system_error>
#include <unordered_set>

#include "dictionary/BaseFileSet.h"
#include "dictionary/LocaleNumber.h"
#include "dictionary/OwnWordBase.h"
#include "dictionary/ShortDate.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/LineFile.h"
#include "text/Paths.h"

namespace dictionary {

using namespace text::literals;
namespace fs = std::filesystem;

namespace {

std::string withoutLineEnd(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.pop_back();
    return s;
}

constexpr std::size_t kShownLength = 300;

}  // namespace

std::vector<std::string> WordBaseMerge::incrementLines(const std::string& body) {
    std::vector<std::string> lines = text::splitLines(body);
    lines.erase(std::remove(lines.begin(), lines.end(), std::string()), lines.end());
    return lines;
}

bool WordBaseMerge::wholeEntryLine(const std::string& line, const std::string& headword) {
    if (line.compare(0, headword.size() + 1, headword + " ") != 0) return false;
    std::map<std::string, int> open;
    std::size_t i = headword.size() + 1;
    while ((i = line.find('<', i)) != std::string::npos) {
        const std::size_t end = line.find('>', i);
        if (end == std::string::npos) return false;
        std::size_t k = i + 1;
        const bool closing = k < end && line[k] == '/';
        if (closing) ++k;
        std::size_t n = k;
        while (n < end && std::isalpha(static_cast<unsigned char>(line[n]))) ++n;
        const std::string name = text::lower(line.substr(k, n - k));
        const bool empty = name == "br" || name == "img" || name == "hr" || line[end - 1] == '/';
        if (!name.empty() && !empty) {
            if (closing && --open[name] < 0) return false;
            if (!closing) ++open[name];
        }
        i = end + 1;
    }
    return std::all_of(open.begin(), open.end(), [](const auto& e) { return e.second == 0; });
}

std::string WordBaseMerge::shown(const std::string& serverText) {
    if (serverText.size() <= kShownLength) return serverText;
    return serverText.substr(0, kShownLength) + "...";
}

std::int16_t WordBaseMerge::newestIncrement(const std::string& answer, std::int16_t first, int maxIncrements) {
    // A number the counter cannot reach from ours, or more increments than
    // the server can have, is a lie.
    const std::string newest = withoutLineEnd(answer);
    auto serverNumber = LocaleNumber::floor16(newest);
    if (!serverNumber)
        throw Failure("Serwer podał niepoprawny numer aktualizacji: "_w + shown(newest));
    if (*serverNumber < first || *serverNumber - first >= maxIncrements)
        throw Failure("Serwer podał numer aktualizacji "_w + std::to_string(*serverNumber) +
                      ", który nie może następować po numerze "_w + std::to_string(first - 1) + ".");
    return *serverNumber;
}

std::vector<std::string> WordBaseMerge::readBase(const char* name) const {
    std::vector<std::string> lines;
    if (!text::readLines(path(name), lines))
        throw Failure("Nie można odczytać pliku "_w + name + ".");
    if (lines.empty()) throw Failure("Plik "_w + name + " jest pusty."_w);
    return lines;
}

void WordBaseMerge::run(const Hooks& hooks) {
    // The downloads go whether the update succeeds or not.
    struct Downloads {
        const WordBaseMerge& m;
        ~Downloads() {
            std::error_code ec;
            fs::remove(m.path("tymcz_a.dat"), ec);
            fs::remove(m.path("tymcz_b.dat"), ec);
        }
    } downloads{*this};
    auto checkCancel = [&] {
        if (hooks.cancelled && hooks.cancelled()) throw Failure("Aktualizacja została przerwana."_w);
    };
    auto step = [&](const std::string& s) {
        checkCancel();
        if (hooks.step) hooks.step(s);
    };
    auto fetchTo = [&](const std::string& file, const fs::path& target) {
        if (hooks.fetchTo) return hooks.fetchTo(file, target);
        if (!text::writeFile(target, hooks.fetch(file) + "\r\n"))
            throw Failure("Nie można zapisać pliku "_w + text::pathText(target.filename()) + ".");
    };
    step("Weryfikacja daty uaktualnienia");

    // The increment after the one last taken.
    std::vector<std::string> numer;
    if (!text::readLines(path("numer.dat"), numer) || numer.empty())
        throw Failure("Nie można odczytać pliku numer.dat."_w);
    auto local = LocaleNumber::floorOf(numer[0]);
    if (!local || *local + 1 > 32767 || *local + 1 < -32768)
        throw Failure("Plik numer.dat nie zawiera poprawnego numeru aktualizacji."_w);
    first_ = static_cast<std::int16_t>(*local + 1);
    if (hooks.announce) hooks.announce(first_);
    checkCancel();

    // The newest increment the server has. Every one from the first up to it
    // is taken, so that none is skipped.
    last_ = newestIncrement(hooks.fetch("numer.dat"), first_, hooks.maxIncrements);

    // Every increment adds at least one headword: one that is empty, or
    // whose entry lines are all in the base already (from the base or from
    // an earlier increment), is a server repeating itself, and no further
    // increment is asked for.
    const std::vector<std::string> oldEntries = readBase("a.dat"), oldHeadwords = readBase("b.dat");
    if (oldEntries.size() != oldHeadwords.size())
        throw Failure("Pliki a.dat i b.dat mają różną liczbę wierszy."_w);
    std::unordered_set<std::string> known(oldEntries.begin(), oldEntries.end());

    std::vector<OwnWordBase::Pair> added;
    for (int m = first_; m <= last_; ++m) {
        const std::string n = std::to_string(m);
        step("Pobieranie plików 1 z 2"_w);
        fetchTo(n + "a.dat", path("tymcz_a.dat"));
        std::string da;
        if (!text::readFile(path("tymcz_a.dat"), da))
            throw Failure("Nie można odczytać pobranych plików aktualizacji."_w);
        const std::vector<std::string> la = incrementLines(da);
        if (la.empty()) throw Failure("Aktualizacja "_w + n + " z serwera jest pusta."_w);
        if (std::all_of(la.begin(), la.end(), [&](const std::string& l) { return known.count(l) != 0; }))
            throw Failure("Aktualizacja "_w + n + " z serwera nie dodaje żadnego nowego hasła: wszystkie jej "
                          "wiersze są już w bazie."_w);
        step("Pobieranie plików 2 z 2"_w);
        fetchTo(n + "b.dat", path("tymcz_b.dat"));

        // An increment whose two files do not pair up, or whose lines are
        // not whole entry lines, would break the base: it is not merged.
        std::string db;
        if (!text::readFile(path("tymcz_b.dat"), db))
            throw Failure("Nie można odczytać pobranych plików aktualizacji."_w);
        const std::vector<std::string> lb = incrementLines(db);
        if (la.size() != lb.size())
            throw Failure("Pliki aktualizacji "_w + n + " mają różną liczbę wierszy."_w);
        for (std::size_t i = 0; i < la.size(); ++i) {
            if (!wholeEntryLine(la[i], lb[i]))
                throw Failure("Wiersz hasła \""_w + shown(lb[i]) + "\" w aktualizacji "_w + n +
                              " nie jest pełnym wierszem hasła."_w);
            added.push_back({lb[i], la[i]});
        }
        known.insert(la.begin(), la.end());
    }

    // The old pairs first, then the new ones, all sorted by one comparison.
    std::vector<OwnWordBase::Pair> pairs;
    pairs.reserve(oldEntries.size() + added.size());
    for (std::size_t i = 0; i < oldEntries.size(); ++i) pairs.push_back({oldHeadwords[i], oldEntries[i]});
    pairs.insert(pairs.end(), added.begin(), added.end());
    std::stable_sort(pairs.begin(), pairs.end(), OwnWordBase::before);
    entries_.clear();
    headwords_.clear();
    entries_.reserve(pairs.size());
    headwords_.reserve(pairs.size());
    for (auto& p : pairs) {
        headwords_.push_back(std::move(p.headword));
        entries_.push_back(std::move(p.line));
    }

    step("Zapisywanie plików"_w);
    checkCancel();
    const bool saved = BaseFileSet::programBase(folder_).replace({
        {"a.dat", entries_},
        {"b.dat", headwords_},
        {"numer.dat", {std::to_string(last_)}},
        {"data.dat", {ShortDate::format(ShortDate::today())}},
    });
    if (!saved) throw Failure("Nie można zapisać nowej bazy wyrazów. Baza pozostała bez zmian."_w);
    if (hooks.step) hooks.step("Aktualizacja zakończona."_w);
}

}  // namespace dictionary
