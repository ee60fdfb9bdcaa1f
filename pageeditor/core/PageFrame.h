#pragma once
// What a document window needs of its editor frame: load and save a page and
// tell whether the page has unsaved changes. The frame implements it; tests
// give a small stand-in.
#include <string>

namespace pageeditor {

class PageFrame {
public:
    virtual ~PageFrame() = default;
    // Page names are the editor's own (Windows-1250, backslashes).
    virtual bool LoadDocument(const std::string& page) = 0;
    // Writes the page, all or nothing; the control counts it as saved
    // afterwards. On failure the page stays unsaved and saveFailure() tells why.
    virtual bool SaveDocument(const std::string& page) = 0;
    // Why the last SaveDocument failed, as a message for the user (empty when
    // the frame cannot say).
    virtual std::string saveFailure() const { return {}; }
    // The control's changed state: unsaved changes since the last load or save.
    virtual bool changed() const = 0;
    // The frame's modified flag, which the save commands clear.
    virtual void clearModified() = 0;
};

}  // namespace pageeditor
