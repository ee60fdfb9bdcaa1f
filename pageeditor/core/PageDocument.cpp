#include "pageeditor/core/PageDocument.h"

#include "files/FileSystem.h"
#include "forms/ModalAnswers.h"
#include "pageeditor/core/Sites.h"
#include "text/CodePage.h"

namespace pageeditor {

PageDocument::PageDocument(const MessageList& messages, PageFrame& frame, std::string path)
    : messages_(messages), frame_(frame), path_(std::move(path)) {}

bool PageDocument::open() {
    return frame_.LoadDocument(path_);
}

std::string PageDocument::caption() const {
    std::size_t cut = path_.find_last_of("\\/");
    return cut == std::string::npos ? path_ : path_.substr(cut + 1);
}

void PageDocument::tellFailure(const std::string& file) const {
    std::string why = frame_.saveFailure();
    if (why.empty()) why = text::ansi("Nie można zapisać pliku ") + file + ".";
    messages_.MyBox(why + text::ansi(" Dokument pozostaje niezapisany."), text::ansi("Błąd"), 16);
}

bool PageDocument::save() {
    if (mayWrite_ && !mayWrite_(path_)) return false;
    if (!frame_.SaveDocument(path_)) {
        tellFailure(path_);
        return false;
    }
    holdsPage_ = true;
    frame_.clearModified();
    copyOnly_ = false;
    status_ = messages_.tr("Zapisano.");
    return true;
}

std::string PageDocument::copyPath() const {
    std::size_t cut = path_.find_last_of("\\/");
    std::string folder = cut == std::string::npos ? std::string() : path_.substr(0, cut + 1);
    const std::string copy = folder + "Kopia " + caption();
    // "kopia INDEX.html" beside the page is its copy: the platform's names
    // ignore case, so the copy goes to that file and never beside it.
    const files::fs::path twin = files::existingIgnoringCase(files::realPath(copy));
    return twin.empty() ? copy : folder + files::platformName(twin.filename());
}

bool PageDocument::saveCopy() {
    // The control counts the page as saved after writing the copy; the
    // page's own file has not been, so its unsaved state is remembered.
    bool wasUnsaved = unsaved();
    if (mayWrite_ && !mayWrite_(copyPath())) return false;
    if (!frame_.SaveDocument(copyPath())) {
        tellFailure(copyPath());
        return false;
    }
    copyOnly_ = wasUnsaved;
    frame_.clearModified();
    status_ = messages_.tr("Zapisano.");
    return true;
}

void PageDocument::preview() {
    if (unsaved() &&
        messages_.MyBox(text::ansi("Edytowany dokument nie jest zapisany. Aby zobaczyć wprowadzone zmiany musisz "
                                   "zapisać dokument. Czy chcesz go teraz zapisać?"),
                        "Pytanie:", 36) == forms::mb::Yes)
        save();
    if (!Sites::openExternally(path_))
        messages_.MyBox(text::ansi("Nie można pokazać podglądu strony: nie znaleziono przeglądarki internetowej."),
                        text::ansi("Błąd"), 16);
}

bool PageDocument::closeQuery() {
    if (!unsaved()) return true;
    int answer = messages_.MyBox(text::ansi("Edytowany plik nie jest zapisany. Czy chcesz go zapisać?"), "Pytanie:", 35);
    if (answer == forms::mb::Yes) return save();
    return answer == forms::mb::No;
}

}  // namespace pageeditor
