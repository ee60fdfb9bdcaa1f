#include "pageeditor/core/NewPage.h"

#include "files/FileSystem.h"
#include "pageeditor/core/FileRoutines.h"
#include "pageeditor/core/TextRoutines.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/PageCharset.h"

namespace pageeditor {

namespace {

const char* const kInfo = "Informacja:";

std::string existsText() { return text::ansi("Nie można utworzyć dokumentu ponieważ taki plik już istnieje"); }
std::string chooseText() { return text::ansi("Musisz wybrać szablon graficzny, oraz ustalić nazwę pliku."); }
std::string longNameText() { return text::ansi("Nazwa pliku jest zbyt długa. Podaj nazwę krótszą niż 100 znaków."); }

bool plainFolderName(std::string_view name) {
    return files::isAllowedName(name) && name.find("..") == std::string_view::npos;
}

}  // namespace

std::string NewPage::templatesFolder() const { return sites_.appDir() + "data\\templates\\"; }

ItemList NewPage::templates() const {
    ItemList list;
    folders_list(list, templatesFolder() + "*.*", PageMode);
    return list;
}

std::string NewPage::thumbPath(const std::string& templateName) const {
    return templatesFolder() + templateName + "\\thumb.bmp";
}

std::string NewPage::pagePath(const std::string& fileName) const {
    // A name typed with its extension ("kontakt.html", in any case) gets no second one.
    const bool hasExtension = fileName.size() > 5 && text::lower(fileName.substr(fileName.size() - 5)) == ".html";
    return sites_.siteFolder() + fileName + (hasExtension ? "" : ".html");
}

bool NewPage::validFileName(std::string_view fileName) { return plainFolderName(fileName); }

std::string NewPage::htmlText(std::string_view title) {
    std::string out;
    for (char c : title) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

void NewPage::prepare(Fields& fields) const {
    if (!sites_.pages().empty()) {
        fields.fileName.clear();
        fields.fileNameShown = true;
    } else {
        fields.title = sites_.siteName();
        fields.fileName = "index";
        fields.fileNameShown = false;
    }
}

bool NewPage::accept(const Fields& fields, const std::string& templateName) const {
    bool usable = validFileName(fields.fileName);
    // The file system takes no name much longer, nor the name of its copy.
    if (usable && fields.fileName.size() >= kMaxFileName) {
        messages_.MyBox(longNameText(), text::ansi("Błąd"), 48);
        return false;
    }
    if (usable && files::existsIgnoringCase(files::realPath(pagePath(fields.fileName)))) {
        messages_.MyBox(existsText(), kInfo, 64);
        return false;
    }
    if (!usable || templateName.empty() || !plainFolderName(templateName)) {
        messages_.MyBox(chooseText(), kInfo, 64);
        return false;
    }
    return true;
}

bool NewPage::create(const Fields& fields, const std::string& templateName) {
    if (sites_.siteName().empty() || !validFileName(fields.fileName) || !plainFolderName(templateName)) return false;
    if (files::existsIgnoringCase(files::realPath(pagePath(fields.fileName)))) {
        messages_.MyBox(existsText(), kInfo, 64);
        return false;
    }
    bool made = doc_new(templateName, fields.fileName, fields.title);
    sites_.refillPages();
    return made;
}

bool NewPage::doc_new(const std::string& templateName, const std::string& fileName, const std::string& title,
                      std::string* path) {
    if (sites_.siteName().empty() || !validFileName(fileName) || !plainFolderName(templateName)) return false;
    std::string tpl = templatesFolder() + templateName + "\\";
    std::string site = sites_.siteFolder();
    std::string page = pagePath(fileName);
    // The template's media; files the site has already are kept as they are.
    if (FolderExists(tpl + "data")) {
        if (!FolderExists(site + "data")) files::makeFolder(files::realPath(site + "data"));
        CopyFolderTree(tpl + "data", site + "data");
    }
    // The page file is made only here; an existing one stays untouched.
    if (!files::copyFile(files::realPath(tpl + "index.html"), files::realPath(page))) return false;
    files::setReadOnly(files::realPath(page), false);  // a read-only template still gives an editable page
    try {
        std::string html = LoadTextFromFile(page);
        // The page is stored in the charset the template declares, ISO-8859-2
        // where it declares none (a character the charset lacks as a
        // reference). An 8-bit template is the program's own text; a UTF-8
        // one is read as UTF-8 and only the title is converted into it.
        const auto charset = text::PageCharset::declaredIn(html, text::PageCharset::Iso8859_2);
        if (charset.kind() == text::PageCharset::Utf8)
            html = repl("${TITLE}", charset.fileBytesOf(htmlText(title)), html);
        else {
            // A byte-order mark before 8-bit text is no letters and declares
            // nothing; the page is made without it, so that it never reads
            // as UTF-8 once its text is converted.
            if (text::PageCharset::startsWithByteOrderMark(html)) html.erase(0, 3);
            html = charset.fileBytesOf(iso(repl("${TITLE}", htmlText(title), html)));
        }
        SaveTextToFile(page, html);
    } catch (const FileError&) {
        files::removeFile(files::realPath(page));
        return false;
    }
    if (path) *path = page;
    sites_.openDocument(page);
    return true;
}

}  // namespace pageeditor
