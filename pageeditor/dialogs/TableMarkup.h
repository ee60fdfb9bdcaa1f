#pragma once
// The markup of the table dialog and of the floating layer.
#include <optional>
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

// A border, cell spacing or cell padding of a table as the dialog's field
// shows it, from the attribute as the page writes it: the value's leading
// digits, as the engine reads them ("1px" is 1, and "5%" is 5: the fields
// hold whole pixels); a value that starts with none ("", "abc", "-1") is
// drawn as `unreadable`, and a table without the attribute (nullopt) as
// `missing`.
long tableNumber(const std::optional<std::string>& written, long missing, long unreadable);
// A table's border as the dialog's field shows it: the whole number the
// engine reads from the attribute, after blanks and a "+" (or a "-" before
// zeros alone) as well, and then as tableNumber, a border without the
// attribute being 0 and one the engine cannot read ("", "abc", "-1") 1.
long tableBorder(const std::optional<std::string>& written);

// The table's markup with its start tag (attributes and all) kept and `body`
// in place of its contents; empty when the outer markup does not end with the
// inner one and the end tag.
std::string withTableBody(const std::string& outerHTML, const std::string& innerHTML, const std::string& body);

// The floating layer: a fixed one-cell table positioned absolutely.
extern const char* const kFloatingLayer;

}  // namespace pageeditor
