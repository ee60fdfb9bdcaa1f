#include "files/ProfileFile.h"

#include <algorithm>
#include <iterator>

#include "text/CaseRules.h"
#include "text/LineFile.h"

namespace files {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The name of a "[name]" line (trimmed), or false.
bool sectionName(std::string_view line, std::string_view& name) {
    std::string_view t = trim(line);
    if (t.size() < 2 || t.front() != '[') return false;
    std::size_t close = t.find(']');
    if (close == std::string_view::npos) return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

// The key and value of a "key=value" line, or false.
bool keyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    return true;
}

}  // namespace

bool ProfileFile::load() {
    lines_.clear();
    index_.clear();
    return text::readLines(path_, lines_);
}

bool ProfileFile::save(Access access, std::error_code* failure) const {
    settle();
    std::string bytes;
    for (const auto& l : lines_) {
        bytes += l;
        bytes += "\r\n";
    }
    return writeFile(path_, bytes, access, failure);
}

void ProfileFile::catchUp() const {
    std::string_view name, k, v;
    for (std::size_t i = index_.upTo; i < lines_.size(); ++i) {
        if (sectionName(lines_[i], name)) {
            auto [it, first] = index_.sections.try_emplace(text::lower(name));
            if (first) it->second.header = static_cast<long>(i);
            index_.current = first ? &it->second : nullptr;
        } else if (index_.current && keyLine(lines_[i], k, v)) {
            index_.current->keys.try_emplace(text::lower(k), static_cast<long>(i));
        }
    }
    index_.upTo = lines_.size();
}

std::string& ProfileFile::lineAt(const Index::Section& section, long where) const {
    if (where >= 0) return lines_[static_cast<std::size_t>(where)];
    return const_cast<Index::Section&>(section).added[Index::addedIndex(where)];
}

void ProfileFile::settle() const {
    std::vector<Index::Section*> waiting;
    std::size_t count = lines_.size();
    for (auto& [name, section] : index_.sections)
        if (!section.added.empty()) {
            waiting.push_back(&section);
            count += section.added.size();
        }
    if (waiting.empty()) return;
    std::sort(waiting.begin(), waiting.end(),
              [](const Index::Section* x, const Index::Section* y) { return x->before < y->before; });
    std::vector<std::string> all;
    all.reserve(count);
    std::size_t from = 0;
    for (Index::Section* section : waiting) {
        std::move(lines_.begin() + static_cast<long>(from), lines_.begin() + static_cast<long>(section->before),
                  std::back_inserter(all));
        std::move(section->added.begin(), section->added.end(), std::back_inserter(all));
        from = section->before;
    }
    std::move(lines_.begin() + static_cast<long>(from), lines_.end(), std::back_inserter(all));
    lines_.swap(all);
    index_.clear();
}

const ProfileFile::Index::Section* ProfileFile::findSection(std::string_view section) const {
    catchUp();
    auto it = index_.sections.find(text::lower(trim(section)));
    return it == index_.sections.end() ? nullptr : &it->second;
}

long ProfileFile::findKey(const Index::Section& section, std::string_view key) {
    auto it = section.keys.find(text::lower(trim(key)));
    return it == section.keys.end() ? -1 : it->second;
}

std::string ProfileFile::read(std::string_view section, std::string_view key, std::string_view fallback) const {
    const Index::Section* s = findSection(section);
    long i = s ? findKey(*s, key) : -1;
    if (i == -1) return std::string(fallback);
    std::string_view k, v;
    keyLine(lineAt(*s, i), k, v);
    return std::string(v);
}

bool ProfileFile::has(std::string_view section, std::string_view key) const {
    const Index::Section* s = findSection(section);
    return s && findKey(*s, key) != -1;
}

void ProfileFile::write(std::string_view section, std::string_view key, std::string_view rawValue) {
    // A line break inside a value would end its line and start another key
    // (a typed "x\r\npass=..." must not add a key): it is written as a blank.
    std::string cleaned(rawValue);
    for (char& c : cleaned)
        if (c == '\r' || c == '\n') c = ' ';
    std::string_view value = cleaned;
    const Index::Section* s = findSection(section);
    if (!s) {
        // Lines added at the end are indexed by the next lookup.
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + std::string(value));
        return;
    }
    Index::Section& entry = const_cast<Index::Section&>(*s);
    long i = findKey(entry, key);
    if (i != -1) {
        std::string& old = lineAt(entry, i);
        std::size_t eq = old.find('=');
        old = old.substr(0, eq + 1) + std::string(value);
        // The key stays; only a line that now reads as a section header
        // ("[a=]") changes what the index holds.
        std::string_view name;
        if (sectionName(old, name)) {
            settle();
            index_.clear();
        }
        return;
    }
    // After the last non-blank line of the section, that is after the lines
    // added to it before when there are any. They wait in the index, so the
    // lines after them are not moved for each.
    std::string line = std::string(key) + "=" + std::string(value);
    if (entry.added.empty()) {
        std::size_t h = static_cast<std::size_t>(entry.header);
        std::string_view name;
        std::size_t last = h;
        for (std::size_t end = h + 1; end < lines_.size() && !sectionName(lines_[end], name); ++end)
            if (!trim(lines_[end]).empty()) last = end;
        entry.before = last + 1;
    }
    entry.added.push_back(std::move(line));
    // A line that reads as a header, or as no key, changes what the index
    // holds; otherwise the new line is the section's key.
    std::string_view name, k, v;
    if (sectionName(entry.added.back(), name) || !keyLine(entry.added.back(), k, v)) {
        settle();
        index_.clear();
        return;
    }
    entry.keys.try_emplace(text::lower(k), Index::added(entry.added.size() - 1));
}

std::vector<std::string> ProfileFile::sections() const {
    std::vector<std::string> out;
    std::string_view name;
    for (const auto& l : lines_)
        if (sectionName(l, name)) out.emplace_back(name);
    return out;
}

std::vector<std::string> ProfileFile::keys(std::string_view section) const {
    std::vector<std::string> out;
    const Index::Section* s = findSection(section);
    if (!s) return out;
    std::string_view name, k, v;
    for (std::size_t i = static_cast<std::size_t>(s->header) + 1; i < lines_.size(); ++i) {
        if (sectionName(lines_[i], name)) break;
        if (keyLine(lines_[i], k, v)) out.emplace_back(k);
    }
    // The added ones come after every key line of the section.
    for (const std::string& line : s->added)
        if (keyLine(line, k, v)) out.emplace_back(k);
    return out;
}

std::string ProfileFile::readString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                                    std::string_view fallback) {
    ProfileFile f(file);
    f.load();
    return f.read(section, key, fallback);
}

bool ProfileFile::writeString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                              std::string_view value, Access access) {
    ProfileFile f(file);
    if (!f.load() && files::exists(file)) return false;  // never replace a file we could not read
    f.write(section, key, value);
    return f.save(access);
}

}  // namespace files
