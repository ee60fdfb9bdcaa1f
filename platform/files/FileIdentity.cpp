#include "files/FileIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace files {

FileIdentity FileIdentity::of(const std::filesystem::path& path) {
    FileIdentity id;
    struct statx st {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_INO | STATX_BTIME | STATX_CTIME, &st) != 0) return id;
    if ((st.stx_mode & S_IFMT) == S_IFDIR) return id;
    const struct statx_timestamp& t = (st.stx_mask & STATX_BTIME) ? st.stx_btime : st.stx_ctime;
    id.known_ = true;
    id.device_ = makedev(st.stx_dev_major, st.stx_dev_minor);
    id.number_ = st.stx_ino;
    id.made_ = static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
    return id;
}

}  // namespace files
