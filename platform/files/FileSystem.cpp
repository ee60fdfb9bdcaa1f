#include "files/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/LineFile.h"
#include "text/Paths.h"

using namespace text::literals;

namespace files {

fs::path realPath(std::string_view name) {
    std::string s(name);
    std::replace(s.begin(), s.end(), '\\', '/');
    return text::toPath(s);
}

std::string platformName(const fs::path& path) {
    std::size_t dropped = 0;
    std::string s = text::fromUtf16Dropping(path.u16string(), text::CodePage::Windows1250, &dropped);
    std::replace(s.begin(), s.end(), '/', '\\');
    return s;
}

std::string shownName(const fs::path& path) {
    try {
        return text::encode(path.u16string(), text::CodePage::Windows1250, text::Lacking::QuestionMark);
    } catch (const std::exception&) {
        // Bytes that are no text at all.
        std::string s = path.native();
        for (char& c : s)
            if (static_cast<unsigned char>(c) >= 0x80) c = '?';
        return s;
    }
}

bool isAllowedName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) return false;
        switch (c) {
        case ':': case '<': case '>': case '|': case '?': case '*': case '"': case '/': case '\\':
            return false;
        default: break;
        }
    }
    return true;
}

namespace {

bool wildMatch(std::string_view n, std::string_view m) {
    std::size_t i = 0, j = 0, starJ = std::string_view::npos, starI = 0;
    while (i < n.size()) {
        if (j < m.size() && m[j] == '*') {
            starJ = j++;
            starI = i;
        } else if (j < m.size() && (m[j] == '?' || text::toLower(m[j]) == text::toLower(n[i]))) {
            ++i;
            ++j;
        } else if (starJ != std::string_view::npos) {
            j = starJ + 1;
            i = ++starI;
        } else {
            return false;
        }
    }
    while (j < m.size() && m[j] == '*') ++j;
    return j == m.size();
}

// The name a path ends in; a trailing separator is not a name of its own.
bool allowedPathName(const fs::path& p) {
    std::string utf8 = (p.has_filename() ? p.filename() : p.parent_path().filename()).string();
    return isAllowedName(utf8);
}

}  // namespace

bool matchesMask(std::string_view name, std::string_view mask) {
    if (wildMatch(name, mask)) return true;
    return mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" && wildMatch(name, mask.substr(0, mask.size() - 2));
}

bool exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(fs::status(path, ec));
}

bool isFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::status(path, ec));
}

bool isLink(const fs::path& path) {
    std::error_code ec;
    return fs::is_symlink(fs::symlink_status(path, ec));
}

fs::path existingIgnoringCase(const fs::path& path) {
    if (files::exists(path)) return path;
    fs::path name = path.has_filename() ? path.filename() : path.parent_path().filename();
    fs::path folder = path.has_filename() ? path.parent_path() : path.parent_path().parent_path();
    std::string wanted = platformName(name);
    for (const Entry& e : listFolder(folder, "*", Include{true, true}))
        if (text::equalsNoCase(e.name, wanted)) return e.path;
    return {};
}

bool existsIgnoringCase(const fs::path& path) { return !existingIgnoringCase(path).empty(); }

bool isReadOnly(const fs::path& path) {
    std::error_code ec;
    auto st = fs::status(path, ec);
    if (ec || !fs::exists(st)) return false;
    return (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool setReadOnly(const fs::path& path, bool readOnly) {
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    readOnly ? fs::perm_options::remove : fs::perm_options::add, ec);
    if (ec) return false;
    if (!readOnly) fs::permissions(path, fs::perms::group_write | fs::perms::others_write, fs::perm_options::remove, ec);
    return !ec;
}

std::vector<Entry> listFolder(const fs::path& folder, std::string_view mask, Include include) {
    std::vector<Entry> out;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
    if (ec) return out;
    for (; it != end; it.increment(ec)) {
        if (ec) break;
        Entry e;
        e.path = folder.empty() ? it->path().filename() : it->path();
        std::size_t dropped = 0;
        try {
            e.name = text::fromUtf16Dropping(it->path().filename().u16string(), text::CodePage::Windows1250, &dropped);
        } catch (const std::exception&) {
            dropped = 1;  // bytes that are no text at all
        }
        e.foreign = dropped > 0 || e.name.empty() || e.name.find('\\') != std::string::npos;
        std::error_code sec;
        e.link = fs::is_symlink(fs::symlink_status(it->path(), sec));
        auto st = fs::status(it->path(), sec);
        if (sec) st = fs::symlink_status(it->path(), sec);
        e.folder = fs::is_directory(st);
        e.readOnly = (st.permissions() & fs::perms::owner_write) == fs::perms::none;
        if (fs::is_regular_file(st)) {
            auto size = fs::file_size(it->path(), sec);
            e.size = sec ? 0 : static_cast<std::int64_t>(size);
        }
        if (e.folder && !include.folders) continue;
        if (e.hidden && !include.hidden) continue;
        if (e.foreign && !include.foreign) continue;
        if (!matchesMask(e.name, mask)) continue;
        out.push_back(std::move(e));
    }
    std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) {
        int c = text::compareNoCase(a.name, b.name);
        return c != 0 ? c < 0 : a.path.native() < b.path.native();
    });
    return out;
}

std::vector<Entry> search(std::string_view pattern, Include include) {
    std::size_t cut = pattern.find_last_of("\\/");
    if (cut == std::string_view::npos) return listFolder(fs::path(), pattern, include);
    std::string folder(pattern.substr(0, cut + 1));
    return listFolder(realPath(folder), pattern.substr(cut + 1), include);
}

bool removeFile(const fs::path& path) {
    std::error_code ec;
    auto st = fs::symlink_status(path, ec);
    if (ec || !fs::exists(st) || fs::is_directory(st)) return false;
    if (!fs::is_symlink(st) && (st.permissions() & fs::perms::owner_write) == fs::perms::none) return false;
    return ::unlink(path.c_str()) == 0;
}

bool removeFolder(const fs::path& path) {
    std::error_code ec;
    auto st = fs::symlink_status(path, ec);
    if (ec || !fs::is_directory(st)) return false;
    if ((st.permissions() & fs::perms::owner_write) == fs::perms::none) return false;
    return ::rmdir(path.c_str()) == 0;
}

bool makeFolder(const fs::path& path) {
    if (!allowedPathName(path)) return false;
    return ::mkdir(path.c_str(), 0777) == 0;
}

namespace {

bool writeAll(int fd, const char* data, std::size_t n) {
    while (n > 0) {
        ssize_t w = ::write(fd, data, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

}  // namespace

namespace {

SaveStepHook saveHook = nullptr;

const std::string_view kTemporaryMark = ".~wr";

// Gives the errno of a step the test hook fails, else 0.
int hookAt(SaveStep step) { return saveHook ? saveHook(step) : 0; }

// The process's file creation mask, read without changing it (umask() would
// change it for every thread for a moment).
mode_t creationMask() {
    std::string status;
    if (text::readFile("/proc/self/status", status)) {
        std::size_t at = status.find("Umask:");
        if (at != std::string::npos) return static_cast<mode_t>(std::strtoul(status.c_str() + at + 6, nullptr, 8));
    }
    return 022;
}

// Flushes the folder that holds `path`, so a rename in it survives a crash.
// File systems that cannot flush a folder (EINVAL) are taken as flushed.
int flushFolder(const fs::path& path) {
    fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0) return errno;
    int err = ::fsync(dfd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(dfd);
    return err;
}

int writeTemporary(int fd, std::string_view bytes) {
    constexpr std::size_t kBlock = 65536;
    std::size_t done = 0;
    do {
        if (int err = hookAt(SaveStep::Write)) return err;
        std::size_t n = std::min(kBlock, bytes.size() - done);
        if (n > 0 && !writeAll(fd, bytes.data() + done, n)) return errno ? errno : EIO;
        done += n;
    } while (done < bytes.size());
    return 0;
}

int save(const fs::path& path, std::string_view bytes, Access access) {
    if (!allowedPathName(path)) return EINVAL;
    if (isFolder(path)) return EISDIR;
    if (isReadOnly(path)) return EACCES;
    // The saved file keeps the permissions of the one it replaces; a new file
    // gets those the creation mask allows.
    mode_t mode = 0666 & ~creationMask();
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) mode = old.st_mode & 07777;
    if (access == Access::OwnerOnly) mode = 0600;

    const fs::path tmp = temporaryFor(path);
    if (int err = hookAt(SaveStep::Create)) return err;
    // Created for the owner alone: what is being written may be a password.
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EEXIST) {
        // The name holds this process's number: it is left from an earlier
        // process that had the same number.
        ::unlink(tmp.c_str());
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    }
    if (fd < 0) return errno;
    int err = writeTemporary(fd, bytes);
    if (!err) err = hookAt(SaveStep::Flush);
    if (!err && ::fsync(fd) != 0 && errno != EINVAL) err = errno;
    if (!err && mode != 0600) ::fchmod(fd, mode);
    if (!err) err = hookAt(SaveStep::Close);
    if (::close(fd) != 0 && !err) err = errno;
    if (!err) err = hookAt(SaveStep::Rename);
    if (!err && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
    if (err) {
        ::unlink(tmp.c_str());
        return err;
    }
    if (int hooked = hookAt(SaveStep::FlushFolder)) return hooked;
    return flushFolder(path);
}

// Copies into a temporary file beside `to` and renames it into place, so
// the target holds what it held or the whole copy, never part of it.
int copy(const fs::path& from, const fs::path& to, CopyMode mode, CopyKind kind) {
    if (!allowedPathName(to)) return EINVAL;
    if (mode == CopyMode::NoReplace ? existsIgnoringCase(to) : (isFolder(to) || isReadOnly(to))) return EEXIST;
    struct stat st {};
    if (::stat(from.c_str(), &st) != 0) return errno;
    if (!S_ISREG(st.st_mode)) return EINVAL;
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return errno;
    const fs::path tmp = temporaryFor(to);
    int err = hookAt(SaveStep::Create);
    int out = -1;
    if (!err) {
        out = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (out < 0 && errno == EEXIST) {  // left by an earlier process of the same number
            ::unlink(tmp.c_str());
            out = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        }
        if (out < 0) err = errno;
    }
    if (out < 0) {
        ::close(in);
        return err;
    }
    static thread_local char buf[65536];
    while (!err) {
        if ((err = hookAt(SaveStep::Write))) break;
        ssize_t r = ::read(in, buf, sizeof buf);
        if (r < 0) {
            if (errno != EINTR) err = errno;
        } else if (r == 0) {
            break;
        } else if (!writeAll(out, buf, static_cast<std::size_t>(r))) {
            err = errno ? errno : EIO;
        }
    }
    ::close(in);
    if (!err) err = hookAt(SaveStep::Flush);
    if (!err && ::fsync(out) != 0 && errno != EINVAL) err = errno;
    if (!err) ::fchmod(out, (kind == CopyKind::Program ? 0777 : 0666) & ~creationMask());
    if (!err) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(out, times);
    }
    if (!err) err = hookAt(SaveStep::Close);
    if (::close(out) != 0 && !err) err = errno;
    if (!err) err = hookAt(SaveStep::Rename);
    if (!err) {
        if (mode == CopyMode::Replace) {
            if (::rename(tmp.c_str(), to.c_str()) != 0) err = errno;
        } else if (::renameat2(AT_FDCWD, tmp.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
            err = errno;
            // A file system without the no-replace rename: a second name
            // for the copy, which no more replaces a file than the rename.
            if ((err == EINVAL || err == ENOSYS) && ::link(tmp.c_str(), to.c_str()) == 0) err = 0;
        }
    }
    ::unlink(tmp.c_str());  // gone with the rename, or the failure's leftover
    if (err) return err;
    // A read-only source gives a read-only copy.
    if ((st.st_mode & S_IWUSR) == 0) setReadOnly(to, true);
    if (int hooked = hookAt(SaveStep::FlushFolder)) return hooked;
    return flushFolder(to);
}

}  // namespace

bool copyFile(const fs::path& from, const fs::path& to, CopyMode mode, CopyKind kind) {
    return copy(from, to, mode, kind) == 0;
}

bool writeFile(const fs::path& path, std::string_view bytes, Access access, std::error_code* failure) {
    int err = save(path, bytes, access);
    if (failure) *failure = std::error_code(err, std::generic_category());
    return err == 0;
}

std::string failureText(const std::error_code& failure) {
    switch (failure.value()) {
    case 0: return {};
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return "brak miejsca na dysku"_w;
    case EROFS:
    case EACCES:
    case EPERM: return "plik lub folder jest tylko do odczytu"_w;
    case ENOENT:
    case ENOTDIR: return "folder nie istnieje"_w;
    case EINVAL:
    case ENAMETOOLONG: return "niedozwolona nazwa pliku"_w;
    case EISDIR: return "pod tą nazwą jest folder"_w;
    default: return "błąd zapisu na dysku"_w;
    }
}

std::string saveFailedText(std::string_view name, const std::error_code& failure) {
    return "Nie można zapisać pliku "_w + std::string(name) + ": " + failureText(failure) + ".";
}

fs::path temporaryFor(const fs::path& target) {
    const std::string mark = std::string(kTemporaryMark) + std::to_string(::getpid());
    std::string name = target.filename().string();
    // The longest name the file system takes there, 255 bytes at most: FAT
    // and exFAT volumes report their limit in bytes of the widest encoding
    // of 255 characters (1530), more than they take of ours; 255 also where
    // the file system cannot say.
    fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (longest <= 0 || longest > 255) longest = 255;
    if (name.size() + mark.size() > std::size_t(longest)) {
        std::size_t keep = std::size_t(longest) > mark.size() ? std::size_t(longest) - mark.size() : 1;
        // Cut before a whole character (never inside a UTF-8 sequence), so
        // the name stays one the listings show and the clearing finds.
        while (keep > 1 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
        name.resize(keep);
    }
    return target.parent_path() / (name + mark);
}

bool isTemporaryName(std::string_view name) {
    // A copy's replacement as earlier versions made it beside the file.
    constexpr std::string_view oldCopy = ".~cp";
    if (name.size() > oldCopy.size() && name.substr(name.size() - oldCopy.size()) == oldCopy) return true;
    std::size_t at = name.rfind(kTemporaryMark);
    if (at == std::string_view::npos || at == 0) return false;
    std::string_view number = name.substr(at + kTemporaryMark.size());
    return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int removeLeftoverTemporaries(const fs::path& folder, bool subFolders) {
    int removed = 0;
    for (const Entry& e : listFolder(folder, "*", Include{true, true, true})) {
        if (e.link) continue;  // never followed, never a temporary of ours
        if (e.folder) {
            if (subFolders) removed += removeLeftoverTemporaries(e.path, true);
            continue;
        }
        if (e.foreign || !isTemporaryName(e.name)) continue;
        std::size_t mark = e.name.rfind(kTemporaryMark);
        std::string_view number =
            mark == std::string::npos ? std::string_view() : std::string_view(e.name).substr(mark + kTemporaryMark.size());
        long pid = number.empty() ? 0 : std::strtol(std::string(number).c_str(), nullptr, 10);
        // A save in another running process is left alone; an old name (no
        // number) or one of a process that is gone is a crash's leftover.
        bool running = pid > 0 && pid != ::getpid() && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
        if (running) continue;
        if (::unlink(e.path.c_str()) == 0) ++removed;
    }
    return removed;
}

void setSaveStepHook(SaveStepHook hook) { saveHook = hook; }

}  // namespace files
