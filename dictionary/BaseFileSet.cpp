#include "dictionary/BaseFileSet.h"

#include <algorithm>
#include <system_error>

#include "files/FileSystem.h"
#include "text/LineFile.h"

namespace dictionary {

namespace fs = std::filesystem;

namespace {
BaseFileSet::StepHook gHook = nullptr;

void step(const std::string& s) {
    if (gHook) gHook(s);
}

const char* const kStaged = ".nowy";

std::string joined(const BaseFileSet::Lines& lines) {
    std::string bytes;
    std::size_t n = 0;
    for (const auto& l : lines) n += l.size() + 2;
    bytes.reserve(n);
    for (const auto& l : lines) {
        bytes += l;
        bytes += "\r\n";
    }
    return bytes;
}
}  // namespace

void BaseFileSet::setStepHook(StepHook hook) { gHook = hook; }

BaseFileSet BaseFileSet::programBase(const fs::path& folder) {
    return BaseFileSet(folder, "baza.zmiana", {"a.dat", "b.dat", "numer.dat", "data.dat"},
                       {"tymcz_a.dat", "tymcz_b.dat"});
}

BaseFileSet BaseFileSet::ownBase(const fs::path& folder) {
    return BaseFileSet(folder, "mojabaza.zmiana", {"x.dat", "y.dat"});
}

BaseFileSet::BaseFileSet(fs::path folder, std::string journal, std::vector<std::string> members,
                         std::vector<std::string> scratch)
    : folder_(std::move(folder)),
      journal_(std::move(journal)),
      members_(std::move(members)),
      scratch_(std::move(scratch)) {}

bool BaseFileSet::replace(const std::vector<std::pair<std::string, Lines>>& files) const {
    std::vector<std::string> names;
    auto dropStaged = [&] {
        std::error_code ec;
        for (const auto& n : names) fs::remove(path(n + kStaged), ec);
    };
    for (const auto& [name, lines] : files) {
        names.push_back(name);
        if (!files::writeFile(path(name + kStaged), joined(lines))) {
            dropStaged();
            return false;
        }
        step(name + kStaged);
    }
    // The decision: the journal names every file of the change.
    if (!files::writeFile(path(journal_), joined(names))) {
        dropStaged();
        return false;
    }
    step("journal");
    finish(names);
    return true;
}

bool BaseFileSet::finish(const std::vector<std::string>& names) const {
    bool whole = true;
    for (const auto& n : names) {
        std::error_code ec;
        if (!fs::exists(path(n + kStaged), ec)) continue;  // renamed before the stop
        fs::rename(path(n + kStaged), path(n), ec);
        if (ec) whole = false;
        else step(n);
    }
    if (!whole) return false;  // the journal stays for the next start
    std::error_code ec;
    fs::remove(path(journal_), ec);
    step("done");
    return true;
}

void BaseFileSet::recover() const {
    std::error_code ec;
    std::vector<std::string> decided;
    if (fs::exists(path(journal_), ec) && text::readLines(path(journal_), decided)) {
        // Only names of the set are renamed, whatever the journal says.
        decided.erase(std::remove_if(decided.begin(), decided.end(),
                                     [&](const std::string& n) {
                                         return std::find(members_.begin(), members_.end(), n) == members_.end();
                                     }),
                      decided.end());
        if (!finish(decided)) return;
    }
    for (const auto& n : scratch_) fs::remove(path(n), ec);
    // What lies beside a member (or the journal) under one of our longer
    // names: an undecided change (NAME.nowy, with its save's temporary
    // file), the copies older versions of the program made (a.dat.stary,
    // x.dat.new). Other saves' temporary files are the save routine's.
    std::vector<std::string> owners = members_;
    owners.push_back(journal_);
    for (const auto& e : fs::directory_iterator(folder_, ec)) {
        const std::string n = e.path().filename().string();
        for (const auto& m : owners) {
            if (n.size() <= m.size() + 1 || n.compare(0, m.size() + 1, m + ".") != 0) continue;
            const std::string rest = n.substr(m.size());
            if (rest == ".stary" || rest == ".new" || rest.rfind(kStaged, 0) == 0) {
                std::error_code rc;
                fs::remove(e.path(), rc);
            }
            break;
        }
    }
}

}  // namespace dictionary
