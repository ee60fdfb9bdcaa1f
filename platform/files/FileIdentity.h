#pragma once
// Which file a path leads to: the file itself, whatever its name. A file
// saved anew (written beside it and renamed into place), or deleted and made
// again under its name, is another file, also where the file system gives
// the new one the number the old one had.
#include <cstdint>
#include <filesystem>

namespace files {

class FileIdentity {
public:
    // The file at `path` now (a link is followed); none when there is no
    // file there.
    static FileIdentity of(const std::filesystem::path& path);

    explicit operator bool() const { return known_; }
    bool operator==(const FileIdentity&) const = default;

private:
    bool known_ = false;
    std::uint64_t device_ = 0, number_ = 0;
    // When the file was made, in nanoseconds; where the file system keeps no
    // such time, when its inode last changed.
    std::int64_t made_ = 0;
};

}  // namespace files
