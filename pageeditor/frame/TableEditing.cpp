#include "pageeditor/frame/TableEditing.h"

#include <stdexcept>

#include "forms/CheckBox.h"
#include "htmledit/Element.h"
#include "htmledit/Range.h"
#include "htmledit/Selection.h"
#include "htmledit/Style.h"
#include "pageeditor/app/SpinEdit.h"
#include "pageeditor/app/WholeNumber.h"
#include "pageeditor/app/TableMarkup.h"
#include "pageeditor/app/Tinstbl.h"
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
        silently([&] {
            SpinEdit* spins[] = {d.SpinEdit1, d.SpinEdit2, d.SpinEdit3, d.SpinEdit4, d.SpinEdit5};
            const char* names[] = {"rows", "cols", "border", "cellspacing", "cellpadding"};
            for (int i = 0; i < 5; ++i) {
                long v = 0;
                if (!parseWholeNumber(table.getAttribute(names[i]), v)) break;
                spins[i]->setValue(v);
            }
        });
        silently([&] {
            const std::string bg = table.getAttribute("bgcolor");
            if (!bg.empty()) d.setColor(colorOf(bg));
        });
        d.TableEditMode = 1;
        d.OrigRows = d.SpinEdit1->value();
        d.OrigCols = d.SpinEdit2->value();
        silently([&] { geometry = readPositionStyle(table).geometry; });

        if (d.showModal() != 1) return;
        table.setAttribute("rows", d.SpinEdit1->value());
        table.setAttribute("cols", d.SpinEdit2->value());
        table.setAttribute("border", d.SpinEdit3->value());
        table.setAttribute("cellspacing", d.SpinEdit4->value());
        table.setAttribute("cellpadding", d.SpinEdit5->value());
        const std::string style = positionStyleText(d.CheckBox3->checked(), geometry);
        const bool sameCounts = d.SpinEdit1->value() == d.OrigRows && d.SpinEdit2->value() == d.OrigCols;
        const std::string body = sameCounts ? table.innerHTML() : tableBody(d.SpinEdit1->value(), d.SpinEdit2->value());
        silently([&] { table.setOuterHTML(tableTag(style, valuesOf(d), body)); });
    } catch (...) {
        // The routine ends silently on any error.
    }
}

void insertFloatingLayer(const std::function<void(const std::string&)>& insertHTML) {
    silently([&] { insertHTML(kFloatingLayer); });
}

}  // namespace pageeditor
