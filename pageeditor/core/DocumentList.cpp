#include "pageeditor/core/DocumentList.h"

#include "files/FileSystem.h"
#include "text/CodePage.h"

namespace pageeditor {

PageDocument* DocumentList::openPage(const std::string& path, const std::function<PageFrame*()>& newWindow) {
    if (PageDocument* shown = find(path)) {
        active_ = shown;
        if (show_) show_(shown);
        return shown;
    }
    PageFrame* frame = newWindow ? newWindow() : nullptr;
    return frame ? open(*frame, path) : nullptr;
}

PageDocument* DocumentList::open(PageFrame& frame, const std::string& path) {
    auto doc = std::make_unique<PageDocument>(messages_, frame, path);
    doc->setWriteCheck([this, writer = doc.get()](const std::string& file) { return mayWrite(writer, file); });
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

PageDocument* DocumentList::find(const std::string& path) const { return holder(path, nullptr); }

PageDocument* DocumentList::holder(const std::string& path, const PageDocument* except) const {
    const files::fs::path file = files::realPath(path);
    const files::FileIdentity there = files::FileIdentity::of(file);
    for (const auto& d : docs_) {
        if (d.get() == except) continue;
        // The file there now is the window's own, or another one.
        if (there && d->file()) {
            if (there == d->file()) return d.get();
            continue;
        }
        if (d->file_path() == path) return d.get();
        std::error_code ec;
        if (files::fs::equivalent(files::realPath(d->file_path()), file, ec)) return d.get();
    }
    return nullptr;
}

bool DocumentList::mayWrite(const PageDocument* writer, const std::string& file) {
    PageDocument* other = holder(file, writer);
    if (!other) return true;
    // Two windows writing one file would each save over what was typed in
    // the other: the one that holds it is shown instead.
    std::size_t cut = file.find_last_of("\\/");
    messages_.MyBox(text::ansi("Dokument ") + (cut == std::string::npos ? file : file.substr(cut + 1)) +
                        text::ansi(" jest otwarty w innym oknie. Zamknij tamto okno, zanim zapiszesz go tutaj."),
                    text::ansi("Informacja:"), 64);
    active_ = other;
    if (show_) show_(other);
    return false;
}

std::vector<PageDocument*> DocumentList::documents() const {
    std::vector<PageDocument*> out;
    for (const auto& d : docs_) out.push_back(d.get());
    return out;
}

}  // namespace pageeditor
