#pragma once
// The markup of the table dialog and of the floating layer.
#include <string>

namespace pageeditor {

struct TableValues {
    long rows = 1, cols = 0, border = 0, cellspacing = 0, cellpadding = 0;
    std::string bgcolor;  // "#RRGGBB" or "" for no colour
};

// rows times "<tr>" + cols times "<td valign=top>&nbsp;</td>" + "</tr>";
// a count of 0 (or below) gives no rows or no cells.
std::string tableBody(long rows, long cols);
// "<table " + style + " rows=\"..\" bgcolor=\"..\" cols=\"..\" border=\"..\"
// cellspacing=\"..\" cellpadding=\"..\">" + body + "</table>".
std::string tableTag(const std::string& style, const TableValues& v, const std::string& body);

// The floating layer: a fixed one-cell table positioned absolutely.
extern const char* const kFloatingLayer;

}  // namespace pageeditor
