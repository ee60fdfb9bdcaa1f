#include "htmledit/ClassicMarkup.h"

#include <map>
#include <vector>

#include "htmledit/RawText.h"

namespace htmledit {
namespace {

bool space(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }
bool alnum(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'); }
char16_t lowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + 32 : c; }
char16_t upperAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? c - 32 : c; }
std::u16string lower(std::u16string_view s) {
    std::u16string o(s);
    for (auto& c : o) c = lowerAscii(c);
    return o;
}
std::u16string upper(std::u16string_view s) {
    std::u16string o(s);
    for (auto& c : o) c = upperAscii(c);
    return o;
}

bool rawText(const std::u16string& tag) {
    static const char16_t* names[] = {u"script", u"style", u"xmp", u"iframe", u"noembed", u"noframes", u"plaintext"};
    for (auto* n : names)
        if (tag == n) return true;
    return false;
}

bool lineBreakDropped(const std::u16string& tag) { return tag == u"pre" || tag == u"textarea" || tag == u"listing"; }

// Text as the engine wrote it, with a carriage return (which the parser
// would read as a line end) as a reference.
void appendText(std::u16string& out, std::u16string_view t) {
    for (char16_t c : t) {
        if (c == u'\r') out += u"&#13;";
        else out += c;
    }
}

// The character references the parser reads without a closing ';'.
bool legacyReference(std::u16string_view name) {
    static const char16_t* names[] = {
        u"AElig", u"AMP", u"Aacute", u"Acirc", u"Agrave", u"Aring", u"Atilde", u"Auml", u"COPY", u"Ccedil", u"ETH",
        u"Eacute", u"Ecirc", u"Egrave", u"Euml", u"GT", u"Iacute", u"Icirc", u"Igrave", u"Iuml", u"LT", u"Ntilde",
        u"Oacute", u"Ocirc", u"Ograve", u"Oslash", u"Otilde", u"Ouml", u"QUOT", u"REG", u"THORN", u"Uacute",
        u"Ucirc", u"Ugrave", u"Uuml", u"Yacute", u"aacute", u"acirc", u"acute", u"aelig", u"agrave", u"amp",
        u"aring", u"atilde", u"auml", u"brvbar", u"ccedil", u"cedil", u"cent", u"copy", u"curren", u"deg",
        u"divide", u"eacute", u"ecirc", u"egrave", u"eth", u"euml", u"frac12", u"frac14", u"frac34", u"gt",
        u"iacute", u"icirc", u"iexcl", u"igrave", u"iquest", u"iuml", u"laquo", u"lt", u"macr", u"micro",
        u"middot", u"nbsp", u"not", u"ntilde", u"oacute", u"ocirc", u"ograve", u"ordf", u"ordm", u"oslash",
        u"otilde", u"ouml", u"para", u"plusmn", u"pound", u"quot", u"raquo", u"reg", u"sect", u"shy", u"sup1",
        u"sup2", u"sup3", u"szlig", u"thorn", u"times", u"uacute", u"ucirc", u"ugrave", u"uml", u"uuml",
        u"yacute", u"yen", u"yuml"};
    for (auto* n : names)
        if (name == n) return true;
    return false;
}

// Would the parser read every '&' of the value back as itself?
bool ampersandsSafe(std::u16string_view v) {
    for (std::size_t i = v.find(u'&'); i != std::u16string_view::npos; i = v.find(u'&', i + 1)) {
        std::size_t k = i + 1;
        if (k < v.size() && v[k] == u'#') return false;
        while (k < v.size() && alnum(v[k])) ++k;
        if (k == i + 1) continue;
        if (k < v.size() && v[k] == u';') return false;
        // Without ';' a legacy name counts unless a letter, digit or '='
        // follows it; a longer run of letters is read as it stands.
        if (legacyReference(v.substr(i + 1, k - i - 1)) && !(k < v.size() && v[k] == u'=')) return false;
    }
    return true;
}

std::u16string decodeValue(std::u16string_view v) {
    std::u16string out;
    out.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] != u'&') {
            out += v[i];
            continue;
        }
        std::size_t semi = v.find(u';', i);
        if (semi == std::u16string_view::npos || semi - i > 10) {
            out += v[i];
            continue;
        }
        std::u16string_view name = v.substr(i + 1, semi - i - 1);
        char32_t c = 0;
        if (name == u"amp") c = u'&';
        else if (name == u"quot") c = u'"';
        else if (name == u"nbsp") c = 0xA0;
        else if (name == u"lt") c = u'<';
        else if (name == u"gt") c = u'>';
        else if (!name.empty() && name[0] == u'#') {
            bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            for (std::size_t k = hex ? 2 : 1; k < name.size(); ++k) {
                char16_t d = name[k];
                int digit = d >= u'0' && d <= u'9' ? d - u'0'
                            : hex && lowerAscii(d) >= u'a' && lowerAscii(d) <= u'f' ? lowerAscii(d) - u'a' + 10
                                                                                    : -1;
                if (digit < 0) {
                    c = 0;
                    break;
                }
                c = c * (hex ? 16 : 10) + digit;
            }
        }
        if (c == 0) {
            out += v[i];
            continue;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i = semi;
    }
    return out;
}

struct Note {
    std::u16string name;
    char16_t quote = u'd';
    int before = 0, after = 0;
};

std::map<std::u16string, Note> parseNotes(std::u16string_view raw) {
    std::map<std::u16string, Note> m;
    std::size_t i = 0;
    while (i < raw.size()) {
        std::size_t e = raw.find(u' ', i);
        if (e == std::u16string_view::npos) e = raw.size();
        std::u16string_view part = raw.substr(i, e - i);
        std::size_t eq = part.rfind(u'=');
        if (eq != std::u16string_view::npos && eq > 0 && eq + 1 < part.size()) {
            Note n;
            n.name = std::u16string(part.substr(0, eq));
            n.quote = part[eq + 1];
            if (eq + 2 < part.size()) n.before = part[eq + 2] - u'0';
            if (eq + 3 < part.size()) n.after = part[eq + 3] - u'0';
            if (n.before < 0 || n.before > 9) n.before = 0;
            if (n.after < 0 || n.after > 9) n.after = 0;
            m[lower(n.name)] = n;
        }
        i = e + 1;
    }
    return m;
}

}  // namespace

std::u16string ClassicMarkup::attribute(std::u16string_view name, std::u16string_view v, char16_t quote, int before,
                                        int after) {
    std::u16string out = u" ";
    out += name;
    if (quote == u'b' && v.empty()) return out;
    out.append(static_cast<std::size_t>(before), u' ');
    out += u'=';
    out.append(static_cast<std::size_t>(after), u' ');
    if (quote == u'u' && !v.empty() && v.find_first_of(u" \t\n\r\f\"'=<>`&") == std::u16string_view::npos) {
        out += v;
        return out;
    }
    if (quote == u's' && v.find_first_of(u"'&\r") == std::u16string_view::npos) {
        out += u'\'';
        out += v;
        out += u'\'';
        return out;
    }
    out += u'"';
    if (v.find_first_of(u"\"\r") == std::u16string_view::npos && ampersandsSafe(v)) {
        out += v;
    } else {
        for (char16_t c : v) {
            if (c == u'&') out += u"&amp;";
            else if (c == u'"') out += u"&quot;";
            else if (c == u'\r') out += u"&#13;";
            else out += c;
        }
    }
    out += u'"';
    return out;
}

std::u16string ClassicMarkup::fromEngine(std::u16string_view s) {
    std::u16string out;
    out.reserve(s.size() + s.size() / 8);
    const std::size_t n = s.size();
    std::size_t i = 0;
    int foreign = 0;  // depth inside svg or math
    while (i < n) {
        if (s[i] != u'<') {
            std::size_t e = s.find(u'<', i);
            if (e == std::u16string_view::npos) e = n;
            appendText(out, s.substr(i, e - i));
            i = e;
            continue;
        }
        if (s.substr(i, 4) == u"<!--") {
            std::size_t e = s.find(u"-->", i + 4);
            e = e == std::u16string_view::npos ? n : e + 3;
            out.append(s.substr(i, e - i));
            i = e;
            continue;
        }
        if (i + 1 < n && (s[i + 1] == u'!' || s[i + 1] == u'?')) {
            std::size_t e = s.find(u'>', i);
            e = e == std::u16string_view::npos ? n : e + 1;
            out.append(s.substr(i, e - i));
            i = e;
            continue;
        }
        if (i + 1 < n && s[i + 1] == u'/') {
            std::size_t e = s.find(u'>', i);
            if (e == std::u16string_view::npos) e = n;
            std::u16string name(s.substr(i + 2, e - i - 2));
            std::u16string low = lower(name);
            out += u"</";
            out += foreign ? name : upper(name);
            out += u'>';
            if ((low == u"svg" || low == u"math") && foreign > 0) --foreign;
            i = e + 1;
            continue;
        }
        // A start tag as the engine writes it: name="value" or a bare name.
        std::size_t p = i + 1;
        while (p < n && !space(s[p]) && s[p] != u'>' && s[p] != u'/') ++p;
        std::u16string name(s.substr(i + 1, p - i - 1));
        std::u16string low = lower(name);
        std::vector<std::pair<std::u16string, std::u16string>> attrs;
        std::u16string notes;
        while (p < n && s[p] != u'>') {
            while (p < n && (space(s[p]) || s[p] == u'/')) ++p;
            if (p >= n || s[p] == u'>') break;
            std::size_t ns = p++;  // a name may begin with '='
            while (p < n && !space(s[p]) && s[p] != u'=' && s[p] != u'>') ++p;
            std::u16string an(s.substr(ns, p - ns));
            std::u16string av;
            if (p < n && s[p] == u'=') {
                ++p;
                if (p < n && s[p] == u'"') {
                    std::size_t e = s.find(u'"', p + 1);
                    if (e == std::u16string_view::npos) e = n;
                    av = decodeValue(s.substr(p + 1, e - p - 1));
                    p = e + 1;
                } else {
                    std::size_t e = p;
                    while (e < n && !space(s[e]) && s[e] != u'>') ++e;
                    av = decodeValue(s.substr(p, e - p));
                    p = e;
                }
            }
            if (an == u"_pw") notes = av;
            else if (an != u"_pwsel") attrs.emplace_back(std::move(an), std::move(av));
        }
        auto noted = parseNotes(notes);
        out += u'<';
        bool svg = low == u"svg" || low == u"math";
        out += (foreign || svg) ? name : upper(name);
        for (const auto& [an, av] : attrs) {
            auto it = noted.find(lower(an));
            if (it != noted.end())
                out += attribute(it->second.name, av, it->second.quote, it->second.before, it->second.after);
            else
                out += attribute(an, av);
        }
        out += u'>';
        i = p < n ? p + 1 : n;
        // The parser drops a line break right after these start tags; one
        // more keeps the content's own.
        if (!foreign && lineBreakDropped(low) && i < n && s[i] == u'\n') out += u'\n';
        if (svg) ++foreign;
        if (!foreign && rawText(low)) {
            std::size_t e = RawText::end(s, i, low);
            out.append(s.substr(i, e - i));
            i = e;
        }
    }
    return out;
}

}  // namespace htmledit
