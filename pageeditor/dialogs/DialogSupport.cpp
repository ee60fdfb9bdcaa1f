#include "pageeditor/dialogs/DialogSupport.h"

#include <filesystem>

#include "files/FileSystem.h"
#include "forms/ModalAnswers.h"
#include "forms/TextBox.h"
#include "pageeditor/dialogs/IDialogHost.h"
#include "pageeditor/dialogs/SiteCopy.h"

namespace pageeditor {

std::string currentAppDir() {
    IDialogHost* host = dialogHost();
    return host ? host->appDir() : std::string();
}

std::string currentSiteName() {
    IDialogHost* host = dialogHost();
    return host ? host->siteName() : std::string();
}

std::string translated(const std::string& text) {
    IDialogHost* host = dialogHost();
    return host ? host->tr(text) : text;
}

int editorMessageBox(const std::string& message, const std::string& caption, int flags) {
    if (IDialogHost* host = dialogHost()) return host->MyBox(message, caption, flags);
    return forms::modal().messageBox(message, caption, flags);
}

std::string chooseFile(const std::string& title, const std::string& filter, const std::string& initialDir) {
    forms::FileDialogRequest req;
    req.kind = forms::FileDialogRequest::Open;
    req.title = title;
    req.filter = filter;
    if (!initialDir.empty()) {
        auto p = files::realPath(initialDir).u8string();
        req.initialDir.assign(p.begin(), p.end());
    }
    std::string chosen;
    if (!forms::modal().fileDialog(req, chosen) || chosen.empty()) return {};
    return files::platformName(std::filesystem::path(std::u8string(chosen.begin(), chosen.end())));
}

bool chooseColor(std::uint32_t initial, std::uint32_t& color) {
    std::uint32_t chosen = initial;
    if (!forms::modal().colorDialog(initial, chosen)) return false;
    color = chosen;
    return true;
}

void bringIntoSite(forms::TextBox& box, SitePlace place) {
    std::string file = box.text();
    bool media = place == SitePlace::Media;
    copyIntoFolder(file, media ? siteMediaFolder(currentAppDir(), currentSiteName()) : siteFolder(currentAppDir(), currentSiteName()));
    if (!isWebAddress(file) && !file.empty()) box.setText((media ? "data\\" : "") + bareFileName(file));
}

}  // namespace pageeditor
