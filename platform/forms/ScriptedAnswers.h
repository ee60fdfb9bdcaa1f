#pragma once
// Answers given in advance, for tests: each call takes the next queued answer
// of its kind and records what was asked. When nothing is queued, a message
// box answers with Esc's result (or OK), every dialog is cancelled and the
// shell reports success.
#include <deque>
#include <string>
#include <vector>

#include "forms/ModalAnswers.h"

namespace forms {

class ScriptedAnswers : public ModalAnswers {
public:
    struct Asked {
        std::string kind;  // "message", "input", "file", "color", "folder", "shell", "download"
        std::string text;  // message text, prompt, dialog title, or the shell's file
        std::string title; // message title, or the shell's verb
        int flags = 0;
    };

    // Queues answers.
    void answerMessage(int result) { messages_.push_back(result); }
    void answerInput(bool ok, std::string text = {}) { inputs_.push_back({ok, std::move(text)}); }
    void answerFile(bool ok, std::string path = {}) { files_.push_back({ok, std::move(path)}); }
    void answerColor(bool ok, std::uint32_t color = 0) { colors_.push_back({ok, color}); }
    void answerFolder(bool ok, std::string path = {}) { folders_.push_back({ok, std::move(path)}); }
    void answerShell(int result) { shells_.push_back(result); }

    const std::vector<Asked>& asked() const { return asked_; }
    std::vector<Asked> asked(const std::string& kind) const;
    void clear();

    int messageBox(const std::string& text, const std::string& title, int flags) override;
    bool inputBox(const std::string& prompt, const std::string& title, const std::string& initial,
                  std::string& answer) override;
    bool fileDialog(const FileDialogRequest& request, std::string& path) override;
    bool colorDialog(std::uint32_t initial, std::uint32_t& color) override;
    bool folderDialog(const std::string& title, const std::string& initialDir, std::string& path) override;
    int shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory) override;
    bool fileDownload(const std::string& url) override;

private:
    std::deque<int> messages_;
    std::deque<std::pair<bool, std::string>> inputs_, files_, folders_;
    std::deque<std::pair<bool, std::uint32_t>> colors_;
    std::deque<int> shells_;
    std::vector<Asked> asked_;
};

}  // namespace forms
