#pragma once
// The strike, superscript and subscript buttons: the markup they paste over
// the selection. A selection that holds the pair's opening or closing tag
// (in any case) loses every upper-case opening and closing tag of the pair;
// any other selection is wrapped in the lower-case pair.
#include <string>
#include <string_view>

namespace pageeditor {

enum class InlineMarkup { Strike, Superscript, Subscript };

// The text to paste over a selection whose HTML is `selectedHtml`.
std::string toggleInlineMarkup(InlineMarkup markup, std::string_view selectedHtml);

}  // namespace pageeditor
