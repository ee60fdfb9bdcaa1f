#pragma once
// Every modal answer the programs ask of the user passes through one object:
// message and input boxes, the file, colour and folder dialogs, opening a
// document with the shell and the download dialog. The running program uses
// the widget answers; tests install a ScriptedAnswers and give the answers.
// All texts are Windows-1250 bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace forms {

// Message box flags and results, with the platform's values.
namespace mb {
enum Buttons : int { OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum Icon : int { Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum Result : int { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
// The result Esc (or closing the box) gives for a button set, as the platform
// treats it: Cancel where there is one, OK for OK alone, and none (0: Esc does
// nothing) for Yes/No and Abort/Retry/Ignore.
int escapeResult(int flags);
}  // namespace mb

struct FileDialogRequest {
    enum Kind { Open, Save } kind = Open;
    std::string title;
    std::string filter;       // "Strony HTML (*.html)|*.html|Wszystkie pliki|*.*"
    std::string initialDir;   // a path in the file system's own form
    std::string initialName;
};

class ModalAnswers {
public:
    virtual ~ModalAnswers() = default;
    // Returns one of mb::Result.
    virtual int messageBox(const std::string& text, const std::string& title, int flags) = 0;
    // False when the user cancelled.
    virtual bool inputBox(const std::string& prompt, const std::string& title, const std::string& initial,
                          std::string& answer) = 0;
    // The chosen path (UTF-8 file-system path), or false.
    virtual bool fileDialog(const FileDialogRequest& request, std::string& path) = 0;
    // colour as 0x00BBGGRR.
    virtual bool colorDialog(std::uint32_t initial, std::uint32_t& color) = 0;
    virtual bool folderDialog(const std::string& title, const std::string& initialDir, std::string& path) = 0;
    // Opens a document or address with the given verb ("Open"); returns the
    // platform's result: above 32 on success.
    virtual int shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory) = 0;
    // The download dialog for an address; false when it could not be shown.
    virtual bool fileDownload(const std::string& url) = 0;
};

// The object in force. Until something is installed, a ScriptedAnswers that
// answers every question with its defaults.
ModalAnswers& modal();
// Installs `answers` (not owned); nullptr restores the default.
void setModal(ModalAnswers* answers);

}  // namespace forms
