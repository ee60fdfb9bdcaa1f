#pragma once
// Sites (projects): folders app_dir + "webpages\<site>\" with the pages, the
// media folder data\ and the project file project.prj. This class holds the
// open site and runs the site commands; the forms (the site dialog, the site
// chooser, the main window's lists) only pass their fields in and show what
// comes back. Every message goes through the message list's MyBox.
#include <functional>
#include <string>
#include <string_view>

#include "pageeditor/core/MessageList.h"
#include "pageeditor/core/SiteLists.h"

namespace pageeditor {

// The fields of the site dialog, which are the keys of project.prj.
struct ProjectSettings {
    std::string author, name, email, host, user, pass, dir;
};

// What the site commands ask of the main window.
struct SiteHooks {
    std::function<void(int)> enable;                        // site commands and side panel: 1 on, 0 off
    std::function<void()> newPage;                          // the new-page command
    std::function<void(const std::string&)> openDocument;   // doc_open with a page's full name
    // Before the open site is deleted: close its document windows (each with
    // its own question); false keeps the site.
    std::function<bool(const std::string& siteFolder)> closeSiteDocuments;
    std::function<void()> listsChanged;                     // pages() or media() was refilled
    std::function<void(const std::string&)> pageDeleted;    // a page's full name, after its file was deleted
};

class Sites {
public:
    Sites(const MessageList& messages, std::string appDir);
    void setHooks(SiteHooks hooks) { hooks_ = std::move(hooks); }

    // app_dir, ending in a backslash; set once the program folder is known.
    void setAppDir(std::string appDir) { appDir_ = std::move(appDir); }
    const std::string& appDir() const { return appDir_; }
    const std::string& siteName() const { return siteName_; }  // empty while no site is open
    std::string sitesFolder() const;                            // app_dir + "webpages\"
    // Removes what saves a crash cut short left in the program folder, its
    // language packs and every site folder (start-up).
    void removeSaveLeftovers() const;
    std::string siteFolder(std::string_view name) const;        // app_dir + "webpages\<name>\"
    std::string siteFolder() const { return siteFolder(siteName_); }

    // A site name that can be a folder of webpages\ and nothing else: not
    // empty, none of " \ / , ' * ? | nor any name the platform forbids, no "..".
    static bool validSiteName(std::string_view name);

    // New site names are shorter than this (a site's folder, its pages' and
    // its media's paths must stay within what file systems and CDs take).
    static constexpr std::size_t kMaxSiteName = 100;
    // True when a site of this name exists, whatever the case of its letters.
    bool siteExists(std::string_view name) const;

    // The site dialog's OK: false (dialog stays open) after the message for a
    // duplicate name or one that is too long (only while the name is
    // editable) or a bad name.
    bool acceptSiteDialog(const ProjectSettings& fields, bool nameEditable) const;
    // The new-site command after OK: makes webpages\ when missing, the site
    // folder, its data\ and project.prj (owner-only), then opens the site.
    // False, after a message, when nothing was made (a half-made site is
    // removed again).
    bool createSite(const ProjectSettings& fields);

    // Opens a site: fills the page and media lists; a site without pages
    // runs the new-page command at once.
    bool page_open(const std::string& name);
    // No site open any more (lists emptied, site commands off).
    void closeSite();
    const ItemList& pages() const { return pages_; }
    const ItemList& media() const { return media_; }
    void refillPages();
    void refillMedia();

    // The site chooser's list and its delete command (asks first; the
    // windows of the site's pages are closed, and the open site is closed,
    // before it is deleted). True when the site is gone.
    ItemList siteList() const;
    bool deleteSite(const std::string& name);

    // project.prj of a site; empty for a missing file or key.
    std::string GetPageVal(const std::string& site, std::string_view key) const;
    // The settings editor on the open site.
    ProjectSettings readSettings() const;
    bool saveSettings(const ProjectSettings& fields);

    // Page list commands (caption of the selected item; nothing without one).
    void editPage(const std::string& caption);        // a ".htm" name opens a document, else the default program
    bool deletePage(const std::string& caption);      // asks, deletes, refills
    void openPageExternally(const std::string& caption);
    std::string pageLinkPath(const std::string& caption) const;
    std::string pagePath(const std::string& caption) const;  // site folder + name

    // Media list commands.
    enum class Insert { None, Image, Flash };
    Insert mediaInsertKind(const std::string& caption) const;
    std::string mediaPath(const std::string& caption) const;  // site folder + "data\" + name
    std::string mediaLinkPath(const std::string& caption) const { return "data\\" + caption; }
    bool deleteMedia(const std::string& caption);
    void openMediaExternally(const std::string& caption);

    // doc_open of a page through the main window.
    void openDocument(const std::string& page) {
        if (hooks_.openDocument) hooks_.openDocument(page);
    }

    // Opens a file with the shell's "open" (the default program); the shell
    // is given the file's real path. False when the desktop could not open it
    // (no program for it).
    static bool openExternally(const std::string& name);

private:
    bool writeProject(const std::string& site, const ProjectSettings& fields, bool create);
    bool deleteListedFile(const std::string& name);

    const MessageList& messages_;
    std::string appDir_;
    std::string siteName_;
    ItemList pages_, media_;
    SiteHooks hooks_;
};

}  // namespace pageeditor
