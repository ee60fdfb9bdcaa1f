// The dictionary's start page 3.dat as the lookup window shows it: the page
// read in the character set it declares and shown in the browser control,
// then each of its first links followed as a click follows it (a missing
// local target is reported, a web address goes to the desktop, a page beside
// it opens). Any page that can be read is shown and becomes the place the
// history goes back to.
#include <cstdlib>
#include <filesystem>

#include "FuzzApplication.h"
#include "FuzzInput.h"
#include "browser/WebBrowser.h"
#include "forms/Form.h"
#include "text/LineFile.h"
#include "text/PageCharset.h"

namespace fs = std::filesystem;

namespace {

class StartForm : public forms::Form {
public:
    StartForm() : forms::Form("Form1", forms::Scale::Pixels) {}
    browser::WebBrowser* web = nullptr;

protected:
    void createControls() override { web = add<browser::WebBrowser>("WebBrowser1"); }
};

StartForm* form = nullptr;  // lives as long as the application

// The href values of the page's first links.
std::vector<std::string> links(const std::string& markup, std::size_t most) {
    std::vector<std::string> out;
    for (std::size_t at = markup.find("href="); at != std::string::npos && out.size() < most;
         at = markup.find("href=", at + 5)) {
        std::size_t from = at + 5;
        char quote = from < markup.size() && (markup[from] == '"' || markup[from] == '\'') ? markup[from] : 0;
        if (quote) ++from;
        std::size_t to = quote ? markup.find(quote, from) : markup.find_first_of(" >", from);
        out.push_back(markup.substr(from, to == std::string::npos ? std::string::npos : to - from));
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startApplication();
    form = new StartForm;
    form->load();
    // A page the start page may link to, and the folder of the entry pages.
    text::writeFile(fuzzing::scratch() / "gramm.html", "<html><body>Gramatyka</body></html>");
    fs::create_directories(fuzzing::scratch() / "wyrazy");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(fuzzing::asText(data, size));
    const fs::path start = fs::absolute(fuzzing::asFile(bytes, "3.dat"));
    browser::WebBrowser& web = *form->web;
    std::string completed;
    web.onDocumentComplete = [&completed](const std::string& path) { completed = path; };
    fuzzing::expect(web.navigate(start.string()), "a page that can be read is shown");
    fuzzing::expect(completed == start.string() && web.locationPath() == start.string(), "the start page is shown");
    web.plainText();

    web.onNavigateError = [](const std::string&) {};
    const std::string markup = text::PageCharset::toProgramMarkup(text::PageCharset::declaredIn(bytes).decodeFile(bytes));
    for (const std::string& href : links(markup, 4)) {
        web.followLink(href);
        web.plainText();
    }
    while (web.canGoBack()) web.goBack();
    fuzzing::expect(web.locationPath() == start.string(), "the history goes back to the start page");
    web.onNavigateError = nullptr;
    web.onDocumentComplete = nullptr;
    return 0;
}
