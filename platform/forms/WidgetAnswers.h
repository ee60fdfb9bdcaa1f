#pragma once
// The modal answers of the running program: real message boxes, input boxes
// and dialogs on the desktop, and the desktop's handler for opening files
// and addresses.
#include "forms/ModalAnswers.h"

namespace forms {

class WidgetAnswers : public ModalAnswers {
public:
    int messageBox(const std::string& text, const std::string& title, int flags) override;
    bool inputBox(const std::string& prompt, const std::string& title, const std::string& initial,
                  std::string& answer) override;
    bool fileDialog(const FileDialogRequest& request, std::string& path) override;
    bool colorDialog(std::uint32_t initial, std::uint32_t& color) override;
    bool folderDialog(const std::string& title, const std::string& initialDir, std::string& path) override;
    int shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory) override;
    bool fileDownload(const std::string& url) override;
};

// "Opis (*.html)|*.html|Wszystkie|*.*" as the file dialog's filter text.
std::string dialogFilter(const std::string& filter);

}  // namespace forms
