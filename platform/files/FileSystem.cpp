#include "files/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/Paths.h"

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

bool copyFile(const fs::path& from, const fs::path& to) {
    if (!allowedPathName(to) || existsIgnoringCase(to)) return false;
    struct stat st {};
    if (::stat(from.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    char buf[65536];
    while (ok) {
        ssize_t r = ::read(in, buf, sizeof buf);
        if (r < 0) {
            if (errno == EINTR) continue;
            ok = false;
        } else if (r == 0) {
            break;
        } else {
            ok = writeAll(out, buf, static_cast<std::size_t>(r));
        }
    }
    ::close(in);
    if (::fsync(out) != 0 && errno != EINVAL) ok = false;
    if (::close(out) != 0) ok = false;
    if (!ok) {
        ::unlink(to.c_str());
        return false;
    }
    std::error_code ec;
    fs::last_write_time(to, fs::last_write_time(from, ec), ec);
    if ((st.st_mode & S_IWUSR) == 0) setReadOnly(to, true);
    return true;
}

bool writeFile(const fs::path& path, std::string_view bytes, Access access) {
    if (!allowedPathName(path)) return false;
    if (isReadOnly(path) || isFolder(path)) return false;
    // Written beside the file and renamed over it, so a failed write never
    // leaves a half file in place of the old one.
    fs::path tmp = path;
    tmp += ".~wr";
    mode_t mode = access == Access::OwnerOnly ? 0600 : 0666;
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes.data(), bytes.size());
    if (access == Access::OwnerOnly && ::fchmod(fd, 0600) != 0) ok = false;
    if (access == Access::Normal) {
        struct stat old {};
        if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    }
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(tmp.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

}  // namespace files
