#pragma once
// The document's selection.
#include <memory>
#include <string>

#include "htmledit/Range.h"

namespace htmledit {

class ControlCore;

class Selection {
public:
    explicit Selection(std::shared_ptr<ControlCore> core) : core_(std::move(core)) {}

    // "Control" when whole elements are selected (an image, a table, an
    // object, an embed, an inline frame or a marquee), "Text" for selected
    // text, "None" for a caret.
    std::string type() const;
    Range createRange() const;

private:
    std::shared_ptr<ControlCore> core_;
};

}  // namespace htmledit
