#pragma once
// One open page: the logic of a document window. It keeps the page's name
// (never changed, also not by saving a copy), saves, saves a copy beside it,
// previews in the default browser and asks about unsaved changes on closing.
#include <functional>
#include <string>

#include "pageeditor/core/MessageList.h"
#include "pageeditor/core/PageFrame.h"

namespace pageeditor {

class PageDocument {
public:
    PageDocument(const MessageList& messages, PageFrame& frame, std::string path);

    // Loads the page into the frame.
    bool open();
    const std::string& file_path() const { return path_; }
    // Whether the window holds its page: not after the page was deleted
    // (pageDeleted) until the window saves it again.
    bool holdsPage() const { return holdsPage_; }
    void pageDeleted() { holdsPage_ = false; }
    // Asked before each save, with the file to be written: false when it may
    // not be written (another window holds it; the user has been told).
    void setWriteCheck(std::function<bool(const std::string& file)> check) { mayWrite_ = std::move(check); }
    // The file name part of the path.
    std::string caption() const;
    PageFrame& frame() { return frame_; }

    // Unsaved changes to the page's own file: the frame's changed state, or
    // changes that only went into a copy.
    bool unsaved() const { return frame_.changed() || copyOnly_; }

    // Save to file_path. True on success; the status text is then
    // tr("Zapisano."). A failed save is told to the user and leaves the page
    // unsaved.
    bool save();
    // Folder of file_path + "Kopia " + its file name, or the file beside it
    // whose name differs from that only in case.
    std::string copyPath() const;
    // Saves a copy; file_path is kept and stays unsaved when it was.
    bool saveCopy();
    // Asks to save unsaved changes first (Yes/No), then opens file_path with
    // the shell.
    void preview();
    // The window's close question: true when it may close. Yes saves (and a
    // failed save keeps the window open), No closes, Cancel keeps it.
    bool closeQuery();

    const std::string& status() const { return status_; }

private:
    // Tells the user that saving to `file` failed and why.
    void tellFailure(const std::string& file) const;

    const MessageList& messages_;
    PageFrame& frame_;
    std::string path_;
    std::string status_;
    bool copyOnly_ = false;
    bool holdsPage_ = true;
    std::function<bool(const std::string&)> mayWrite_;
};

}  // namespace pageeditor
