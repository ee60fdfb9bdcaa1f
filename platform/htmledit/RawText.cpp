#include "htmledit/RawText.h"

namespace htmledit {
namespace {

char16_t lowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + 32 : c; }

// Does `at` hold "<" + `slash` + the tag's name, followed by a blank, '/' or
// '>' (which make it a tag of that name for the parser)?
bool tagAt(std::u16string_view s, std::size_t at, bool slash, std::u16string_view tag) {
    std::size_t k = at + 1 + (slash ? 1 : 0);
    if (s[at] != u'<' || (slash && (k > s.size() || s[at + 1] != u'/'))) return false;
    if (k + tag.size() >= s.size()) return false;
    for (std::size_t j = 0; j < tag.size(); ++j)
        if (lowerAscii(s[k + j]) != tag[j]) return false;
    char16_t after = s[k + tag.size()];
    return after == u' ' || after == u'\t' || after == u'\n' || after == u'\r' || after == u'\f' || after == u'/' ||
           after == u'>';
}

}  // namespace

std::size_t RawText::end(std::u16string_view s, std::size_t from, std::u16string_view tag) {
    const bool script = tag == u"script";
    enum { Text, Escaped, DoubleEscaped } state = Text;
    for (std::size_t i = from; i < s.size(); ++i) {
        if (script && state == Text && s.substr(i, 4) == u"<!--") {
            state = Escaped;
            i += 3;
            continue;
        }
        // "-->" ends the escape; the dashes of "<!--" count.
        if (state != Text && s[i] == u'>' && s[i - 1] == u'-' && s[i - 2] == u'-') {
            state = Text;
            continue;
        }
        if (s[i] != u'<') continue;
        if (tagAt(s, i, true, tag)) {
            if (state != DoubleEscaped) return i;
            state = Escaped;
        } else if (state == Escaped && tagAt(s, i, false, tag)) {
            state = DoubleEscaped;
        }
    }
    return s.size();
}

}  // namespace htmledit
