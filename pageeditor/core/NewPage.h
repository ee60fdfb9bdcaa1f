#pragma once
// New pages from templates: the logic of the new-document dialog and of
// doc_new. A template is a folder app_dir + "data\templates\<name>\" with
// index.html (holding "${TITLE}"), thumb.bmp and an optional data\ folder.
#include <string>
#include <string_view>

#include "pageeditor/core/MessageList.h"
#include "pageeditor/core/SiteLists.h"
#include "pageeditor/core/Sites.h"

namespace pageeditor {

class NewPage {
public:
    // The dialog's own fields; the form keeps one and shows it.
    struct Fields {
        std::string title;
        std::string fileName;        // without ".html"
        bool fileNameShown = true;   // false for a site's first page (index)
    };

    static constexpr std::size_t kMaxFileName = 100;

    NewPage(const MessageList& messages, Sites& sites) : messages_(messages), sites_(sites) {}

    std::string templatesFolder() const;  // app_dir + "data\templates\"
    ItemList templates() const;
    std::string thumbPath(const std::string& templateName) const;
    // Site folder + file name + ".html".
    std::string pagePath(const std::string& fileName) const;

    // Before the dialog is shown: a site with pages gets an empty, visible
    // file name; a site without pages gets "index", hidden, and the site's
    // name as the title. The title otherwise keeps what it held.
    void prepare(Fields& fields) const;
    // OK of the dialog: false (the dialog stays open) after the message for
    // an existing page file, for a missing or unusable file name or template,
    // or for a file name of kMaxFileName characters or more.
    bool accept(const Fields& fields, const std::string& templateName) const;
    // After OK: makes the page (doc_new) and refills the page list. False when
    // nothing was made.
    bool create(const Fields& fields, const std::string& templateName);

    // Makes the page file from the template and opens it: the template's
    // data\ copied into the site (existing files are kept), index.html copied
    // to the page, every "${TITLE}" replaced by the title written as HTML
    // text, the Polish letters converted to ISO-8859-2, saved. An existing
    // page file is never touched. The page's name is returned in `path`.
    bool doc_new(const std::string& templateName, const std::string& fileName, const std::string& title,
                 std::string* path = nullptr);

    // A page file name: one plain component, none of the characters the
    // platform forbids, no "..".
    static bool validFileName(std::string_view fileName);
    // The title as HTML text: & < > " ' written as character references.
    static std::string htmlText(std::string_view title);

private:
    const MessageList& messages_;
    Sites& sites_;
};

}  // namespace pageeditor
