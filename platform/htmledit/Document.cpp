#include "htmledit/Document.h"

#include "htmledit/ControlCore.h"
#include "htmledit/Error.h"
#include "htmledit/ValueBridge.h"

namespace htmledit {

void Document::execCommand(std::string_view name, bool, const Value& value) {
    if (!core_) throw Error("no document");
    core_->call("exec", {core_->in(name), toJson(*core_, value)});
}

std::string Document::title() const {
    if (!core_) throw Error("no document");
    return core_->out(core_->call("title").toString());
}

}  // namespace htmledit
