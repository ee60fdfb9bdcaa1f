#include "pageeditor/core/DocumentList.h"

#include "files/FileSystem.h"

namespace pageeditor {

PageDocument* DocumentList::open(PageFrame& frame, const std::string& path) {
    auto doc = std::make_unique<PageDocument>(messages_, frame, path);
    if (!doc->open()) return nullptr;
    active_ = doc.get();
    docs_.push_back(std::move(doc));
    if (enable2_) enable2_(1);
    return active_;
}

void DocumentList::closed(PageDocument* doc) {
    for (auto it = docs_.begin(); it != docs_.end(); ++it) {
        if (it->get() != doc) continue;
        docs_.erase(it);
        if (active_ == doc) active_ = docs_.empty() ? nullptr : docs_.back().get();
        if (docs_.empty() && enable2_) enable2_(0);
        return;
    }
}

bool DocumentList::closeQueryAll() {
    for (auto& d : docs_)
        if (!d->closeQuery()) return false;
    return true;
}

bool DocumentList::closeIn(const std::string& folder, const std::function<void(PageDocument*)>& closeWindow) {
    bool allClosed = true;
    for (PageDocument* d : documents()) {
        if (d->file_path().compare(0, folder.size(), folder) != 0) continue;
        if (d->closeQuery()) {
            if (closeWindow) closeWindow(d);
            closed(d);
        } else {
            allClosed = false;
        }
    }
    return allClosed;
}

PageDocument* DocumentList::find(const std::string& path) const {
    const files::fs::path file = files::realPath(path);
    for (const auto& d : docs_) {
        if (d->file_path() == path) return d.get();
        std::error_code ec;
        if (files::fs::equivalent(files::realPath(d->file_path()), file, ec)) return d.get();
    }
    return nullptr;
}

std::vector<PageDocument*> DocumentList::documents() const {
    std::vector<PageDocument*> out;
    for (const auto& d : docs_) out.push_back(d.get());
    return out;
}

}  // namespace pageeditor
