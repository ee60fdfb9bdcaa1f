#include "pageeditor/dialogs/TagText.h"

#include "text/CaseRules.h"

namespace pageeditor {

namespace {
constexpr std::string_view kBlanks = " \t\r\n";
}  // namespace

std::string tagAttribute(std::string_view tag, std::string_view name) {
    const std::string wanted = text::lower(name);
    std::size_t i = tag.find_first_not_of("<");
    i = i == std::string_view::npos ? i : tag.find_first_of(" \t\r\n/>", i);  // past the tag's own name
    while (i != std::string_view::npos && i < tag.size()) {
        i = tag.find_first_not_of(" \t\r\n/", i);
        if (i == std::string_view::npos || tag[i] == '>') break;
        std::size_t end = tag.find_first_of(" \t\r\n=>", i);
        if (end == std::string_view::npos) end = tag.size();
        const std::string key = text::lower(tag.substr(i, end - i));
        i = tag.find_first_not_of(kBlanks, end);
        std::string_view value;
        if (i != std::string_view::npos && tag[i] == '=') {
            i = tag.find_first_not_of(kBlanks, i + 1);
            if (i == std::string_view::npos) break;
            if (tag[i] == '"' || tag[i] == '\'') {
                std::size_t close = tag.find(tag[i], i + 1);
                if (close == std::string_view::npos) close = tag.size();
                value = tag.substr(i + 1, close - i - 1);
                i = close + 1;
            } else {
                std::size_t close = tag.find_first_of(" \t\r\n>", i);
                if (close == std::string_view::npos) close = tag.size();
                value = tag.substr(i, close - i);
                i = close;
            }
        }
        if (key == wanted) return std::string(value);
    }
    return {};
}

std::size_t tagEnd(std::string_view html, std::size_t at) {
    char quote = 0;
    for (std::size_t i = at + 1; i < html.size(); ++i) {
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
    return html.size();
}

}  // namespace pageeditor
