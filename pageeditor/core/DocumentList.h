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
    // Brings the window of a document to the front as the active one.
    void setShow(std::function<void(PageDocument*)> show) { show_ = std::move(show); }

    // doc_open: a page has one window. The page's open document (find) is
    // made the active one and shown; a page without one gets a document for
    // the frame of a new window that `newWindow` makes (null: none is made),
    // opened as `open` does. Nullptr when there is neither.
    PageDocument* openPage(const std::string& path, const std::function<PageFrame*()>& newWindow);
    // A new document for the frame of a new window, loaded and made the
    // active one; enable2(1). Nullptr when the page did not load. A document
    // writes no file that another window holds: the user is told and shown
    // that window.
    PageDocument* open(PageFrame& frame, const std::string& path);
    // FormClose: forgets the document; enable2(0) after the last one.
    void closed(PageDocument* doc);
    // Each window's close question in turn; true when all may close (one
    // refusal stops). The windows themselves are closed by the caller.
    bool closeQueryAll();
    // The close questions of the windows whose pages lie in `folder`; the
    // ones that may close are closed. True when none is left open there.
    bool closeIn(const std::string& folder, const std::function<void(PageDocument*)>& closeWindow);

    // The open document that holds the page at `path`, or null: the same
    // page however its name is written (the platform's names ignore case, as
    // the site's lookup of its files does), also after another program saved
    // it anew or while no file is there.
    PageDocument* find(const std::string& path) const;
    // The page at `path` was deleted by the program: its window stays open
    // but no longer holds it, so a new page made under its name gets a
    // window of its own.
    void pageDeleted(const std::string& path);

    PageDocument* active() const { return active_; }
    void activate(PageDocument* doc) { active_ = doc; }
    std::size_t count() const { return docs_.size(); }
    std::vector<PageDocument*> documents() const;

private:
    // find, passing over `except`.
    PageDocument* holder(const std::string& path, const PageDocument* except) const;
    // The write check of `writer`'s saves.
    bool mayWrite(const PageDocument* writer, const std::string& file);

    const MessageList& messages_;
    std::vector<std::unique_ptr<PageDocument>> docs_;
    PageDocument* active_ = nullptr;
    std::function<void(int)> enable2_;
    std::function<void(PageDocument*)> show_;
};

}  // namespace pageeditor
