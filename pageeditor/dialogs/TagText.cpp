#include "pageeditor/dialogs/TagText.h"

#include <algorithm>
#include <cctype>

#include "text/CaseRules.h"

namespace pageeditor {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// Where an attribute stands in a tag's text.
struct AttributeInTag {
    std::size_t nameEnd = 0;
    bool hasValue = false;
    std::size_t valueAt = 0, valueEnd = 0;  // the value, inside its quotes
    char quote = 0;                          // '"', '\'' or 0 for none
};

std::optional<AttributeInTag> locateAttribute(std::string_view tag, std::string_view name) {
    const std::string wanted = text::lower(name);
    std::size_t i = tag.find_first_not_of("<");
    i = i == std::string_view::npos ? i : tag.find_first_of(" \t\r\n/>", i);  // past the tag's own name
    while (i != std::string_view::npos && i < tag.size()) {
        i = tag.find_first_not_of(" \t\r\n/", i);
        if (i == std::string_view::npos || tag[i] == '>') break;
        AttributeInTag a;
        a.nameEnd = tag.find_first_of(" \t\r\n=>", i);
        if (a.nameEnd == std::string_view::npos) a.nameEnd = tag.size();
        const std::string key = text::lower(tag.substr(i, a.nameEnd - i));
        i = tag.find_first_not_of(kBlanks, a.nameEnd);
        if (i != std::string_view::npos && tag[i] == '=') {
            i = tag.find_first_not_of(kBlanks, i + 1);
            if (i == std::string_view::npos) break;
            a.hasValue = true;
            if (tag[i] == '"' || tag[i] == '\'') {
                a.quote = tag[i];
                std::size_t close = tag.find(tag[i], i + 1);
                if (close == std::string_view::npos) close = tag.size();
                a.valueAt = i + 1;
                a.valueEnd = close;
                i = close + 1;
            } else {
                std::size_t close = tag.find_first_of(" \t\r\n>", i);
                if (close == std::string_view::npos) close = tag.size();
                a.valueAt = i;
                a.valueEnd = close;
                i = close;
            }
        }
        if (key == wanted) return a;
    }
    return std::nullopt;
}

// Where the tag that starts at `at` ends, after its own ">"; npos when the
// text ends first.
std::size_t closedTagEnd(std::string_view html, std::size_t at) {
    // The tag's own name, in which a quote is a letter like any other.
    std::size_t from = at + 1;
    if (from < html.size() && html[from] == '/') ++from;
    from = std::min(html.size(), html.find_first_of(" \t\r\n\f/>", from));
    char quote = 0;
    for (std::size_t i = from; i < html.size(); ++i) {
        const char c = html[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            // A quote opens a value only after "="; elsewhere it is text.
            std::size_t before = html.find_last_not_of(kBlanks, i - 1);
            if (before != std::string_view::npos && html[before] == '=') quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

// An unquoted value that the parser reads back as it is.
bool fitsUnquoted(std::string_view value) {
    return !value.empty() && value.find_first_of(" \t\r\n\f\"'=<>`") == std::string_view::npos;
}

}  // namespace

std::string quotedAttributeValue(std::string_view value, char quote) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        if (c == quote)
            out += quote == '"' ? "&quot;" : "&#39;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> findTagAttribute(std::string_view tag, std::string_view name) {
    const std::optional<AttributeInTag> a = locateAttribute(tag, name);
    if (!a) return std::nullopt;
    return a->hasValue ? std::string(tag.substr(a->valueAt, a->valueEnd - a->valueAt)) : std::string();
}

std::string withTagAttribute(std::string_view tag, std::string_view name, std::string_view value,
                             std::string_view spelling) {
    const std::string doubleQuoted = "\"" + quotedAttributeValue(value, '"') + "\"";
    const std::optional<AttributeInTag> a = locateAttribute(tag, name);
    std::string out(tag);
    if (!a) {
        std::size_t at = tag.size();
        if (at > 0 && tag[at - 1] == '>') --at;
        if (at > 0 && tag[at - 1] == '/') --at;
        while (at > 0 && kBlanks.find(tag[at - 1]) != std::string_view::npos) --at;
        // After an "=" with no value the new attribute would be read as that
        // value: it then goes right after the tag's name instead.
        if (at > 0 && tag[at - 1] == '=')
            at = std::min(tag.size(), tag.find_first_of(" \t\r\n/>", tag.find_first_not_of("<")));
        return out.insert(at, " " + std::string(spelling) + "=" + doubleQuoted);
    }
    if (!a->hasValue) return out.insert(a->nameEnd, "=" + doubleQuoted);
    const std::size_t length = a->valueEnd - a->valueAt;
    if (a->quote) return out.replace(a->valueAt, length, quotedAttributeValue(value, a->quote));
    return out.replace(a->valueAt, length, fitsUnquoted(value) ? std::string(value) : doubleQuoted);
}

std::optional<TagInMarkup> nextTag(std::string_view html, std::size_t from) {
    for (std::size_t at = html.find('<', from); at != std::string_view::npos; at = html.find('<', at + 1)) {
        if (html.compare(at, 4, "<!--") == 0) {
            std::size_t end = html.find("-->", at + 4);
            if (end == std::string_view::npos) return std::nullopt;
            at = end + 2;
            continue;
        }
        TagInMarkup t;
        t.at = at;
        t.closing = at + 1 < html.size() && html[at + 1] == '/';
        // A tag's name starts with a letter and runs to a blank, "/" or ">".
        const std::size_t nameStart = at + (t.closing ? 2 : 1);
        if (nameStart >= html.size() || !std::isalpha(static_cast<unsigned char>(html[nameStart]))) continue;
        const std::size_t nameEnd = std::min(html.size(), html.find_first_of(" \t\r\n\f/>", nameStart));
        t.name = text::lower(html.substr(nameStart, nameEnd - nameStart));
        const std::size_t end = closedTagEnd(html, at);
        t.whole = end != std::string_view::npos;
        t.end = t.whole ? end : html.size();
        return t;
    }
    return std::nullopt;
}

std::string withElementContent(const std::string& outerHTML, const std::string& innerHTML, const std::string& content,
                               std::string_view tagName) {
    const std::string endTag = "</" + text::upper(tagName) + ">";
    if (outerHTML.size() < innerHTML.size() + endTag.size()) return {};
    const std::size_t innerAt = outerHTML.size() - endTag.size() - innerHTML.size();
    if (text::upper(outerHTML.substr(outerHTML.size() - endTag.size())) != endTag ||
        outerHTML.compare(innerAt, innerHTML.size(), innerHTML) != 0)
        return {};
    return outerHTML.substr(0, innerAt) + content + outerHTML.substr(outerHTML.size() - endTag.size());
}

std::string tagAttribute(std::string_view tag, std::string_view name) { return findTagAttribute(tag, name).value_or(""); }

std::size_t tagEnd(std::string_view html, std::size_t at) {
    const std::size_t end = closedTagEnd(html, at);
    return end == std::string_view::npos ? html.size() : end;
}

}  // namespace pageeditor
