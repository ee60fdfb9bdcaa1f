#include "pageeditor/app/TableMarkup.h"

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

}  // namespace pageeditor
