#include "pageeditor/dialogs/FileChooser.h"

#include "forms/TextBox.h"
#include "pageeditor/dialogs/DialogSupport.h"

namespace pageeditor {

FileChooser::FileChooser(forms::Form& form, std::string name, std::string filter_, std::string title_)
    : forms::Component(form, std::move(name)), filter(std::move(filter_)), title(std::move(title_)) {}

bool FileChooser::execute() {
    std::string chosen = chooseFile(title, filter, initialDir);
    if (chosen.empty()) return false;
    fileName = chosen;
    return true;
}

void FileChooser::executeInto(forms::TextBox& box) {
    if (execute()) box.setText(fileName);
}

}  // namespace pageeditor
