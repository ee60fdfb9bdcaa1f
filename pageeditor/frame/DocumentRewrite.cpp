#include "pageeditor/frame/DocumentRewrite.h"

#include <algorithm>
#include <vector>

#include "pageeditor/dialogs/TagText.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/PageCharset.h"

namespace pageeditor {

namespace {

constexpr PageSize kPageSizes[] = {
    {"<!--SIZE:0-->", 800, 660},
    {"<!--SIZE:1-->", 1024, 828},
    {"<!--SIZE:2-->", 1280, 1084},
};

// A META tag of the head: from its "<" to after its ">".
struct MetaTag {
    std::size_t start, end;
};
std::vector<MetaTag> headMetaTags(std::string_view html) {
    std::vector<MetaTag> tags;
    const std::string upper = text::upper(html);
    const std::size_t headEnd = upper.find("</HEAD>");
    if (headEnd == std::string::npos) return tags;
    for (std::size_t at = upper.find("<META"); at != std::string::npos && at < headEnd; at = upper.find("<META", at + 1)) {
        const std::size_t end = tagEnd(html, at);
        tags.push_back({at, end});
        at = end - 1;
    }
    return tags;
}

// The META tag declares the page's charset as the engine reads one: by a
// charset attribute, or as a Content-Type line whose content names one. The
// word in another value (keywords about charsets) declares nothing.
bool declaresCharset(std::string_view tag) {
    if (!tagAttribute(tag, "charset").empty()) return true;
    return text::lower(tagAttribute(tag, "http-equiv")) == "content-type" &&
           text::lower(tagAttribute(tag, "content")).find("charset") != std::string::npos;
}

// A character reference at `at` ("&#228;", "&#xE4;", "&amp;"): its length
// and the character it stands for; a length of 0 where none starts. Only the
// names the engine writes count; other names are text.
struct Reference {
    std::size_t length = 0;
    char32_t c = 0;
};
Reference referenceAt(std::string_view s, std::size_t at) {
    static constexpr std::pair<std::string_view, char32_t> kNamed[] = {
        {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}, {"nbsp;", 0xA0}};
    if (at >= s.size() || s[at] != '&') return {};
    const std::string_view rest = s.substr(at + 1);
    for (const auto& [name, c] : kNamed)
        if (rest.substr(0, name.size()) == name) return {name.size() + 1, c};
    if (rest.empty() || rest[0] != '#') return {};
    const bool hex = rest.size() > 1 && (rest[1] == 'x' || rest[1] == 'X');
    std::size_t i = hex ? 2 : 1;
    char32_t c = 0;
    for (; i < rest.size() && i < 10; ++i) {
        const char d = rest[i];
        const int v = d >= '0' && d <= '9' ? d - '0'
                      : hex && (d | 0x20) >= 'a' && (d | 0x20) <= 'f' ? (d | 0x20) - 'a' + 10
                                                                       : -1;
        if (v < 0) break;
        c = c * (hex ? 16 : 10) + static_cast<char32_t>(v);
    }
    const bool digits = i > (hex ? 2u : 1u);
    if (!digits || i >= rest.size() || rest[i] != ';' || c == 0 || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return {};
    return {i + 2, c};
}

// The character as the program's text holds it: one Windows-1250 byte, or
// none where Windows-1250 lacks it and for a control character.
std::optional<char> programCharacter(char32_t c) {
    if (c < 0x20 || c == 0x7F || c > 0xFFFF) return std::nullopt;
    const std::u16string wide(1, static_cast<char16_t>(c));
    std::size_t lacking = 0;
    const std::string held = text::encode(wide, text::CodePage::Windows1250, text::Lacking::Drop, &lacking);
    if (lacking || held.size() != 1) return std::nullopt;
    return held[0];
}

// The six Windows-1250 signs (± ¶ ¦ ˇ ¬ Ľ) whose bytes the document's text
// reads as the letters ISO-8859-2 has there (PageCharset::isIsoLetterByte):
// a value carries them as references, which the page keeps as the signs.
std::string signReference(char c) {
    const std::u16string wide = text::toUtf16(std::string_view(&c, 1), text::CodePage::Windows1250);
    return "&#" + std::to_string(static_cast<unsigned long>(wide[0])) + ";";
}

// A reference the shown value keeps as it is written: one to a character
// the program's text lacks, which MarkupText shows so.
bool keptReference(const Reference& r) { return r.length && !programCharacter(r.c); }

// Escapes a value for the document's text; with `referencesKept`, an "&"
// that starts a reference to a character the program's text lacks stays as
// it is.
std::string escaped(std::string_view typed, bool referencesKept) {
    std::string out;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        char c = typed[i];
        switch (c) {
        case '&':
            if (const Reference r = referencesKept ? referenceAt(typed, i) : Reference{}; keptReference(r)) {
                out += typed.substr(i, r.length);
                i += r.length - 1;
            } else {
                out += "&amp;";
            }
            break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r':
            if (i + 1 < typed.size() && typed[i + 1] == '\n') ++i;
            out += ' ';
            break;
        case '\n': out += ' '; break;
        default:
            if (text::PageCharset::isIsoLetterByte(c)) out += signReference(c);
            else out += c;
        }
    }
    return out;
}

// Removes from the first `start` through the next ">" (through the end of
// the text when no ">" follows), then puts `insert` before the first
// "</BODY>", or at the beginning.
std::string replaceBeforeBody(std::string_view html, std::string_view start, std::string_view insert) {
    std::string s(html);
    std::size_t p = s.find(start);
    if (p != std::string::npos) {
        std::size_t end = s.find('>', p);
        s.erase(p, end == std::string::npos ? std::string::npos : end - p + 1);
    }
    std::size_t body = s.find("</BODY>");
    s.insert(body == std::string::npos ? 0 : body, insert);
    return s;
}

}  // namespace

const PageSize* pageSizeAt(int index) {
    if (index < 0 || index > 2) return nullptr;
    return &kPageSizes[index];
}

bool SetTitleText(std::string& html, std::string_view title) {
    std::string lower = text::lower(html);
    std::size_t open = lower.find("<title>");
    std::size_t close = lower.find("</title>");
    if (open != std::string::npos && close != std::string::npos && close >= open + 7) {
        html = html.substr(0, open + 7) + std::string(title) + html.substr(close);
        return true;
    }
    // A page without a title element gets one at the top of its head, so
    // that the command is not silently lost.
    if (open == std::string::npos && close == std::string::npos) {
        std::size_t head = lower.find("<head>");
        if (head == std::string::npos) return false;
        html.insert(head + 6, "\r\n<TITLE>" + std::string(title) + "</TITLE>");
        return true;
    }
    return false;
}

HeadMeta ReadHeadMeta(std::string_view html) {
    HeadMeta meta;
    bool keywords = false, description = false;
    for (const MetaTag& m : headMetaTags(html)) {
        const std::string tag(html.substr(m.start, m.end - m.start));
        const std::string name = text::lower(tagAttribute(tag, "name"));
        if (name == "keywords" && !keywords) {
            meta.keywords = MarkupText(tagAttribute(tag, "content"));
            keywords = true;
        } else if (name == "description" && !description) {
            meta.description = MarkupText(tagAttribute(tag, "content"));
            description = true;
        }
        if (declaresCharset(tag)) meta.charsetDeclared = true;
    }
    return meta;
}

std::string ReplaceHeadMeta(std::string_view html, const std::optional<std::string>& keywords,
                            const std::optional<std::string>& description, bool charsetDeclared) {
    struct Edit {
        std::size_t start, end;
        std::string text;
    };
    std::vector<Edit> edits;
    std::string inserted;
    const std::vector<MetaTag> tags = headMetaTags(html);
    auto replace = [&](const char* name, const std::optional<std::string>& value, const std::string& line) {
        if (!value) return;
        bool placed = false;
        for (const MetaTag& m : tags) {
            if (text::lower(tagAttribute(html.substr(m.start, m.end - m.start), "name")) != name) continue;
            // The tag alone on its line goes with its line.
            std::size_t start = m.start, end = m.end;
            std::size_t lineStart = html.find_last_of("\r\n", start == 0 ? 0 : start - 1);
            lineStart = lineStart == std::string_view::npos || start == 0 ? 0 : lineStart + 1;
            std::size_t lineEnd = html.find_first_of("\r\n", end);
            if (lineEnd == std::string_view::npos) lineEnd = html.size();
            const bool alone = html.substr(lineStart, start - lineStart).find_first_not_of(" \t") == std::string_view::npos &&
                               html.substr(end, lineEnd - end).find_first_not_of(" \t") == std::string_view::npos;
            std::string text = placed || value->empty() ? std::string() : line;
            if (alone && text.empty()) {
                start = lineStart;
                end = lineEnd;
                if (end < html.size() && html[end] == '\r') ++end;
                if (end < html.size() && html[end] == '\n') ++end;
            }
            edits.push_back({start, end, std::move(text)});
            placed = true;
        }
        if (!placed && !value->empty()) inserted += line + "\r\n";
    };
    replace("keywords", keywords, "<META NAME =\"Keywords\" CONTENT=\"" + keywords.value_or("") + "\">");
    replace("description", description, "<META NAME=\"Description\" content=\"" + description.value_or("") + "\">");
    if (edits.empty() && inserted.empty()) return std::string(html);

    // From the end of the text back, so that each edit leaves the places of
    // the ones before it as they were, whichever line comes first in the page.
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.start > b.start; });
    std::string out(html);
    for (const Edit& e : edits) out.replace(e.start, e.end - e.start, e.text);
    // The charset as the head declares it once the lines are replaced: a
    // charset named only inside a line replaced is declared no longer.
    if (!charsetDeclared && !ReadHeadMeta(out).charsetDeclared)
        inserted += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">\r\n";
    if (!inserted.empty()) {
        // Directly below the line of the head's start tag.
        const std::string upper = text::upper(out);
        std::size_t head = upper.find("<HEAD>");
        if (head == std::string::npos) head = upper.find("<HEAD ");
        const std::size_t headEnd = upper.find("</HEAD>");
        if (head == std::string::npos || headEnd == std::string::npos || head > headEnd) return out;
        // A head tag that does not end before the head does is no head line:
        // lines put after it would land in the body, again at every rewrite.
        const std::size_t tagClose = tagEnd(out, head);
        if (tagClose > headEnd) return out;
        std::size_t lineEnd = out.find_first_of("\r\n", tagClose);
        // A line that ends inside a tag (one written over two lines) is not
        // cut there: the lines then go directly after the head tag.
        for (std::size_t p = out.find('<', tagClose); lineEnd != std::string::npos && p < lineEnd;
             p = out.find('<', p + 1)) {
            const std::size_t end = tagEnd(out, p);
            if (end > lineEnd) lineEnd = std::string::npos;
            else p = end - 1;
        }
        if (lineEnd == std::string::npos || lineEnd > headEnd) {
            out.insert(tagClose, "\r\n" + inserted.substr(0, inserted.size() - 2));
        } else {
            if (out[lineEnd] == '\r') ++lineEnd;
            if (lineEnd < out.size() && out[lineEnd] == '\n') ++lineEnd;
            out.insert(lineEnd, inserted);
        }
    }
    return out;
}

std::string PlaceSizeMarker(std::string_view html, std::string_view marker) {
    return replaceBeforeBody(html, "<!--SIZE:", marker);
}

std::string PlaceBackgroundSound(std::string_view html, std::string_view tag) {
    return replaceBeforeBody(html, "<BGSOUND", tag);
}

std::string PageValue(std::string_view typed) { return escaped(typed, false); }

std::string MarkupText(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size();) {
        const Reference r = referenceAt(value, i);
        const std::optional<char> c = r.length ? programCharacter(r.c) : std::nullopt;
        if (c) {
            out += *c;
            i += r.length;
        } else if (text::PageCharset::isIsoLetterByte(value[i])) {
            // The document's text holds the ISO-8859-2 letter at this byte.
            out += text::PageCharset::toProgram(text::PageCharset::fromProgram(value.substr(i++, 1)));
        } else {
            out += value[i++];
        }
    }
    return out;
}

std::string MarkupValue(std::string_view shown) { return escaped(shown, true); }

}  // namespace pageeditor
