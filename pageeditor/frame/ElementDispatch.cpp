#include "pageeditor/frame/ElementDispatch.h"

#include <string>

#include "text/CaseRules.h"

namespace pageeditor {

ElementDialog elementDialogFor(std::string_view tagName) {
    const std::string tag = text::lower(tagName);
    if (tag == "img") return ElementDialog::Image;
    if (tag == "marquee") return ElementDialog::ScrollingText;
    if (tag == "table") return ElementDialog::Table;
    if (tag == "object") return ElementDialog::Flash;
    if (tag == "embed") return ElementDialog::Video;
    if (tag == "iframe") return ElementDialog::InlineFrame;
    return ElementDialog::None;
}

}  // namespace pageeditor
