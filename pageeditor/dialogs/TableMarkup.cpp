#include "pageeditor/dialogs/TableMarkup.h"

#include <algorithm>
#include <cctype>

#include "pageeditor/dialogs/TagText.h"
#include "text/CaseRules.h"

namespace pageeditor {

const char* const kFloatingLayer =
    "<table style=\"width:100; height:100; position:absolute;\" border=0 cellpadding=0 cellspacing=0 rows=1 "
    "cols=1><tr><td valign=\"top\">&nbsp;</td></tr></table>";

std::string tableBody(long rows, long cols) {
    std::string row;
    for (long c = 0; c < cols; ++c) row += "<td valign=top>&nbsp;</td>";
    std::string body;
    for (long r = 0; r < rows; ++r) body += "<tr>" + row + "</tr>";
    return body;
}

std::string tableTag(const std::string& style, const TableValues& v, const std::string& body) {
    return "<table " + style + " rows=\"" + std::to_string(v.rows) + "\" bgcolor=\"" + v.bgcolor + "\" cols=\"" +
           std::to_string(v.cols) + "\" border=\"" + std::to_string(v.border) + "\" cellspacing=\"" +
           std::to_string(v.cellspacing) + "\" cellpadding=\"" + std::to_string(v.cellpadding) + "\">" + body +
           "</table>";
}

TableGrid countTableGrid(const std::string& html) {
    TableGrid grid;
    int depth = 0;  // of tables inside the table's cells
    long row = -1;  // the cells of the row being counted
    auto endRow = [&] {
        if (row >= 0) grid.cols = std::max(grid.cols, row);
        row = -1;
    };
    for (std::size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
        if (html.compare(at, 4, "<!--") == 0) {
            std::size_t end = html.find("-->", at + 4);
            if (end == std::string::npos) break;
            at = end + 2;
            continue;
        }
        const bool closing = at + 1 < html.size() && html[at + 1] == '/';
        std::size_t nameStart = at + (closing ? 2 : 1);
        std::size_t nameEnd = nameStart;
        while (nameEnd < html.size() && std::isalnum(static_cast<unsigned char>(html[nameEnd]))) ++nameEnd;
        if (nameEnd == nameStart) continue;
        const std::string name = text::lower(html.substr(nameStart, nameEnd - nameStart));
        const std::size_t end = tagEnd(html, at);
        const std::string tag = html.substr(nameStart, end - nameStart);
        at = end - 1;
        if (name == "table") {
            depth += closing ? (depth > 0 ? -1 : 0) : 1;
            continue;
        }
        if (depth > 0 || closing) continue;
        if (name == "tr") {
            endRow();
            ++grid.rows;
            row = 0;
        } else if (name == "td" || name == "th") {
            if (row < 0) {  // a cell before any row opens one, as the engine does
                ++grid.rows;
                row = 0;
            }
            long span = 1;
            const std::string colspan = tagAttribute(tag, "colspan");
            if (!colspan.empty() && std::all_of(colspan.begin(), colspan.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
                colspan.size() < 5)
                span = std::max(1L, std::stol(colspan));
            row += span;
        }
    }
    endRow();
    return grid;
}

std::string withTableBody(const std::string& outerHTML, const std::string& innerHTML, const std::string& body) {
    const std::string endTag = "</TABLE>";
    if (outerHTML.size() < innerHTML.size() + endTag.size()) return {};
    const std::size_t innerAt = outerHTML.size() - endTag.size() - innerHTML.size();
    if (text::upper(outerHTML.substr(outerHTML.size() - endTag.size())) != endTag ||
        outerHTML.compare(innerAt, innerHTML.size(), innerHTML) != 0)
        return {};
    return outerHTML.substr(0, innerAt) + body + outerHTML.substr(outerHTML.size() - endTag.size());
}

}  // namespace pageeditor
