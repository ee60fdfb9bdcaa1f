#pragma once
// Reads a dictionary in the dictd format: the index (headword, offset and
// length in base64, tab-separated) and the data file (plain or gzip/dictzip
// compressed). Entries come in index order; the database's own information
// entries ("00database...") are left out.
#include <filesystem>
#include <string>
#include <vector>

namespace tools {

struct DictdEntry {
    std::string key;         // the index word (UTF-8)
    std::string definition;  // the entry's text (UTF-8)
};

class DictdSource {
public:
    // False with `error` set when a file cannot be read or the index is damaged.
    bool open(const std::filesystem::path& index, const std::filesystem::path& data, std::string& error);
    const std::vector<DictdEntry>& entries() const { return entries_; }

    // The dictd index number encoding.
    static bool decodeNumber(const std::string& b64, unsigned long long& value);

private:
    std::vector<DictdEntry> entries_;
};

}  // namespace tools
