#pragma once
// What the editor frame sends to its editing control and to the document
// behind it, one call for each thing the frame asks. The running program
// uses the browser engine's control (EngineDhtml); tests use a recording
// stand-in. Texts are the program's 8-bit text; failures are raised as
// htmledit::Error.
#include <string>

#include "htmledit/CommandTarget.h"
#include "htmledit/Events.h"
#include "htmledit/Value.h"

namespace htmledit {
class EditControl;
}

namespace pageeditor {

class DhtmlControl {
public:
    virtual ~DhtmlControl() = default;

    // The control's own commands and their status.
    virtual void ExecCommand(int command, int option, const htmledit::Value& input, htmledit::Value* output) = 0;
    virtual int QueryStatus(int command) = 0;

    virtual void NewDocument() = 0;
    // Paths are file-system names in Windows-1250 (slashes).
    virtual bool LoadDocument(const std::string& path, bool prompt) = 0;
    virtual bool SaveDocument(const std::string& path, bool prompt) = 0;
    virtual std::string DocumentHTML() = 0;
    // Unsaved changes since the last load or save.
    virtual bool isDirty() = 0;
    virtual void focus() = 0;
    // The editing area on the screen, in pixels.
    virtual void screenRect(int& x, int& y, int& width, int& height) = 0;

    // The document: queryCommandValue on a range made from the selection,
    // and execCommand on the document without a user interface.
    virtual htmledit::Value queryCommandValue(const std::string& name) = 0;
    virtual void execCommand(const std::string& name, const htmledit::Value& value) = 0;
    // The selection's type and pasting at it / replacing the selected element.
    virtual std::string selectionType() = 0;
    virtual void pasteHTML(const std::string& html) = 0;
    virtual void replaceSelectedElement(const std::string& html) = 0;

    // The document's command target; false when the document offers none.
    virtual bool hasCommandTarget() = 0;
    virtual int execOle(htmledit::CommandGroup group, int command, int option, const htmledit::Value& input,
                        htmledit::Value* output) = 0;
    virtual int queryOle(htmledit::CommandGroup group, int command) = 0;

    virtual htmledit::Events& events() = 0;
    // The engine's control behind it, for the element dialogs; null for a
    // stand-in.
    virtual htmledit::EditControl* engine() = 0;
};

}  // namespace pageeditor
