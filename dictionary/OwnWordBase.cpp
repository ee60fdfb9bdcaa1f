#include "dictionary/OwnWordBase.h"

#include <algorithm>
#include <system_error>

#include "dictionary/BaseFileSet.h"
#include "text/CaseRules.h"
#include "text/LineFile.h"

namespace dictionary {

namespace fs = std::filesystem;

namespace {
OwnWordBase::FileState readInto(const fs::path& file, std::vector<std::string>& lines) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return OwnWordBase::FileState::Missing;
    if (!text::readLines(file, lines)) return OwnWordBase::FileState::Unreadable;
    return OwnWordBase::FileState::Read;
}

}  // namespace

bool OwnWordBase::before(const Pair& a, const Pair& b) {
    int c = text::collate(a.headword, b.headword);
    if (c != 0) return c < 0;
    return text::collate(a.line, b.line) < 0;
}

OwnWordBase::LoadReport OwnWordBase::load(const fs::path& folder) {
    LoadReport r;
    std::vector<std::string> heads, lines;
    r.headwords = readInto(folder / "y.dat", heads);
    r.lines = readInto(folder / "x.dat", lines);
    r.headwordCount = heads.size();
    r.lineCount = lines.size();
    pairs_.clear();
    const std::size_t n = std::max(heads.size(), lines.size());
    pairs_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (i < heads.size()) pairs_[i].headword = std::move(heads[i]);
        if (i < lines.size()) pairs_[i].line = std::move(lines[i]);
    }
    std::stable_sort(pairs_.begin(), pairs_.end(), before);
    return r;
}

bool OwnWordBase::save(const fs::path& folder) const {
    std::vector<std::string> heads, lines;
    heads.reserve(pairs_.size());
    lines.reserve(pairs_.size());
    for (const auto& p : pairs_) {
        heads.push_back(p.headword);
        lines.push_back(p.line);
    }
    return BaseFileSet::ownBase(folder).replace({{"x.dat", lines}, {"y.dat", heads}});
}

std::size_t OwnWordBase::add(Pair p) {
    auto at = std::upper_bound(pairs_.begin(), pairs_.end(), p, before);
    std::size_t i = static_cast<std::size_t>(at - pairs_.begin());
    pairs_.insert(at, std::move(p));
    return i;
}

void OwnWordBase::remove(std::size_t i) {
    if (i < pairs_.size()) pairs_.erase(pairs_.begin() + static_cast<std::ptrdiff_t>(i));
}

std::size_t OwnWordBase::change(std::size_t i, const std::string& line) {
    Pair p = pairs_[i];
    const std::string& h = p.headword;
    const bool keeps = line.size() > h.size() && line.compare(0, h.size(), h) == 0 && line[h.size()] == ' ';
    if (!keeps && line != h) p.headword = headwordOfLine(line);
    p.line = line;
    remove(i);
    return add(std::move(p));
}

std::string OwnWordBase::headwordOfLine(const std::string& line) {
    // A noun without an article has its plural mark right after the word.
    std::size_t k = std::min(line.find(" <"), line.find(" ("));
    if (k == std::string::npos) k = line.find(' ');
    return k == std::string::npos ? line : line.substr(0, k);
}

}  // namespace dictionary
