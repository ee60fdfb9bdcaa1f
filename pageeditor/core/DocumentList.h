#pragma once
// The open document windows, in the order they were opened. The last one
// closed turns the document commands off; closing the program asks every
// window in turn.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pageeditor/core/MessageList.h"
#include "pageeditor/core/PageDocument.h"

namespace pageeditor {

class DocumentList {
public:
    explicit DocumentList(const MessageList& messages) : messages_(messages) {}
    // enable2 of the main window: document commands on (1) or off (0).
    void setEnable2(std::function<void(int)> enable2) { enable2_ = std::move(enable2); }

    // doc_open: a new document for the frame of a new window, loaded and
    // made the active one; enable2(1). Nullptr when the page did not load.
    PageDocument* open(PageFrame& frame, const std::string& path);
    // FormClose: forgets the document; enable2(0) after the last one.
    void closed(PageDocument* doc);
    // Each window's close question in turn; true when all may close (one
    // refusal stops). The windows themselves are closed by the caller.
    bool closeQueryAll();
    // The close questions of the windows whose pages lie in `folder`; the
    // ones that may close are closed. True when none is left open there.
    bool closeIn(const std::string& folder, const std::function<void(PageDocument*)>& closeWindow);

    // The open document of the page file at `path` (the same file, however
    // its name is written), or null.
    PageDocument* find(const std::string& path) const;

    PageDocument* active() const { return active_; }
    void activate(PageDocument* doc) { active_ = doc; }
    std::size_t count() const { return docs_.size(); }
    std::vector<PageDocument*> documents() const;

private:
    const MessageList& messages_;
    std::vector<std::unique_ptr<PageDocument>> docs_;
    PageDocument* active_ = nullptr;
    std::function<void(int)> enable2_;
};

}  // namespace pageeditor
