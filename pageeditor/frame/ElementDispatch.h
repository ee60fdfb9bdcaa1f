#pragma once
// Which dialog a double click (or "Właściwości elementu") opens for a
// selected element, by its tag name in any case.
#include <string_view>

namespace pageeditor {

enum class ElementDialog { None, Image, ScrollingText, Table, Flash, Video, InlineFrame };

ElementDialog elementDialogFor(std::string_view tagName);

}  // namespace pageeditor
