#include "pageeditor/dialogs/TableMarkup.h"

#include <algorithm>

#include "pageeditor/dialogs/TagText.h"
#include "pageeditor/dialogs/WholeNumber.h"

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
    for (std::optional<TagInMarkup> t = nextTag(html, 0); t; t = nextTag(html, t->end)) {
        if (t->name == "table") {
            depth += t->closing ? (depth > 0 ? -1 : 0) : 1;
            continue;
        }
        if (depth > 0 || t->closing) continue;
        if (t->name == "tr") {
            endRow();
            ++grid.rows;
            row = 0;
        } else if (t->name == "td" || t->name == "th") {
            if (row < 0) {  // a cell before any row opens one, as the engine does
                ++grid.rows;
                row = 0;
            }
            long span = 1;
            const std::string colspan = tagAttribute(std::string_view(html).substr(t->at, t->end - t->at), "colspan");
            if (!colspan.empty() && std::all_of(colspan.begin(), colspan.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
                colspan.size() < 5)
                span = std::max(1L, std::stol(colspan));
            row += span;
        }
    }
    endRow();
    return grid;
}

long tableNumber(const std::optional<std::string>& written, long missing, long unreadable) {
    return leadingNumber(written, missing, unreadable);
}

long tableBorder(const std::optional<std::string>& written) {
    constexpr long kMissing = 0, kUnreadable = 1;
    if (!written) return kMissing;
    std::string v = *written;
    const std::size_t i = v.find_first_not_of(" \t\r\n\f");
    if (i == std::string::npos) return kUnreadable;
    if (v[i] == '+' || v[i] == '-') {
        const bool negative = v[i] == '-';
        v.erase(0, i + 1);
        if (v.empty() || v[0] < '0' || v[0] > '9') return kUnreadable;  // blanks only before the sign
        if (negative) return leadingNumber(v, kMissing, kUnreadable) == 0 ? 0 : kUnreadable;
    }
    return leadingNumber(v, kMissing, kUnreadable);
}

std::string withTableBody(const std::string& outerHTML, const std::string& innerHTML, const std::string& body) {
    return withElementContent(outerHTML, innerHTML, body, "TABLE");
}

}  // namespace pageeditor
