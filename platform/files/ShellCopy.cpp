#include "files/ShellCopy.h"

#include <system_error>

#include "files/FileSystem.h"

namespace files {

namespace {

struct Copier {
    int flags;
    const ReplaceQuestion& ask;
    ShellCopyResult result;

    bool ensureFolder(const fs::path& p) {
        if (isFolder(p)) return true;
        if (files::exists(p)) return false;
        fs::path parent = p.parent_path();
        if (!parent.empty() && !isFolder(parent) && !ensureFolder(parent)) return false;
        return makeFolder(p);
    }

    // Copies one file onto `to`, asking before an existing file is replaced.
    void file(const fs::path& from, fs::path to) {
        // A name that differs only in case is the same file on the platform.
        if (fs::path existing = existingIgnoringCase(to); !existing.empty()) {
            to = existing;
            int answer = ask ? ask(platformName(to)) : 7;
            if (answer == 2) {
                result.aborted = true;
                return;
            }
            if (answer != 6) {
                ++result.skipped;
                return;
            }
            // The copy replaces it in one step, so a failed copy leaves the
            // old file in place.
            if (copyFile(from, to, CopyMode::Replace))
                ++result.copied;
            else
                result.ok = false;
            return;
        }
        if (copyFile(from, to))
            ++result.copied;
        else
            result.ok = false;
    }

    void folder(const fs::path& from, const fs::path& to) {
        if (!ensureFolder(to)) {
            result.ok = false;
            return;
        }
        for (const Entry& e : listFolder(from, "*", Include{true, true})) {
            if (result.aborted) return;
            entry(e, to / e.path.filename());
        }
    }

    void entry(const Entry& e, const fs::path& to) {
        if (e.link) return;  // a link, to a file or a folder, is never followed
        if (e.folder) {
            folder(e.path, to);
        } else {
            file(e.path, to);
        }
    }
};

bool inside(const fs::path& inner, const fs::path& outer) {
    std::error_code ec;
    fs::path a = fs::weakly_canonical(inner, ec), b = fs::weakly_canonical(outer, ec);
    auto ai = a.begin(), bi = b.begin();
    for (; bi != b.end() && !bi->empty(); ++ai, ++bi)
        if (ai == a.end() || *ai != *bi) return false;
    return true;
}

}  // namespace

ShellCopyResult shellCopy(std::string_view from, std::string_view to, int flags, const ReplaceQuestion& ask) {
    Copier c{flags, ask, {}};
    fs::path dest = realPath(to);
    std::size_t cut = from.find_last_of("\\/");
    std::string_view last = cut == std::string_view::npos ? from : from.substr(cut + 1);
    bool masked = last.find_first_of("*?") != std::string_view::npos;
    fs::path source = masked ? realPath(from.substr(0, cut == std::string_view::npos ? 0 : cut + 1)) : realPath(from);
    if (source.empty()) source = ".";
    if (!source.has_filename() && source.has_parent_path() && source != source.root_path())
        source = source.parent_path();
    if (isFolder(source) && inside(dest, source)) {
        c.result.ok = false;
        return c.result;
    }
    if (masked) {
        auto entries = listFolder(source, last, Include{true, true});
        if (!c.ensureFolder(dest)) {
            c.result.ok = false;
            return c.result;
        }
        for (const Entry& e : entries) {
            if (c.result.aborted) break;
            c.entry(e, dest / e.path.filename());
        }
        return c.result;
    }
    if (!files::exists(source)) {
        c.result.ok = false;
        return c.result;
    }
    Entry e;
    e.path = source;
    e.folder = isFolder(source);
    e.link = false;
    fs::path target = dest;
    if (isFolder(dest))
        target = dest / source.filename();
    else if (!e.folder && !c.ensureFolder(dest)) {
        c.result.ok = false;
        return c.result;
    } else if (!e.folder) {
        target = dest / source.filename();
    }
    c.entry(e, target);
    return c.result;
}

}  // namespace files
