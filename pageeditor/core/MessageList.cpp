#include "pageeditor/core/MessageList.h"

#include "files/FileSystem.h"
#include "forms/ModalAnswers.h"
#include "text/CaseRules.h"
#include "text/LineFile.h"

namespace pageeditor {

bool MessageList::load(const std::filesystem::path& file) {
    lines_.clear();
    std::vector<std::string> lines;
    if (!text::readLines(file, lines)) return false;
    lines_ = std::move(lines);
    return true;
}

bool MessageList::loadFromAppDir(std::string_view appDir) {
    std::string name(appDir);
    name += "data\\lang\\pl\\trans.msg";
    return load(files::realPath(name));
}

long MessageList::find(std::string_view text) const {
    // The empty text is never looked up: it would match an empty translation
    // line and come back as the unrelated text after it.
    if (text.empty()) return -1;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (text::equalsNoCase(lines_[i], text)) return static_cast<long>(i);
    return -1;
}

std::string MessageList::tr(std::string_view text) const {
    long i = find(text);
    if (i < 0 || static_cast<std::size_t>(i) + 1 >= lines_.size()) return std::string(text);
    const std::string& next = lines_[static_cast<std::size_t>(i) + 1];
    return next.empty() ? std::string(text) : next;
}

std::string MessageList::retr(std::string_view text) const {
    long i = find(text);
    if (i < 0 || i % 2 == 0) return std::string(text);
    const std::string& candidate = lines_[static_cast<std::size_t>(i) - 1];
    return candidate.size() > 3 ? candidate : std::string(text);
}

int MessageList::MyBox(std::string_view message, std::string_view caption, int flags) const {
    std::string title = tr(caption);
    std::string body = tr(message);
    return forms::modal().messageBox(body, title, flags);
}

}  // namespace pageeditor
