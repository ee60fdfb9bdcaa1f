#pragma once
// Reading the text of one HTML tag as a page written anywhere may hold it:
// attribute names in any case, values in double quotes, single quotes or
// none.
#include <optional>
#include <string>
#include <string_view>

namespace pageeditor {

// The value of the attribute `name` (matched without regard to case) in the
// tag's text, from the tag's name on ("META name=x content=y", the "<" and
// ">" may be there or not); "" when the tag has no such attribute or it has
// no value. Character references in the value are left as they are.
std::string tagAttribute(std::string_view tag, std::string_view name);
// The same, telling a tag without the attribute (nullopt) from one where it
// stands without a value ("<TABLE border>": "").
std::optional<std::string> findTagAttribute(std::string_view tag, std::string_view name);

// Where the tag that starts at `at` (its "<") ends: the position after its
// ">", past quoted values that may hold one; the end of the text when the tag
// is not closed.
std::size_t tagEnd(std::string_view html, std::size_t at);

// Attribute text inside the quotes `quote` ('"' or '\''): the quote and the
// angle brackets, which would end the value or the tag, become character
// references.
std::string quotedAttributeValue(std::string_view value, char quote);

// The start tag's text with the attribute `name` (matched without regard to
// case) set to `value`, the attribute's text as the dialogs hold it: an
// attribute the tag has keeps its place, its spelling and, where the value
// allows, its quoting; a missing one is added after the others as
// `spelling`="value". What would end the value is written as a character
// reference.
std::string withTagAttribute(std::string_view tag, std::string_view name, std::string_view value,
                             std::string_view spelling);

// One tag of a markup text: where it starts (its "<") and ends (after its
// ">", or at the end of a text that cuts it off), its name in lower case,
// whether it is an end tag and whether it is whole.
struct TagInMarkup {
    std::size_t at = 0, end = 0;
    std::string name;
    bool closing = false, whole = true;
};
// The first tag at or after `from`, past comments and what only looks like a
// tag ("<!DOCTYPE", "a < b"); none at the end of the text.
std::optional<TagInMarkup> nextTag(std::string_view html, std::size_t from);

// The element's markup with its start tag (attributes and all) kept and
// `content` in place of its contents; empty when the outer markup does not
// end with the inner one and the end tag of `tagName`.
std::string withElementContent(const std::string& outerHTML, const std::string& innerHTML, const std::string& content,
                               std::string_view tagName);

}  // namespace pageeditor
