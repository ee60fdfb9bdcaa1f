#pragma once
// The file system as the programs expect it of their platform, applied at this
// one boundary:
// - names are Windows-1250 text written with backslashes, relative to the
//   current folder or absolute ("webpages\site\index.html"); realPath turns
//   them into real paths;
// - wildcard masks match without regard to case, and "*.*" also matches names
//   without a dot;
// - listings come sorted by name without regard to case, so results that
//   depend on the search order are the same on every run;
// - read-only is the owner's write bit being clear: such a file or folder is
//   never deleted here, even by a process running as root;
// - names with ":", "<", ">", "|", "?", "*", "\"" or a control character
//   cannot be created;
// - copies never overwrite and report every failure.
// The programs' own code builds names with backslashes and calls realPath
// once, right before touching the file system.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace files {

namespace fs = std::filesystem;

// A backslash (or slash) separated Windows-1250 name as a real path.
fs::path realPath(std::string_view name);
// The real path as Windows-1250 text with backslashes, the inverse of
// realPath (characters without a Windows-1250 byte are dropped).
std::string platformName(const fs::path& path);
// The real path as the system writes it, for a message that names a file
// (a name that is no platform name too): Windows-1250 text with the system's
// separators, "?" for each character Windows-1250 lacks.
std::string shownName(const fs::path& path);

// False for a name (one component) the platform refuses: empty, or holding
// ":", "<", ">", "|", "?", "*", "\"", a slash, a backslash or a control character.
bool isAllowedName(std::string_view name);

// Platform wildcard match of one name: "*" any run, "?" one character,
// without regard to case (Windows-1250 rules). A mask ending in ".*" also
// matches the name without that part, so "*.*" matches every name.
bool matchesMask(std::string_view name, std::string_view mask);

struct Entry {
    std::string name;  // Windows-1250 name, without folder
    fs::path path;     // the real path
    bool folder = false;
    bool readOnly = false;
    // The platform's hidden attribute. The file systems underneath keep none,
    // so nothing is hidden: a name beginning with "." is an ordinary name
    // (a site's .htaccess is one of its files).
    bool hidden = false;
    bool link = false;    // a symbolic link (folder is that of its target)
    // The real name has no platform name: it holds a backslash (a separator
    // on the platform, an ordinary character underneath) or a character
    // Windows-1250 lacks, so `name` would lead to another file. Such entries
    // are returned only when asked for, and `name` must never be joined into
    // a path (use `path`).
    bool foreign = false;
    std::int64_t size = 0;
};

struct Include {
    bool folders = false;  // folders are returned as well as files
    bool hidden = false;   // hidden files (and folders) are returned too
    bool foreign = false;  // entries without a platform name are returned too
};

// The entries of `folder` that match `mask`, sorted by name without regard to
// case ("." and ".." are never returned). Empty when the folder cannot be read.
// Every name returned (foreign ones aside) is one platform name, safe to join
// to the folder's name.
std::vector<Entry> listFolder(const fs::path& folder, std::string_view mask, Include include = {});

// A search as the platform takes it: a Windows-1250 name whose last part is
// the mask ("webpages\*.*", "data\lang\pl\*.lng", "*.*"); the rest is
// the folder searched (the current folder when there is none).
std::vector<Entry> search(std::string_view pattern, Include include = {});

bool exists(const fs::path& path);
bool isFolder(const fs::path& path);
bool isFile(const fs::path& path);
// True for a symbolic link (whatever it leads to, or when it leads nowhere).
bool isLink(const fs::path& path);

// True when the path exists, or its folder holds an entry whose name differs
// from the path's last part only in case (Windows-1250 rules): "Index.html"
// when "index.html" is asked for. The platform's names ignore case, and so do
// the CDs and many servers a site goes to.
bool existsIgnoringCase(const fs::path& path);
// The entry existsIgnoringCase finds (the path itself when it exists), or an
// empty path.
fs::path existingIgnoringCase(const fs::path& path);

bool isReadOnly(const fs::path& path);
bool setReadOnly(const fs::path& path, bool readOnly);

// Deletes one file (or link); false when it is read-only, missing or a folder.
bool removeFile(const fs::path& path);
// Removes an empty folder; false when it is read-only, missing or not empty.
bool removeFolder(const fs::path& path);
// Makes one folder; false when it exists, its parent is missing or its name
// is not allowed.
bool makeFolder(const fs::path& path);

// Copies a regular file, all or nothing: the bytes go to a temporary file
// beside the destination (see temporaryFor), which is flushed and renamed
// into place, so a failure or a crash leaves the destination as it was.
// NoReplace fails when the destination exists, also in another case
// (existsIgnoringCase; it is never touched); Replace puts the copy in the
// place of a file (not of a folder or a read-only file). False too when the
// name is not allowed or anything of the copy failed. A read-only source
// gives a read-only copy; the copy keeps the source's modification time.
// A Program copy can be run: it has its execute bits before it takes its
// name, so it is never there without them.
enum class CopyMode { NoReplace, Replace };
enum class CopyKind { Data, Program };
bool copyFile(const fs::path& from, const fs::path& to, CopyMode mode = CopyMode::NoReplace,
              CopyKind kind = CopyKind::Data);

enum class Access { Normal, OwnerOnly };
// Saves a whole file, all or nothing: the bytes go to a temporary file beside
// it (readable by its owner only while it is written), which is flushed to
// the disk and renamed over the file, and the folder is flushed after it.
// Any failure (a full disk, a read-only file or folder, an I/O error, a name
// that is not allowed) removes the temporary file, leaves the file as it was
// and gives false, with the reason in `failure` when one is asked for. The
// saved file keeps the permissions of the one it replaces; OwnerOnly makes it
// readable and writable by its owner alone.
bool writeFile(const fs::path& path, std::string_view bytes, Access access = Access::Normal,
               std::error_code* failure = nullptr);

// The reason a save failed as a short Polish phrase in Windows-1250 ("brak
// miejsca na dysku"), for a message that names the file.
std::string failureText(const std::error_code& failure);
// The whole message of a failed save of the file the user knows as `name`:
// "Nie można zapisać pliku <name>: <reason>." (Windows-1250).
std::string saveFailedText(std::string_view name, const std::error_code& failure);

// The temporary file a save or a copy by this process writes beside `target`:
// its name is the target's with a mark and the process number after it,
// the target's name shortened (by whole characters) where the whole would
// be longer than the file system takes.
fs::path temporaryFor(const fs::path& target);
// True for the name of a save's or a copy's temporary file (without folder),
// those of earlier versions' copies ("name.~cp") included: never a user's
// file, never published or copied.
bool isTemporaryName(std::string_view name);
// Removes the temporary files that saves and copies interrupted by a crash
// left in `folder`, and with `subFolders` in every folder below it (links
// are not followed); those of a process that still runs are kept. Gives how
// many.
int removeLeftoverTemporaries(const fs::path& folder, bool subFolders = false);

// The steps of a save or a copy, for tests that make one fail or stop the
// process there.
enum class SaveStep { Create, Write, Flush, Close, Rename, FlushFolder };
// Called before each step of every save and copy (Write once per block); a
// nonzero errno it returns makes that step fail with it. Null: no hook.
using SaveStepHook = int (*)(SaveStep step);
void setSaveStepHook(SaveStepHook hook);

}  // namespace files
