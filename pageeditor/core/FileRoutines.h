#pragma once
// The editor's folder and file routines. Every name is the editor's own
// Windows-1250 text with backslashes (app_dir + "webpages\" + site + "\");
// it becomes a real path only inside these routines. Failures are reported by
// the result, except that the two whole-file routines throw FileError.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pageeditor {

struct FileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Deletes everything inside the folder (sub-folders through DeleteFolderTree).
// After the first failure nothing more is deleted; true when nothing is left
// to fail (also for a folder that cannot be searched). Links are deleted as
// links, never followed.
bool ClearFolder(std::string folder);
// ClearFolder, then removes the folder itself; true when it is gone.
bool DeleteFolderTree(const std::string& folder);
bool FolderExists(const std::string& path);
void AddTrailingBackslash(std::string& path);
std::string WithTrailingBackslash(std::string path);
// Copies every file of the source tree into the destination; an existing
// destination file is never overwritten and stops the copy with false (what
// was copied before it stays). Missing destination sub-folders are made; the
// destination folder itself must exist.
bool CopyFolderTree(std::string source, const std::string& destination);
// Writes the text as lines, each ended by CR LF; throws FileError.
void SaveTextToFile(const std::string& file, std::string_view text);
// Reads the file's lines, each followed by CR LF; throws FileError.
std::string LoadTextFromFile(const std::string& file);
// Appends folder + name of every plain file matching the mask (hidden files
// and folders left out), in name order.
void list_files(std::string folder, std::vector<std::string>& list, std::string_view mask);
// Adds the sizes of the plain files matching the mask in the tree, except
// files named exactly "setup.cfg" and "setup.webserver".
void folder_size(std::string folder, std::string_view mask, std::int64_t& total);

}  // namespace pageeditor
