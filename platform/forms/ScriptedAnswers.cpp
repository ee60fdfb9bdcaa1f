#include "forms/ScriptedAnswers.h"

namespace forms {

int mb::escapeResult(int flags) {
    switch (flags & 7) {
    case OkOnly: return Ok;
    case OkCancel:
    case YesNoCancel:
    case RetryCancel: return Cancel;
    default: return 0;
    }
}

namespace {
ScriptedAnswers& fallback() {
    static ScriptedAnswers answers;
    return answers;
}
ModalAnswers* current = nullptr;

template <class Q, class T>
bool take(Q& queue, T& out) {
    if (queue.empty()) return false;
    out = queue.front();
    queue.pop_front();
    return true;
}
}  // namespace

ModalAnswers& modal() { return current ? *current : fallback(); }
void setModal(ModalAnswers* answers) { current = answers; }

std::vector<ScriptedAnswers::Asked> ScriptedAnswers::asked(const std::string& kind) const {
    std::vector<Asked> out;
    for (const auto& a : asked_)
        if (a.kind == kind) out.push_back(a);
    return out;
}

void ScriptedAnswers::clear() {
    messages_.clear();
    inputs_.clear();
    files_.clear();
    folders_.clear();
    colors_.clear();
    shells_.clear();
    asked_.clear();
}

int ScriptedAnswers::messageBox(const std::string& text, const std::string& title, int flags) {
    asked_.push_back({"message", text, title, flags});
    int r;
    if (take(messages_, r)) return r;
    int esc = mb::escapeResult(flags);
    return esc ? esc : ((flags & 7) == mb::YesNo ? mb::No : mb::Ok);
}

bool ScriptedAnswers::inputBox(const std::string& prompt, const std::string& title, const std::string& initial,
                               std::string& answer) {
    asked_.push_back({"input", prompt, title, 0});
    std::pair<bool, std::string> a;
    if (!take(inputs_, a)) return false;
    answer = a.second;
    (void)initial;
    return a.first;
}

bool ScriptedAnswers::fileDialog(const FileDialogRequest& request, std::string& path) {
    asked_.push_back({"file", request.title, request.filter, request.kind});
    std::pair<bool, std::string> a;
    if (!take(files_, a)) return false;
    path = a.second;
    return a.first;
}

bool ScriptedAnswers::colorDialog(std::uint32_t initial, std::uint32_t& color) {
    asked_.push_back({"color", {}, {}, static_cast<int>(initial)});
    std::pair<bool, std::uint32_t> a;
    if (!take(colors_, a)) return false;
    color = a.second;
    return a.first;
}

bool ScriptedAnswers::folderDialog(const std::string& title, const std::string& initialDir, std::string& path) {
    asked_.push_back({"folder", title, initialDir, 0});
    std::pair<bool, std::string> a;
    if (!take(folders_, a)) return false;
    path = a.second;
    return a.first;
}

int ScriptedAnswers::shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                                  const std::string& directory) {
    asked_.push_back({"shell", file, verb, 0});
    (void)parameters;
    (void)directory;
    int r;
    return take(shells_, r) ? r : 42;
}

bool ScriptedAnswers::fileDownload(const std::string& url) {
    asked_.push_back({"download", url, {}, 0});
    return true;
}

}  // namespace forms
