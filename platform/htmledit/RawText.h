#pragma once
// The content of the elements the parser reads as text up to their end tag
// (SCRIPT, STYLE, TITLE, TEXTAREA and the like), as the layer's scans of
// markup skip it.
#include <cstddef>
#include <string_view>

namespace htmledit {

class RawText {
public:
    // Where the text of the element `tag` (in lower case) that begins at
    // `from` ends: at the end tag that closes it, or at the end of the
    // markup. Script text is read with the parser's escapes: inside "<!--",
    // a "<script" opens text in which "</script" does not close.
    static std::size_t end(std::u16string_view markup, std::size_t from, std::u16string_view tag);
};

}  // namespace htmledit
