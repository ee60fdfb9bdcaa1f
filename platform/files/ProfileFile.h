#pragma once
// INI files as the platform's private-profile routines read and write them:
// "[section]" lines and "key=value" lines; sections and keys are compared
// without regard to case (Windows-1250 rules) and a value is trimmed of
// blanks and tabs when read. Writing a key changes its line in place, adds a
// new key after the last line of its section and a new section at the end;
// every other line (comments, blank lines, other keys, their order and
// spelling) is kept byte for byte. Lines end with CR LF when written.
//
// Lookups go through an index of the sections and keys, made on the first
// lookup and kept while the lines stay as they are, so reading every key of
// a file costs one pass over it, not one pass per key. A key added to a
// section waits in the index, with the others added to that section, for
// the lines to be needed whole (a save, lines(), a copy), and all of them go
// into place then in one pass: writing a new key into every section of a
// file costs one pass over it, not one pass per section.
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "files/FileSystem.h"

namespace files {

class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(std::filesystem::path path) : path_(std::move(path)) {}
    // A copy holds the lines with every added key in place.
    ProfileFile(const ProfileFile& other) : path_(other.path_), lines_(other.lines()) {}
    ProfileFile& operator=(const ProfileFile& other) {
        if (this != &other) {
            path_ = other.path_;
            lines_ = other.lines();
            index_.clear();
        }
        return *this;
    }

    // Reads the file; false (and no lines) when it cannot be read.
    bool load();
    // Writes the lines back, all or nothing; false on any failure (the old
    // file is then kept), with the reason in `failure` when one is asked for.
    bool save(Access access = Access::Normal, std::error_code* failure = nullptr) const;

    // The trimmed value of the key's first line in the first matching section,
    // or `fallback` when there is none.
    std::string read(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
    bool has(std::string_view section, std::string_view key) const;
    // A CR or LF inside the value is written as a blank.
    void write(std::string_view section, std::string_view key, std::string_view value);

    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

    const std::vector<std::string>& lines() const {
        settle();
        return lines_;
    }
    void setLines(std::vector<std::string> lines) {
        lines_ = std::move(lines);
        index_.clear();
    }
    const std::filesystem::path& path() const { return path_; }

    // One-call forms, as the platform's routines work: each reads the file
    // and a write saves it at once.
    static std::string readString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                                  std::string_view fallback = {});
    static bool writeString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                            std::string_view value, Access access = Access::Normal);

private:
    // The first section of each name (lower case) with its header line and
    // the first line of each of its keys (lower case). Lines before the first
    // section, and the keys of a repeated section, are never looked up.
    struct Index {
        struct Section {
            long header = -1;
            // A key's line in lines_, or (as added(j)) the j-th of `added`.
            std::unordered_map<std::string, long> keys;
            // The key lines added to the section, in order, and the line of
            // lines_ they go before: the one after its last non-blank line.
            std::vector<std::string> added;
            std::size_t before = 0;
        };
        static long added(std::size_t j) { return -2 - static_cast<long>(j); }
        static std::size_t addedIndex(long where) { return static_cast<std::size_t>(-2 - where); }
        Index() = default;
        // A copy makes its own index of its own lines when first asked.
        Index(const Index&) {}
        Index& operator=(const Index&) {
            clear();
            return *this;
        }
        void clear() {
            sections.clear();
            upTo = 0;
            current = nullptr;
        }
        std::unordered_map<std::string, Section> sections;
        std::size_t upTo = 0;       // lines indexed so far
        Section* current = nullptr;  // whose keys the next lines are, if anyone's
    };

    // The section's entry, or nullptr.
    const Index::Section* findSection(std::string_view section) const;
    // Index of the key's line within the section, or -1.
    static long findKey(const Index::Section& section, std::string_view key);
    // Takes the lines added at the end since the last lookup into the index.
    void catchUp() const;
    // The line a key's entry names.
    std::string& lineAt(const Index::Section& section, long where) const;
    // Puts the lines waiting in the index into lines_; the index is then
    // emptied when there were any.
    void settle() const;

    std::filesystem::path path_;
    // Mutable: the added lines go into place when the lines are first needed
    // whole, also by a const caller.
    mutable std::vector<std::string> lines_;
    mutable Index index_;
};

}  // namespace files
