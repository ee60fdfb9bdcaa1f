#pragma once
// A full disk for tests: a small tmpfs mounted on a folder when the test may
// mount one (it runs as root and the system lets it), else every save's
// write made to fail as a full disk fails it. The folder is left unmounted
// and the failure lifted when the object goes.
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "files/FileSystem.h"

namespace files::testing {

class FullDisk {
public:
    // Mounts `kilobytes` of tmpfs on `folder` (which must exist).
    FullDisk(const fs::path& folder, int kilobytes) : folder_(folder) {
        std::string size = "size=" + std::to_string(kilobytes) + "k";
        mounted_ = ::geteuid() == 0 && ::mount("tmpfs", folder.c_str(), "tmpfs", 0, size.c_str()) == 0;
    }
    ~FullDisk() {
        setSaveStepHook(nullptr);
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return mounted_; }
    // From now on the disk has no room: a real tmpfs is filled to its last
    // block, else saves fail at their first write.
    void fill() {
        if (!mounted_) {
            setSaveStepHook([](SaveStep step) { return step == SaveStep::Write ? ENOSPC : 0; });
            return;
        }
        std::string block(4096, 'f');
        fs::path filler = folder_ / "filler";
        std::FILE* f = std::fopen(filler.c_str(), "wb");
        if (!f) return;
        while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {}
        std::setvbuf(f, nullptr, _IONBF, 0);
        while (std::fwrite("f", 1, 1, f) == 1) {}
        std::fclose(f);
    }

private:
    fs::path folder_;
    bool mounted_ = false;
};

}  // namespace files::testing
