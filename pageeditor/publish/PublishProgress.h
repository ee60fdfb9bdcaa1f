#pragma once
// What the progress window shows while a site is uploaded or exported: the
// current file's name and bar (ProgressBar1) and the whole job's bar
// (ProgressBar2). The window's Cancel button calls the job's cancel(). Every
// call comes from the job on the UI thread; the default does nothing.
#include <cstdint>
#include <string>

namespace pageeditor {

class PublishProgress {
public:
    virtual ~PublishProgress() = default;
    // The window is shown (modeless; it disables the main window) with the
    // maximum of the whole job's bar.
    virtual void open(std::int64_t totalBytes) {}
    // Label7: the file being sent, without its folder. The window lets
    // pending events be processed here (and may do so in fileBytes).
    virtual void showFile(const std::string& name) {}
    // A transfer begins: the current file's bar gets its maximum (0 when the
    // size is not known).
    virtual void fileBegin(std::int64_t expected) {}
    // Bytes so far of the current file and of the whole job.
    virtual void fileBytes(std::int64_t soFar, std::int64_t jobSoFar) {}
    // A transfer ended: the current file's bar goes back to 0.
    virtual void fileEnd() {}
    // The window closes (and enables the main window again); may come more
    // than once (after the window's own Cancel, and at the end of the job).
    virtual void close() {}
};

}  // namespace pageeditor
