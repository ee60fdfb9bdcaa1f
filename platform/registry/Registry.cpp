#include "registry/Registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

#include "files/FileSystem.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace registry {

namespace {

const char* const kHiveNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                                  "HKEY_CURRENT_CONFIG"};
const char* const kHiveShort[] = {"HKCR", "HKCU", "HKLM", "HKU", "HKCC"};
constexpr int kHives = 5;
// Keys nest no deeper than this; a deeper path is a bad name, and a deeper
// key in the file is damage.
constexpr std::size_t kMaxDepth = 512;
const char kHeader[] = "REGISTRY 1";

struct Node {
    std::string name;
    std::vector<NamedValue> values;
    std::vector<std::unique_ptr<Node>> children;

    Node* child(std::string_view n) const {
        for (auto& c : children)
            if (text::equalsNoCase(c->name, n)) return c.get();
        return nullptr;
    }
    NamedValue* findValue(std::string_view n) {
        for (auto& v : values)
            if (text::equalsNoCase(v.name, n)) return &v;
        return nullptr;
    }
};

// Splits a key path into names. Leading and trailing backslashes are
// tolerated; an empty name between two backslashes is not.
bool splitPath(std::string_view path, std::vector<std::string>& parts) {
    parts.clear();
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    if (path.empty()) return true;
    std::size_t start = 0;
    for (;;) {
        std::size_t pos = path.find('\\', start);
        std::string_view part = path.substr(start, pos == std::string_view::npos ? std::string_view::npos : pos - start);
        if (part.empty()) return false;
        for (unsigned char c : part)
            if (c < 0x20 || c == 0x7F) return false;
        parts.emplace_back(part);
        if (parts.size() > kMaxDepth) return false;
        if (pos == std::string_view::npos) return true;
        start = pos + 1;
    }
}

bool validValueName(std::string_view name) {
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

// The file's escape: '%' followed by two hex digits. Names escape the
// characters that separate fields; values only '%' and control characters.
std::string escape(std::string_view s, bool name) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(s.size());
    for (unsigned char c : s) {
        bool esc = c < 0x20 || c == 0x7F || c == '%' || (name && (c == '=' || c == '\\' || c == '[' || c == ']'));
        if (esc) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool unescape(std::string_view s, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            out += s[i];
            continue;
        }
        if (i + 2 >= s.size()) return false;
        int h = hexDigit(s[i + 1]), l = hexDigit(s[i + 2]);
        if (h < 0 || l < 0) return false;
        out += static_cast<char>(h * 16 + l);
        i += 2;
    }
    return true;
}

struct FileId {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    long long mtimeNs = 0;
    bool operator==(const FileId&) const = default;
};

FileId identify(const std::filesystem::path& p) {
    struct stat st {};
    FileId id;
    if (::stat(p.c_str(), &st) != 0) return id;
    id.exists = true;
    id.dev = st.st_dev;
    id.ino = st.st_ino;
    id.size = st.st_size;
    id.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return id;
}

void writeValues(std::string& out, const Node& node) {
    for (auto& v : node.values) {
        if (v.value.type == ValueType::String) {
            out += "s ";
            out += escape(v.name, true);
            out += '=';
            out += escape(v.value.text, false);
        } else {
            out += "d ";
            out += escape(v.name, true);
            out += '=';
            out += std::to_string(v.value.number);
        }
        out += '\n';
    }
}

// Writes a key and every key under it, each as "[path]" and its values, in
// depth-first order.
void writeNode(std::string& out, const std::string& prefix, const Node& node) {
    struct Pending {
        std::string path;
        const Node* node;
    };
    std::vector<Pending> pending{{prefix, &node}};
    while (!pending.empty()) {
        Pending p = std::move(pending.back());
        pending.pop_back();
        out += '[';
        out += p.path;
        out += "]\n";
        writeValues(out, *p.node);
        for (auto c = p.node->children.rbegin(); c != p.node->children.rend(); ++c)
            pending.push_back({p.path + '\\' + escape((*c)->name, true), c->get()});
    }
}

// An error of rights: the user may not make or change the entry.
bool deniedError(int err) { return err == EACCES || err == EPERM || err == EROFS; }

// Holds an exclusive lock on "<file>.lock" for the lifetime of the object.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& file) {
        std::error_code ec;
        if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
        std::string lockName = file.string() + ".lock";
        fd_ = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        // A folder that could not be made is missing for the lock: why it
        // could not be made says more.
        if (fd_ < 0) error_ = errno == ENOENT && ec && deniedError(ec.value()) ? ec.value() : errno;
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            error_ = errno;
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FileLock() {
        if (fd_ >= 0) {
            ::flock(fd_, LOCK_UN);
            ::close(fd_);
        }
    }
    bool ok() const { return fd_ >= 0; }
    int error() const { return error_; }

private:
    int fd_ = -1;
    int error_ = 0;
};

// "Nie można zapisać pliku <path>: <reason>." in UTF-8, for a tool's message.
enum class Doing { Lock, Read, Write };
std::string failureOf(Doing doing, const std::filesystem::path& p, int err) {
    const char* verb = doing == Doing::Lock ? "zablokować" : doing == Doing::Read ? "odczytać" : "zapisać";
    const std::string reason = doing == Doing::Read && (err == EACCES || err == EPERM)
                                   ? "brak dostępu"
                                   : text::toUtf8(files::failureText(std::error_code(err, std::generic_category())));
    return std::string("Nie można ") + verb + " pliku " + p.string() + ": " + reason + ".";
}

}  // namespace

struct Registry::Impl {
    std::filesystem::path file;
    Node roots[kHives];
    FileId loaded;        // identity of the file the tree was read from
    bool valid = false;   // false: read the file again before use
    bool clean = true;
    bool damagedSaved = false;
    bool tidied = false;  // the leftovers beside the file have been removed
    std::string failure;  // why the last change failed

    void clear() {
        for (auto& r : roots) {
            r.values.clear();
            r.children.clear();
        }
    }

    // Reads the file again when it changed since it was last read. The first
    // read of a file also removes what saves cut short left beside it.
    bool refresh() {
        if (!tidied) tidy();
        FileId id = identify(file);
        if (valid && id == loaded) return clean;
        clear();
        loaded = id;
        valid = true;
        clean = true;
        damagedSaved = false;
        if (!id.exists) return true;
        std::string all;
        if (int err = readWhole(all)) {
            failure = failureOf(Doing::Read, file, err);
            clean = false;
            valid = false;
            return false;
        }
        parse(all);
        return clean;
    }

    // The file's bytes; the reason it could not be read, or 0.
    int readWhole(std::string& all) const {
        std::FILE* f = std::fopen(file.c_str(), "rb");
        if (!f) return errno;
        char buf[65536];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) all.append(buf, n);
        const bool readError = std::ferror(f) != 0;
        const int readErrno = errno;
        std::fclose(f);
        return readError ? (readErrno ? readErrno : EIO) : 0;
    }

    // Names already met while a file is read, by their lower-case form, so
    // that a key of many values or subkeys is read in linear time.
    struct ReadIndex {
        std::unordered_map<const Node*, std::unordered_map<std::string, std::size_t>> values;
        std::unordered_map<const Node*, std::unordered_map<std::string, Node*>> children;
    };

    void parse(std::string_view all) {
        ReadIndex index;
        Node* current = nullptr;
        bool first = true;
        std::size_t pos = 0;
        while (pos < all.size()) {
            std::size_t end = all.find('\n', pos);
            if (end == std::string_view::npos) end = all.size();
            std::string_view line = all.substr(pos, end - pos);
            pos = end + 1;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (first) {
                first = false;
                if (line == kHeader) continue;
                clean = false;  // no header: read on, but keep a copy aside
            }
            if (line.empty()) continue;
            if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
                current = parseKey(line.substr(1, line.size() - 2), index);
                if (!current) clean = false;
                continue;
            }
            if (!current || line.size() < 2 || line[1] != ' ' || (line[0] != 's' && line[0] != 'd')) {
                clean = false;
                continue;
            }
            std::string_view rest = line.substr(2);
            std::size_t eq = rest.find('=');
            std::string name;
            if (eq == std::string_view::npos || !unescape(rest.substr(0, eq), name)) {
                clean = false;
                continue;
            }
            std::string_view data = rest.substr(eq + 1);
            Value v;
            if (line[0] == 's') {
                if (!unescape(data, v.text)) {
                    clean = false;
                    continue;
                }
            } else {
                v.type = ValueType::Dword;
                if (data.empty() || data.size() > 10) {
                    clean = false;
                    continue;
                }
                unsigned long long n = 0;
                bool ok = true;
                for (char c : data) {
                    if (c < '0' || c > '9') ok = false;
                    n = n * 10 + static_cast<unsigned>(c - '0');
                }
                if (!ok || n > 0xFFFFFFFFull) {
                    clean = false;
                    continue;
                }
                v.number = static_cast<std::uint32_t>(n);
            }
            auto [at, added] = index.values[current].try_emplace(text::lower(name), current->values.size());
            if (!added)
                current->values[at->second].value = std::move(v);
            else
                current->values.push_back({std::move(name), std::move(v)});
        }
    }

    Node* parseKey(std::string_view full, ReadIndex& index) {
        std::size_t bs = full.find('\\');
        std::string_view hive = full.substr(0, bs);
        auto h = parseHive(hive);
        if (!h) return nullptr;
        Node* node = &roots[static_cast<int>(*h)];
        if (bs == std::string_view::npos) return node;
        std::string_view rest = full.substr(bs + 1);
        if (static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\\')) >= kMaxDepth) return nullptr;
        std::size_t start = 0;
        for (;;) {
            std::size_t p = rest.find('\\', start);
            std::string name;
            if (!unescape(rest.substr(start, p == std::string_view::npos ? std::string_view::npos : p - start), name) ||
                name.empty())
                return nullptr;
            Node*& c = index.children[node][text::lower(name)];
            if (!c) {
                node->children.push_back(std::make_unique<Node>());
                node->children.back()->name = name;
                c = node->children.back().get();
            }
            node = c;
            if (p == std::string_view::npos) return node;
            start = p + 1;
        }
    }

    Node* find(Hive hive, const std::vector<std::string>& parts) {
        Node* n = &roots[static_cast<int>(hive)];
        for (auto& p : parts) {
            n = n->child(p);
            if (!n) return nullptr;
        }
        return n;
    }

    Node* make(Hive hive, const std::vector<std::string>& parts) {
        Node* n = &roots[static_cast<int>(hive)];
        for (auto& p : parts) {
            Node* c = n->child(p);
            if (!c) {
                n->children.push_back(std::make_unique<Node>());
                c = n->children.back().get();
                c->name = p;
            }
            n = c;
        }
        return n;
    }

    // Temporary files of saves cut short beside the file. Saves run under the
    // lock, so while it is held every one there is a leftover; older
    // versions named them "registry.tmp<process>".
    std::vector<std::filesystem::path> leftovers() const {
        std::vector<std::filesystem::path> found;
        std::string stem = file.filename().string();
        for (const auto& e : files::listFolder(file.parent_path(), stem + ".*", files::Include{false, true})) {
            std::string_view rest = std::string_view(e.name).substr(stem.size());
            bool old = rest.size() > 4 && rest.substr(0, 4) == ".tmp" &&
                       std::all_of(rest.begin() + 4, rest.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (old || files::isTemporaryName(e.name)) found.push_back(e.path);
        }
        return found;
    }
    void removeLeftovers() {
        for (const auto& p : leftovers()) files::removeFile(p);
    }

    // Removes the leftovers of saves cut short, taking the lock only when
    // there are any (a registry that was never written has no folder yet).
    void tidy() {
        tidied = true;
        if (leftovers().empty()) return;
        FileLock lock(file);
        if (lock.ok()) removeLeftovers();
    }

    bool save() {
        if (!clean && !damagedSaved && loaded.exists) {
            std::error_code ec;
            if (std::filesystem::is_directory(file.string() + ".damaged", ec))
                ec = std::make_error_code(std::errc::is_a_directory);
            else
                std::filesystem::copy_file(file, file.string() + ".damaged",
                                           std::filesystem::copy_options::overwrite_existing, ec);
            if (ec) {
                failure = failureOf(Doing::Write, file.string() + ".damaged", ec.value());
                return false;
            }
            damagedSaved = true;
        }
        std::string out = kHeader;
        out += '\n';
        for (int i = 0; i < kHives; ++i) {
            const Node& r = roots[i];
            if (r.values.empty() && r.children.empty()) continue;
            if (!r.values.empty()) writeNode(out, kHiveNames[i], r);
            else
                for (auto& c : r.children) writeNode(out, std::string(kHiveNames[i]) + '\\' + escape(c->name, true), *c);
        }
        removeLeftovers();
        std::error_code ec;
        if (!files::writeFile(file, out, files::Access::OwnerOnly, &ec)) {
            failure = failureOf(Doing::Write, file, ec.value());
            return false;
        }
        loaded = identify(file);
        clean = true;
        damagedSaved = false;
        return true;
    }

    // What a change would meet now, found without changing anything: no
    // folder is made, no lock file created, no leftover removed, nothing
    // copied aside or written.
    Status probe() {
        failure.clear();
        const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
        const std::string lockName = file.string() + ".lock";
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            // A change makes the missing folders first: whatever is in the
            // way, or the folder above them not taking new entries, stops it.
            std::filesystem::path up = folder;
            int err = 0;
            while (::stat(up.c_str(), &st) != 0) {
                err = errno;
                const std::filesystem::path above = up.has_parent_path() ? up.parent_path() : ".";
                if (err != ENOENT || above == up) break;
                up = above;
                err = 0;
            }
            if (!err && !S_ISDIR(st.st_mode)) err = ENOTDIR;
            if (err) {
                failure = failureOf(Doing::Lock, lockName, err);
                return Status::IoError;
            }
            // The change then fails at the lock file, as it cannot make the
            // folder the lock file goes in.
            if (::access(up.c_str(), W_OK | X_OK) != 0) {
                failure = failureOf(Doing::Lock, lockName, errno);
                return Status::IoError;
            }
            return Status::Ok;
        }
        // The lock, when there is a lock file; none means no one holds it.
        const int fd = ::open(lockName.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0 && errno != ENOENT) {
            failure = failureOf(Doing::Lock, lockName, errno);
            return Status::IoError;
        }
        struct Unlock {
            int fd;
            ~Unlock() {
                if (fd >= 0) ::close(fd);
            }
        } unlock{fd};
        if (fd >= 0 && ::flock(fd, LOCK_EX) != 0) {
            failure = failureOf(Doing::Lock, lockName, errno);
            return Status::IoError;
        }
        if (identify(file).exists) {
            std::string all;
            if (int err = readWhole(all)) {
                failure = failureOf(Doing::Read, file, err);
                return Status::IoError;
            }
            // A damaged file is copied aside first, unless this registry has
            // done that already for the file as it is.
            Impl read;
            read.parse(all);
            if (!read.clean && !(damagedSaved && valid && identify(file) == loaded)) {
                const std::string aside = file.string() + ".damaged";
                int err = 0;
                if (::stat(aside.c_str(), &st) == 0) {
                    if (S_ISDIR(st.st_mode)) err = EISDIR;
                    else if (!S_ISREG(st.st_mode)) err = EINVAL;
                    else if (::access(aside.c_str(), W_OK) != 0) err = errno;
                } else if (::access(folder.c_str(), W_OK | X_OK) != 0) {
                    err = errno;
                }
                if (err) {
                    failure = failureOf(Doing::Write, aside, err);
                    return Status::IoError;
                }
            }
            if (files::isReadOnly(file)) {
                failure = failureOf(Doing::Write, file, EACCES);
                return Status::IoError;
            }
        }
        // A save's temporary, made and removed at once. One of that name
        // there already is a crash's leftover, which a save replaces.
        const std::filesystem::path tmp = files::temporaryFor(file);
        const int t = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        int err = 0;
        if (t >= 0) {
            ::close(t);
            ::unlink(tmp.c_str());
        } else {
            err = errno;
            if (err == EEXIST) err = ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
        }
        if (err) {
            // Without a lock file, the change fails making that first.
            failure = fd < 0 ? failureOf(Doing::Lock, lockName, err) : failureOf(Doing::Write, file, err);
            return Status::IoError;
        }
        // In a sticky folder only the file's owner, the folder's or the
        // administrator may replace the file.
        struct stat fileSt {};
        if (::stat(folder.c_str(), &st) == 0 && (st.st_mode & S_ISVTX) && ::stat(file.c_str(), &fileSt) == 0) {
            const uid_t me = ::geteuid();
            if (me != 0 && fileSt.st_uid != me && st.st_uid != me) {
                failure = failureOf(Doing::Write, file, EPERM);
                return Status::IoError;
            }
        }
        return Status::Ok;
    }

    // Runs a change under the lock on the file as it stands on disk, and
    // writes the result. On failure the tree is read afresh next time, so a
    // change that was not written is not seen either.
    template <class F>
    Status change(F&& f) {
        failure.clear();
        FileLock lock(file);
        if (!lock.ok()) {
            failure = failureOf(Doing::Lock, file.string() + ".lock", lock.error());
            return Status::IoError;
        }
        if (!tidied) {
            tidied = true;
            removeLeftovers();
        }
        refresh();
        if (!valid) return Status::IoError;
        bool modified = false;
        Status st = f(modified);
        if (st != Status::Ok || !modified) return st;
        if (!save()) {
            valid = false;
            return Status::IoError;
        }
        return Status::Ok;
    }
};

std::optional<Hive> parseHive(std::string_view name) {
    for (int i = 0; i < kHives; ++i)
        if (text::equalsNoCase(name, kHiveNames[i]) || text::equalsNoCase(name, kHiveShort[i]))
            return static_cast<Hive>(i);
    return std::nullopt;
}

std::string hiveName(Hive hive) { return kHiveNames[static_cast<int>(hive)]; }

Registry::Registry(std::filesystem::path file) : d_(std::make_unique<Impl>()) { d_->file = std::move(file); }
Registry::~Registry() = default;

const std::filesystem::path& Registry::file() const { return d_->file; }

void Registry::setFile(std::filesystem::path file) {
    d_->file = std::move(file);
    d_->valid = false;
    d_->tidied = false;
}

void Registry::open() { d_->refresh(); }

const std::string& Registry::lastFailure() const { return d_->failure; }

Status Registry::checkWritable() { return d_->probe(); }

bool Registry::lastReadClean() const { return d_->clean; }

bool Registry::keyExists(Hive hive, std::string_view key) {
    std::vector<std::string> parts;
    if (!splitPath(key, parts)) return false;
    d_->refresh();
    return d_->find(hive, parts) != nullptr;
}

Status Registry::createKey(Hive hive, std::string_view key) {
    std::vector<std::string> parts;
    if (!splitPath(key, parts)) return Status::BadName;
    return d_->change([&](bool& modified) {
        if (d_->find(hive, parts)) return Status::Ok;
        d_->make(hive, parts);
        modified = true;
        return Status::Ok;
    });
}

Status Registry::deleteKey(Hive hive, std::string_view key) {
    std::vector<std::string> parts;
    if (!splitPath(key, parts) || parts.empty()) return Status::BadName;
    return d_->change([&](bool& modified) {
        std::vector<std::string> parent(parts.begin(), parts.end() - 1);
        Node* p = d_->find(hive, parent);
        if (!p) return Status::NotFound;
        for (auto it = p->children.begin(); it != p->children.end(); ++it) {
            if (text::equalsNoCase((*it)->name, parts.back())) {
                p->children.erase(it);
                modified = true;
                return Status::Ok;
            }
        }
        return Status::NotFound;
    });
}

Status Registry::setValue(Hive hive, std::string_view key, std::string_view name, const Value& value) {
    std::vector<std::string> parts;
    if (!splitPath(key, parts) || !validValueName(name)) return Status::BadName;
    return d_->change([&](bool& modified) {
        Node* n = d_->make(hive, parts);
        modified = true;
        if (NamedValue* v = n->findValue(name))
            v->value = value;
        else
            n->values.push_back({std::string(name), value});
        return Status::Ok;
    });
}

Status Registry::setString(Hive hive, std::string_view key, std::string_view name, std::string_view text) {
    return setValue(hive, key, name, Value::string(std::string(text)));
}

Status Registry::setDword(Hive hive, std::string_view key, std::string_view name, std::uint32_t number) {
    return setValue(hive, key, name, Value::dword(number));
}

Status Registry::deleteValue(Hive hive, std::string_view key, std::string_view name) {
    std::vector<std::string> parts;
    if (!splitPath(key, parts)) return Status::BadName;
    return d_->change([&](bool& modified) {
        Node* n = d_->find(hive, parts);
        if (!n) return Status::NotFound;
        for (auto it = n->values.begin(); it != n->values.end(); ++it) {
            if (text::equalsNoCase(it->name, name)) {
                n->values.erase(it);
                modified = true;
                return Status::Ok;
            }
        }
        return Status::NotFound;
    });
}

std::optional<Value> Registry::value(Hive hive, std::string_view key, std::string_view name) {
    std::vector<std::string> parts;
    if (!splitPath(key, parts)) return std::nullopt;
    d_->refresh();
    Node* n = d_->find(hive, parts);
    if (!n) return std::nullopt;
    NamedValue* v = n->findValue(name);
    if (!v) return std::nullopt;
    return v->value;
}

bool Registry::getString(Hive hive, std::string_view key, std::string_view name, std::string& text) {
    auto v = value(hive, key, name);
    if (!v || v->type != ValueType::String) return false;
    text = v->text;
    return true;
}

bool Registry::getDword(Hive hive, std::string_view key, std::string_view name, std::uint32_t& number) {
    auto v = value(hive, key, name);
    if (!v || v->type != ValueType::Dword) return false;
    number = v->number;
    return true;
}

std::vector<std::string> Registry::subkeys(Hive hive, std::string_view key) {
    std::vector<std::string> parts, out;
    if (!splitPath(key, parts)) return out;
    d_->refresh();
    if (Node* n = d_->find(hive, parts))
        for (auto& c : n->children) out.push_back(c->name);
    return out;
}

std::vector<NamedValue> Registry::values(Hive hive, std::string_view key) {
    std::vector<std::string> parts;
    if (!splitPath(key, parts)) return {};
    d_->refresh();
    if (Node* n = d_->find(hive, parts)) return n->values;
    return {};
}

std::filesystem::path defaultPath() {
    if (const char* p = std::getenv("SUITE_REGISTRY"); p && *p) return p;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
        return std::filesystem::path(x) / "wortel-suite" / "registry";
    if (const char* h = std::getenv("HOME"); h && *h)
        return std::filesystem::path(h) / ".config" / "wortel-suite" / "registry";
    return std::filesystem::path(".wortel-suite-registry");
}

namespace {
std::filesystem::path& overridePath() {
    static std::filesystem::path p;
    return p;
}
}  // namespace

Registry& store() {
    static Registry r(defaultPath());
    return r;
}

void setPath(const std::filesystem::path& file) {
    overridePath() = file;
    store().setFile(file.empty() ? defaultPath() : file);
}

}  // namespace registry
