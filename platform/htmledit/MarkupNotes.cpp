#include "htmledit/MarkupNotes.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "htmledit/RawText.h"

namespace htmledit {
namespace {

bool space(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }
bool letter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
char16_t lowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + 32 : c; }
std::u16string lower(std::u16string_view s) {
    std::u16string out(s);
    for (auto& c : out) c = lowerAscii(c);
    return out;
}

// Elements whose content the parser reads as text up to their end tag.
bool rawText(const std::u16string& tag) {
    static const char16_t* names[] = {u"script", u"style", u"xmp", u"iframe", u"noembed",
                                      u"noframes", u"textarea", u"title", u"plaintext"};
    for (auto* n : names)
        if (tag == n) return true;
    return false;
}

// The formatting elements: the parser leaves one that is written self-closed
// ("<a id=\"x\"/>") open and re-opens it inside every block that follows.
bool formatting(const std::u16string& tag) {
    static const char16_t* names[] = {u"a",    u"b", u"big",   u"code",   u"em",     u"font", u"i",
                                      u"nobr", u"s", u"small", u"strike", u"strong", u"tt",   u"u"};
    for (auto* n : names)
        if (tag == n) return true;
    return false;
}

struct Attr {
    std::u16string name;
    char16_t quote;
    int before = 0, after = 0;  // blanks around '=' (up to 9)
};

}  // namespace

std::u16string MarkupNotes::annotate(std::u16string_view s) {
    std::u16string out;
    out.reserve(s.size() + s.size() / 16);
    std::size_t i = 0, copied = 0;
    const std::size_t n = s.size();
    while (i < n) {
        if (s[i] != u'<') {
            ++i;
            continue;
        }
        if (s.substr(i, 4) == u"<!--") {
            std::size_t e = s.find(u"-->", i + 4);
            i = e == std::u16string_view::npos ? n : e + 3;
            continue;
        }
        if (i + 1 < n && (s[i + 1] == u'!' || s[i + 1] == u'?' || s[i + 1] == u'/')) {
            std::size_t e = s.find(u'>', i + 1);
            i = e == std::u16string_view::npos ? n : e + 1;
            continue;
        }
        if (i + 1 >= n || !letter(s[i + 1])) {
            ++i;
            continue;
        }
        // A start tag: its name, then its attributes.
        std::size_t p = i + 1;
        while (p < n && !space(s[p]) && s[p] != u'/' && s[p] != u'>') ++p;
        const std::size_t nameEnd = p;
        std::u16string tag = lower(s.substr(i + 1, p - i - 1));
        std::vector<Attr> attrs;
        std::unordered_set<std::u16string> names;
        bool needed = false, duplicateNote = false;
        std::size_t end = std::u16string_view::npos;
        while (p < n) {
            while (p < n && (space(s[p]) || s[p] == u'/')) {
                if (s[p] == u'/' && p + 1 < n && s[p + 1] == u'>') break;
                ++p;
            }
            if (p >= n) break;
            if (s[p] == u'>' || (s[p] == u'/' && p + 1 < n && s[p + 1] == u'>')) {
                end = p;
                break;
            }
            std::size_t ns = p++;
            while (p < n && !space(s[p]) && s[p] != u'/' && s[p] != u'>' && s[p] != u'=') ++p;
            std::u16string name(s.substr(ns, p - ns));
            std::size_t q = p;
            while (q < n && space(s[q])) ++q;
            char16_t quote = u'b';
            int before = 0, after = 0;
            if (q < n && s[q] == u'=') {
                before = static_cast<int>(std::min<std::size_t>(q - p, 9));
                std::size_t eq = q++;
                while (q < n && space(s[q])) ++q;
                after = static_cast<int>(std::min<std::size_t>(q - eq - 1, 9));
                if (q < n && (s[q] == u'"' || s[q] == u'\'')) {
                    quote = s[q] == u'"' ? u'd' : u's';
                    std::size_t c = s.find(s[q], q + 1);
                    q = c == std::u16string_view::npos ? n : c + 1;
                } else {
                    quote = u'u';
                    while (q < n && !space(s[q]) && s[q] != u'>') ++q;
                }
                p = q;
            }
            std::u16string low = lower(name);
            if (low == kNoteName) duplicateNote = true;
            if (!names.insert(low).second) continue;
            bool plain = name.find_first_of(u"\"'<&") == std::u16string::npos;
            if (plain) {
                attrs.push_back({name, quote, before, after});
                if (name != low || quote != u'd' || before || after) needed = true;
            }
        }
        if (end == std::u16string_view::npos) break;  // cut off: no note
        if (needed && !duplicateNote) {
            // Right after the tag's name, where the attributes of the markup
            // cannot take it in: an empty unquoted value at the end of the
            // tag would read a note before '>' as its value.
            out.append(s.substr(copied, nameEnd - copied));
            out += u" _pw=\"";
            bool first = true;
            for (const auto& a : attrs) {
                if (!first) out += u' ';
                first = false;
                out += a.name;
                out += u'=';
                out += a.quote;
                if (a.before || a.after) {
                    out += static_cast<char16_t>(u'0' + a.before);
                    out += static_cast<char16_t>(u'0' + a.after);
                }
            }
            out += u'"';
            copied = nameEnd;
        }
        if (s[end] == u'/' && formatting(tag)) {
            // Empty, as written: closed right here.
            out.append(s.substr(copied, end - copied));
            out += u"></";
            out.append(s.substr(i + 1, nameEnd - i - 1));
            out += u'>';
            copied = end + 2;
        }
        i = s[end] == u'>' ? end + 1 : end + 2;
        if (rawText(tag)) i = RawText::end(s, i, tag);
    }
    out.append(s.substr(copied));
    return out;
}

}  // namespace htmledit
