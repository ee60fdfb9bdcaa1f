#pragma once
// The web browser control: shows HTML pages from files, keeps its own
// history, and reports a page or link target it cannot load through
// onNavigateError. A page without a declared character set is read as
// Windows-1250; "charset=iso-8859-2" and "charset=utf-8" are honoured.
#include <functional>
#include <memory>
#include <string>

#include "forms/Control.h"

namespace browser {

class WebBrowser : public forms::Control {
public:
    WebBrowser(forms::Form& form, std::string name, forms::Control* container = nullptr);
    ~WebBrowser() override;

    // Shows the file at a full path (UTF-8 file-system path, or a file: URL).
    // False, with onNavigateError raised and an error page shown, when the
    // file cannot be read.
    bool navigate(const std::string& path);
    // False when there is nothing to go to.
    bool goBack();
    bool goForward();
    bool canGoBack() const;
    bool canGoForward() const;
    // What a click on a link does: `href` is resolved against the page shown;
    // a local target that cannot be read raises onNavigateError, a web or
    // mail address is opened by the desktop.
    void followLink(const std::string& href);
    // The path of the page shown ("" before the first page).
    std::string locationPath() const;
    // The text of the page shown, without markup (UTF-8).
    std::string plainText() const;

    // Commands of the platform's browser: 8 page setup, 6 print. With
    // `prompt` the print dialog is shown first. False when cancelled or the
    // command is not known.
    bool execCommand(int command, bool prompt = true);
    enum Command { Print = 6, PageSetup = 8 };

    // Raised with the address that could not be loaded.
    std::function<void(const std::string& url)> onNavigateError;
    // Raised when a page has been shown.
    std::function<void(const std::string& path)> onDocumentComplete;

private:
    bool show(const std::string& path, bool record);
    struct Impl;
    std::unique_ptr<Impl> b_;
};

}  // namespace browser
