#pragma once
// The engine's document keeps attribute names in lower case and forgets how a
// value was quoted. Before markup reaches the engine, each start tag whose
// attributes differ from lower case in double quotes gets a note attribute
// "_pw" right after the tag's name ("NAME=d10 CONTENT=u": the name as
// written, its quoting (d double, s single, u unquoted, b bare) and, when
// there are any, the counts of blanks before and after its '='), from which
// the serializer writes the attributes as they stood. A formatting element
// written self-closed in the XHTML way ("<a id=\"x\"/>"), which the parser
// would leave open and re-open in every block after it, is closed at once
// ("<a id=\"x\"></a>"), so that it stays the one empty element it was.
#include <string>
#include <string_view>

namespace htmledit {

class MarkupNotes {
public:
    static constexpr std::u16string_view kNoteName = u"_pw";

    // The markup with a note added to every start tag that needs one, and the
    // self-closed formatting elements closed. Comments,
    // declarations, end tags and the content of raw-text elements are left
    // alone; a tag cut off by the end of the text gets no note.
    static std::u16string annotate(std::u16string_view html);
};

}  // namespace htmledit
