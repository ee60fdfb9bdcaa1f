#pragma once
// Reading the text of one HTML tag as a page written anywhere may hold it:
// attribute names in any case, values in double quotes, single quotes or
// none.
#include <string>
#include <string_view>

namespace pageeditor {

// The value of the attribute `name` (matched without regard to case) in the
// tag's text, from the tag's name on ("META name=x content=y", the "<" and
// ">" may be there or not); "" when the tag has no such attribute or it has
// no value. Character references in the value are left as they are.
std::string tagAttribute(std::string_view tag, std::string_view name);

// Where the tag that starts at `at` (its "<") ends: the position after its
// ">", past quoted values that may hold one; the end of the text when the tag
// is not closed.
std::size_t tagEnd(std::string_view html, std::size_t at);

}  // namespace pageeditor
