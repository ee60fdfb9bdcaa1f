#pragma once
// What the editor's dialogs ask of the main window: its program folder and
// open site, message translation and the editor's message box, and the names
// in the site's page list. The main window gives itself as the host for as
// long as it exists; before that (and after it) there is none, and each
// dialog does without. Texts are Windows-1250 bytes.
#include <string>
#include <vector>

namespace pageeditor {

class IDialogHost {
public:
    virtual ~IDialogHost() = default;

    // app_dir, ending in "\", and site_name (empty while no site is open).
    virtual std::string appDir() const = 0;
    virtual std::string siteName() const = 0;
    // The message translation list's tr, and the message box MyBox.
    virtual std::string tr(const std::string& text) const = 0;
    virtual int MyBox(const std::string& message, const std::string& caption, int flags) const = 0;
    // The captions of the site's page list, in the list's order.
    virtual std::vector<std::string> pageNames() const = 0;
};

void setDialogHost(IDialogHost* host);
IDialogHost* dialogHost();

}  // namespace pageeditor
