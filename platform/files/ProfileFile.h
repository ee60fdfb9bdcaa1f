#pragma once
// INI files as the platform's private-profile routines read and write them:
// "[section]" lines and "key=value" lines; sections and keys are compared
// without regard to case (Windows-1250 rules) and a value is trimmed of
// blanks and tabs when read. Writing a key changes its line in place, adds a
// new key after the last line of its section and a new section at the end;
// every other line (comments, blank lines, other keys, their order and
// spelling) is kept byte for byte. Lines end with CR LF when written.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileSystem.h"

namespace files {

class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(std::filesystem::path path) : path_(std::move(path)) {}

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

    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines) { lines_ = std::move(lines); }
    const std::filesystem::path& path() const { return path_; }

    // One-call forms, as the platform's routines work: each reads the file
    // and a write saves it at once.
    static std::string readString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                                  std::string_view fallback = {});
    static bool writeString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                            std::string_view value, Access access = Access::Normal);

private:
    // Index of the section's header line, or -1.
    long findSection(std::string_view section) const;
    // Index of the key's line within the section that starts at `header`, or -1.
    long findKey(long header, std::string_view key) const;

    std::filesystem::path path_;
    std::vector<std::string> lines_;
};

}  // namespace files
