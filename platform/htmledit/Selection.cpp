#include "htmledit/Selection.h"

#include "htmledit/ControlCore.h"
#include "htmledit/Error.h"

namespace htmledit {

std::string Selection::type() const {
    if (!core_) throw Error("no document");
    return core_->out(core_->call("selType").toString());
}

Range Selection::createRange() const {
    if (!core_) throw Error("no document");
    QVariantList r = core_->call("createRange").toList();
    return Range(core_, core_->generation(), r.value(0).toInt(), r.value(1).toInt() != 0);
}

}  // namespace htmledit
