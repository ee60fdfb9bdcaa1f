#pragma once
// The document of the editing control. It always stands for the document
// loaded at the time of the call.
#include <memory>
#include <string>
#include <string_view>

#include "htmledit/CommandTarget.h"
#include "htmledit/Selection.h"
#include "htmledit/Value.h"

namespace htmledit {

class ControlCore;

class Document {
public:
    explicit Document(std::shared_ptr<ControlCore> core) : core_(std::move(core)) {}

    Selection selection() const { return Selection(core_); }
    CommandTarget commandTarget() const { return CommandTarget(core_); }
    // JustifyLeft, JustifyRight, JustifyCenter, ForeColor (0x00BBGGRR),
    // FontName, FontSize (1 to 7), Strike (on or off), Bold, Italic,
    // Underline, on the selection; one step of the undo history. An unknown
    // command or one the engine refuses fails with Error.
    void execCommand(std::string_view name, bool showUserInterface, const Value& value = {});
    std::string title() const;

private:
    std::shared_ptr<ControlCore> core_;
};

}  // namespace htmledit
