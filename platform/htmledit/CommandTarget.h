#pragma once
// The document's command target with its two command groups.
#include <memory>

#include "htmledit/Value.h"

namespace htmledit {

class ControlCore;

enum class CommandGroup { Mshtml, Editor };

namespace cmd {
// The HTML command group.
constexpr int Find = 67, Redo = 29, Undo = 43, HorizontalLine = 2150, NumberedList = 2184,
              BulletedList = 2185, Indent = 2186, Outdent = 2187, BlockFormatNames = 2233, BlockFormat = 2234;
// Options of Exec.
constexpr int AskUser = 1, DontAskUser = 2;
// Status flags of QueryStatus.
constexpr int Supported = 1, Enabled = 2, Latched = 4;
// Result codes of Exec.
constexpr int Ok = 0;
constexpr int NotSupported = static_cast<int>(0x80040100u), Disabled = static_cast<int>(0x80040101u),
              Failed = static_cast<int>(0x80004005u);
}  // namespace cmd

class CommandTarget {
public:
    explicit CommandTarget(std::shared_ptr<ControlCore> core) : core_(std::move(core)) {}

    // Runs a command; 0 on success, else one of the result codes above.
    // Undo and redo cover typing, the engine's commands and the layer's own
    // changes in the order they happened. Find with AskUser asks for the text
    // (through the modal answers); with DontAskUser the text is the input.
    // HorizontalLine inserts a line at the selection whether asked or not.
    // BlockFormatNames gives a list of names; BlockFormat sets the format
    // named by the input (when given) and gives the current one.
    int exec(CommandGroup group, int id, int option, const Value& input = {}, Value* output = nullptr);
    int queryStatus(CommandGroup group, int id);

private:
    std::shared_ptr<ControlCore> core_;
};

}  // namespace htmledit
