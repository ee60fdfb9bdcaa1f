#include "pageeditor/core/DocumentList.h"

#include "files/FileSystem.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace pageeditor {

namespace {

// Two names of one page: written alike but for the case of the file name's
// letters in one folder, or leading to one file.
bool samePage(const std::string& a, const std::string& b) {
    if (a == b) return true;
    const files::fs::path pa = files::realPath(a).lexically_normal(), pb = files::realPath(b).lexically_normal();
    std::error_code ec;
    if (text::equalsNoCase(files::platformName(pa.filename()), files::platformName(pb.filename())) &&
        (pa.parent_path() == pb.parent_path() || files::fs::equivalent(pa.parent_path(), pb.parent_path(), ec)))
        return true;
    return files::fs::equivalent(pa, pb, ec);
}

}  // namespace

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
    for (const auto& d : docs_)
        if (d.get() != except && d->holdsPage() && samePage(d->file_path(), path)) return d.get();
    return nullptr;
}

void DocumentList::pageDeleted(const std::string& path) {
    for (const auto& d : docs_)
        if (samePage(d->file_path(), path)) d->pageDeleted();
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
