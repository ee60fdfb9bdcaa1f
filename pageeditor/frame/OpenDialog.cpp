#include "pageeditor/frame/OpenDialog.h"

#include <filesystem>

#include "files/FileSystem.h"
#include "forms/ModalAnswers.h"

namespace pageeditor {

OpenDialog::OpenDialog(forms::Form& form, std::string name, std::string filter_, bool mustExist)
    : forms::Component(form, std::move(name)), filter(std::move(filter_)), mustExist_(mustExist) {}

bool OpenDialog::execute() {
    forms::FileDialogRequest req;
    req.kind = forms::FileDialogRequest::Open;
    req.title = title;
    req.filter = filter;
    std::string chosen;
    if (!forms::modal().fileDialog(req, chosen) || chosen.empty()) return false;
    std::filesystem::path p(std::u8string(chosen.begin(), chosen.end()));
    std::error_code ec;
    if (mustExist_ && !std::filesystem::is_regular_file(p, ec)) return false;
    fileName = files::platformName(p);
    return true;
}

}  // namespace pageeditor
