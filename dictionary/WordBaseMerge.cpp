#include "dictionary/WordBaseMerge.h"

#include <algorithm>
#include <system_error>

#include "dictionary/LocaleNumber.h"
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

// Writes `lines` to `target` through a file beside it, replacing the target
// only when every line was written.
void writeWhole(const fs::path& target, const std::vector<std::string>& lines) {
    fs::path part = target;
    part += ".nowy";
    if (!text::writeLines(part, lines)) {
        std::error_code ec;
        fs::remove(part, ec);
        throw WordBaseMerge::Failure("Nie można zapisać pliku "_w + text::pathText(target.filename()) + ".");
    }
    std::error_code ec;
    fs::rename(part, target, ec);
    if (ec) {
        fs::remove(part, ec);
        throw WordBaseMerge::Failure("Nie można zastąpić pliku "_w + text::pathText(target.filename()) + ".");
    }
}

}  // namespace

std::vector<std::string> WordBaseMerge::incrementLines(const std::string& body) {
    std::vector<std::string> lines = text::splitLines(body);
    lines.erase(std::remove(lines.begin(), lines.end(), std::string()), lines.end());
    return lines;
}

void WordBaseMerge::sortAsList(std::vector<std::string>& lines) {
    std::stable_sort(lines.begin(), lines.end(),
                     [](const std::string& a, const std::string& b) { return text::collate(a, b) < 0; });
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
    auto step = [&](const std::string& s) {
        if (hooks.step) hooks.step(s);
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

    // The newest increment the server has. Every one from the first up to it
    // is taken, so that none is skipped.
    const std::string newest = withoutLineEnd(hooks.fetch("numer.dat"));
    auto serverNumber = LocaleNumber::floor16(newest);
    if (!serverNumber)
        throw Failure("Serwer podał niepoprawny numer aktualizacji: "_w + newest);
    last_ = std::max(first_, *serverNumber);

    std::vector<std::string> newEntries, newHeadwords;
    for (int m = first_; m <= last_; ++m) {
        const std::string n = std::to_string(m);
        step("Pobieranie plików 1 z 2"_w);
        const std::string a = hooks.fetch(n + "a.dat");
        if (!text::writeFile(path("tymcz_a.dat"), a + "\r\n")) throw Failure("Nie można zapisać pliku tymcz_a.dat."_w);
        step("Pobieranie plików 2 z 2"_w);
        const std::string b = hooks.fetch(n + "b.dat");
        if (!text::writeFile(path("tymcz_b.dat"), b + "\r\n")) throw Failure("Nie można zapisać pliku tymcz_b.dat."_w);

        // An increment whose two files do not pair up would break the
        // parallel order of a.dat and b.dat: it is not merged.
        std::string da, db;
        if (!text::readFile(path("tymcz_a.dat"), da) || !text::readFile(path("tymcz_b.dat"), db))
            throw Failure("Nie można odczytać pobranych plików aktualizacji."_w);
        const std::vector<std::string> la = incrementLines(da), lb = incrementLines(db);
        if (la.size() != lb.size())
            throw Failure("Pliki aktualizacji "_w + n + " mają różną liczbę wierszy."_w);
        for (std::size_t i = 0; i < la.size(); ++i)
            if (la[i].compare(0, lb[i].size() + 1, lb[i] + " ") != 0)
                throw Failure("Wiersz hasła \""_w + lb[i] + "\" w aktualizacji "_w + n + " nie pasuje do listy haseł."_w);
        newEntries.insert(newEntries.end(), la.begin(), la.end());
        newHeadwords.insert(newHeadwords.end(), lb.begin(), lb.end());
    }

    // The old lines first, then the new ones, each sorted in.
    entries_ = readBase("a.dat");
    entries_.insert(entries_.end(), newEntries.begin(), newEntries.end());
    sortAsList(entries_);
    headwords_ = readBase("b.dat");
    headwords_.insert(headwords_.end(), newHeadwords.begin(), newHeadwords.end());
    sortAsList(headwords_);

    step("Zapisywanie plików"_w);
    replaceBase();
    writeWhole(path("numer.dat"), {std::to_string(last_)});
    writeWhole(path("data.dat"), {ShortDate::format(ShortDate::today())});
    step("Aktualizacja zakończona."_w);
}

void WordBaseMerge::replaceBase() {
    // Both new files are complete before either old one goes; should b.dat
    // fail to be replaced, the old a.dat is put back.
    const fs::path a = path("a.dat"), b = path("b.dat");
    fs::path aNew = a, bNew = b, aOld = a;
    aNew += ".nowy";
    bNew += ".nowy";
    aOld += ".stary";
    std::error_code ec;
    auto drop = [&] {
        std::error_code e;
        fs::remove(aNew, e);
        fs::remove(bNew, e);
        fs::remove(aOld, e);
    };
    if (!text::writeLines(aNew, entries_) || !text::writeLines(bNew, headwords_)) {
        drop();
        throw Failure("Nie można zapisać nowej bazy wyrazów. Baza pozostała bez zmian."_w);
    }
    fs::remove(aOld, ec);
    fs::create_hard_link(a, aOld, ec);
    if (ec) fs::copy_file(a, aOld, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        drop();
        throw Failure("Nie można zapisać nowej bazy wyrazów. Baza pozostała bez zmian."_w);
    }
    fs::rename(aNew, a, ec);
    if (ec) {
        drop();
        throw Failure("Nie można zastąpić pliku a.dat. Baza pozostała bez zmian."_w);
    }
    fs::rename(bNew, b, ec);
    if (ec) {
        fs::rename(aOld, a, ec);
        drop();
        throw Failure("Nie można zastąpić pliku b.dat. Baza pozostała bez zmian."_w);
    }
    fs::remove(aOld, ec);
}

}  // namespace dictionary
