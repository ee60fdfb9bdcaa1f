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

// The rows of a table and its columns (the cells of its widest row, a cell
// counted as many times as it spans), counted in the table's inner markup;
// the rows and cells of tables inside its cells are not the table's own.
struct TableGrid {
    long rows = 0, cols = 0;
};
TableGrid countTableGrid(const std::string& innerHTML);

// The table's markup with its start tag (attributes and all) kept and `body`
// in place of its contents; empty when the outer markup does not end with the
// inner one and the end tag.
std::string withTableBody(const std::string& outerHTML, const std::string& innerHTML, const std::string& body);

// The floating layer: a fixed one-cell table positioned absolutely.
extern const char* const kFloatingLayer;

}  // namespace pageeditor
