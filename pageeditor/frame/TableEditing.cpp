#include "pageeditor/frame/TableEditing.h"

#include <optional>
#include <stdexcept>

#include "forms/CheckBox.h"
#include "htmledit/Element.h"
#include "htmledit/Range.h"
#include "htmledit/Selection.h"
#include "htmledit/Style.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/dialogs/WholeNumber.h"
#include "pageeditor/dialogs/TableMarkup.h"
#include "pageeditor/dialogs/TagText.h"
#include "pageeditor/dialogs/Tinstbl.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/frame/PositionStyle.h"
#include "text/CaseRules.h"

namespace pageeditor {

namespace {

template <class F>
void silently(F f) {
    try {
        f();
    } catch (...) {
    }
}

// Border, cell spacing and cell padding as the engine draws a table that
// does not give them, and one whose value it cannot read ("<TABLE border>"
// has a border of 1).
constexpr long kMissingTableValues[] = {0, 2, 1};
constexpr long kUnreadableTableValues[] = {1, 2, 1};

TableValues valuesOf(const Tinstbl& d) {
    TableValues v;
    v.rows = d.SpinEdit1->value();
    v.cols = d.SpinEdit2->value();
    v.border = d.SpinEdit3->value();
    v.cellspacing = d.SpinEdit4->value();
    v.cellpadding = d.SpinEdit5->value();
    v.bgcolor = util_getcolor(d.color());
    return v;
}

}  // namespace

void editTable(const htmledit::Document& document, Tinstbl& d,
               const std::function<std::uint32_t(const std::string&)>& colorOf) {
    try {
        htmledit::Selection sel = document.selection();
        const bool control = sel.type() == "Control";
        htmledit::Range range = sel.createRange();
        htmledit::Element selected = control ? range.commonParentElement() : range.parentElement();
        htmledit::Element e = selected;
        std::string tag;
        while (e) {
            tag = text::lower(e.tagName());
            if (tag == "body" || tag == "table") break;
            e = e.parentElement();
        }
        if (!e) return;

        if (tag == "body") {
            d.TableEditMode = 0;
            if (d.showModal() != 1) return;
            const std::string html =
                tableTag(positionStyleText(d.CheckBox3->checked()), valuesOf(d), tableBody(d.SpinEdit1->value(), d.SpinEdit2->value()));
            silently([&] {
                if (control)
                    selected.setOuterHTML(html);
                else
                    range.pasteHTML(html);
            });
            return;
        }

        htmledit::Element table = e;
        std::string geometry;  // of this run only: a new table never inherits it
        silently([&] { d.CheckBox3->setValue(positionBoxTicked(table.style().position()) ? 1 : 0); });
        // Every value the table gives is shown; what it leaves out is shown
        // as the engine draws it: rows and columns counted from its rows and
        // cells, no border, the default spacing and padding, no colour.
        silently([&] {
            SpinEdit* counts[] = {d.SpinEdit1, d.SpinEdit2};
            const char* countNames[] = {"rows", "cols"};
            std::optional<TableGrid> grid;
            for (int i = 0; i < 2; ++i) {
                long v = 0;
                if (parseWholeNumber(table.getAttribute(countNames[i]), v)) {
                    counts[i]->setValue(v);
                } else {
                    if (!grid) grid = countTableGrid(table.innerHTML());
                    counts[i]->setValue(i == 0 ? grid->rows : grid->cols);
                }
            }
            const std::string outer = table.outerHTML();
            const std::string start = outer.substr(0, tagEnd(outer, 0));
            SpinEdit* sizes[] = {d.SpinEdit3, d.SpinEdit4, d.SpinEdit5};
            const char* sizeNames[] = {"border", "cellspacing", "cellpadding"};
            for (int i = 0; i < 3; ++i) {
                const std::optional<std::string> written = findTagAttribute(start, sizeNames[i]);
                sizes[i]->setValue(i == 0 ? tableBorder(written)
                                          : tableNumber(written, kMissingTableValues[i], kUnreadableTableValues[i]));
            }
        });
        silently([&] {
            const std::string bg = table.getAttribute("bgcolor");
            d.setColor(bg.empty() ? clBtnFace : colorOf(bg));
        });
        d.TableEditMode = 1;
        d.OrigRows = d.SpinEdit1->value();
        d.OrigCols = d.SpinEdit2->value();
        silently([&] { geometry = readPositionStyle(table).geometry; });
        const TableValues shown = valuesOf(d);
        const bool shownRelative = d.CheckBox3->checked();

        if (d.showModal() != 1) return;
        // Only what the user changed is written; every other attribute and
        // style property of the table stays as the page has it.
        const TableValues now = valuesOf(d);
        const bool sameCounts = now.rows == d.OrigRows && now.cols == d.OrigCols;
        if (!sameCounts) {
            table.setAttribute("rows", now.rows);
            table.setAttribute("cols", now.cols);
        }
        if (now.border != shown.border) table.setAttribute("border", now.border);
        if (now.cellspacing != shown.cellspacing) table.setAttribute("cellspacing", now.cellspacing);
        if (now.cellpadding != shown.cellpadding) table.setAttribute("cellpadding", now.cellpadding);
        if (now.bgcolor != shown.bgcolor) table.setAttribute("bgcolor", now.bgcolor);
        if (d.CheckBox3->checked() != shownRelative) setPositionBox(table, d.CheckBox3->checked());
        if (sameCounts) return;
        // New counts drop the contents, as the question warned: the table
        // keeps its start tag and gets empty cells.
        const std::string body = tableBody(now.rows, now.cols);
        std::string html = withTableBody(table.outerHTML(), table.innerHTML(), body);
        if (html.empty()) html = tableTag(positionStyleText(d.CheckBox3->checked(), geometry), now, body);
        silently([&] { table.setOuterHTML(html); });
    } catch (...) {
        // The routine ends silently on any error.
    }
}

void insertFloatingLayer(const std::function<void(const std::string&)>& insertHTML) {
    silently([&] { insertHTML(kFloatingLayer); });
}

}  // namespace pageeditor
