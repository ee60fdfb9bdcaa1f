#pragma once
// The shell's copy operation: files and whole folder trees copied into a
// destination folder, which is made (with any folders it needs) without a
// question when the flags hold 512 ("no confirmation for making folders");
// 64 ("allow undo") changes nothing here. Before an existing file is replaced
// the caller's question is asked.
#include <functional>
#include <string>
#include <string_view>

namespace files {

namespace shellflags {
constexpr int AllowUndo = 64;
constexpr int NoConfirmMkDir = 512;
}  // namespace shellflags

struct ShellCopyResult {
    bool ok = true;        // every file asked for was copied (or skipped by the user)
    bool aborted = false;  // the user cancelled at a replace question
    int copied = 0;
    int skipped = 0;
};

// Answer to "replace <destination>?" with the message-box results: 6 (Yes)
// replaces, 7 (No) skips the file, 2 (Cancel) stops the whole copy. Without a
// question no file is ever replaced (it is skipped).
using ReplaceQuestion = std::function<int(const std::string& destinationName)>;

// `from` is a Windows-1250 name with backslashes: a file, a folder, or a
// folder and a mask ("webpages\site\*.*"); `to` is the destination folder. A
// folder named without a mask is copied as a sub-folder of `to` when `to`
// exists, and becomes `to` when it does not. Links inside a folder (to files
// or folders) are left out, never followed; a destination inside the source is
// refused (nothing copied).
ShellCopyResult shellCopy(std::string_view from, std::string_view to, int flags, const ReplaceQuestion& ask = {});

}  // namespace files
