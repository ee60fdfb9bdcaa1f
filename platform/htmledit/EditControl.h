#pragma once
// The HTML editing control: a page shown for editing in design mode, with
// the control's commands, its document, the document's text and base URL,
// loading and saving, and its events.
//
// All texts crossing this interface are the program's 8-bit text,
// Windows-1250 whatever charset the page declares (the rule is
// text::PageCharset's: the bytes `iso` writes for the six letters that differ
// from ISO-8859-2 read as those letters). The page file is read and written
// in the charset it declares. Calls into the page are synchronous for the
// caller.
#include <memory>
#include <string>
#include <string_view>

#include "htmledit/Document.h"
#include "htmledit/Events.h"
#include "htmledit/Value.h"

class QWidget;

namespace htmledit {

class ControlCore;

namespace ctl {
constexpr int Bold = 5000, Copy = 5002, Cut = 5003, Italic = 5023, Paste = 5032, Underline = 5048, Unlink = 5050;
// QueryStatus: both low bits set when the command is enabled, 4 when latched.
constexpr int Enabled = 3, Latched = 4;
}  // namespace ctl

class EditControl {
public:
    // The control's widget is made a child of `parent` (may be none).
    explicit EditControl(QWidget* parent = nullptr);
    ~EditControl();
    EditControl(const EditControl&) = delete;
    EditControl& operator=(const EditControl&) = delete;

    QWidget* widget() const;
    // Gives the keyboard focus to the editing area.
    void focus();

    // The control's own commands (ctl::). Fails with Error when the command
    // is unknown or the engine refuses it; the output is left empty.
    void execCommand(int id, int option = 0, const Value& input = {}, Value* output = nullptr);
    int queryStatus(int id);

    // An empty document. DocumentComplete follows once the call has returned.
    void newDocument();
    // Loads a page file (a Windows-1250 name); with prompt the user picks the
    // file (an empty path or a cancelled dialog loads nothing and returns
    // false). A file that cannot be read fails with Error. DocumentComplete
    // follows once the call has returned.
    bool loadDocument(const std::string& path, bool prompt);
    // Writes the document in the charset it declares. An empty path with
    // prompt asks for the file; cancelling writes nothing and returns false.
    // A file that cannot be written fails with Error.
    bool saveDocument(const std::string& path, bool prompt);
    // The loaded page file began with the UTF-8 byte order mark, which is
    // written back before the page. Where the rest of the file is UTF-8 the
    // mark declares the page UTF-8, before any charset META, and the page is
    // written back in UTF-8 (`charsetByMark`); before text in another charset
    // the page's META (or the default) says what its bytes are.
    bool byteOrderMark() const { return byteOrderMark_; }
    bool charsetByMark() const { return charsetByMark_; }

    Document dom() const;

    // The whole document in the classic form: upper-case tag names,
    // comments and old elements where they stood, bare HEAD and BODY tags,
    // each HEAD element (META, TITLE) on a line of its own, lines ending in
    // CR LF, attribute names and values as written.
    std::string documentHTML() const;
    // Reloads the document from the text (program text, as documentHTML
    // gives it: characters outside Windows-1250 as character references);
    // DocumentComplete follows. The
    // change is one step of the undo history and counts as unsaved.
    void setDocumentHTML(std::string_view html);

    // Relative addresses of the page resolve against it; a loaded file sets
    // it to the file's address. A change takes effect with the next load.
    std::string baseURL() const;
    void setBaseURL(std::string_view url);

    // The document has changes that were not saved (cleared by loading and
    // by saving).
    bool isDirty() const;

    Events& events();

    // True while a document is loaded and ready for editing.
    bool documentReady() const;
    // Runs the event loop until `count` documents have completed in all
    // (see completedDocuments) or the time is up; false on timeout.
    bool waitForDocuments(int count, int timeoutMs = 30000);
    int completedDocuments() const;

    // Runs a script in the editor's world of the page (tests and tools).
    std::string evaluate(std::string_view script);

private:
    std::shared_ptr<ControlCore> core_;
    bool byteOrderMark_ = false;
    bool charsetByMark_ = false;
};

// Prepares the process for the engine; call before the application object
// is made. Background networking of the engine is switched off; running as
// root needs the engine's sandbox off.
void prepareProcess();

}  // namespace htmledit
