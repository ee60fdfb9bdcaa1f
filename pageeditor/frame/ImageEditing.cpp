#include "pageeditor/frame/ImageEditing.h"

#include <algorithm>
#include <stdexcept>

#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/TextBox.h"
#include "htmledit/Element.h"
#include "htmledit/Range.h"
#include "htmledit/Selection.h"
#include "htmledit/Style.h"
#include "pageeditor/app/PictureRules.h"
#include "pageeditor/app/SpinEdit.h"
#include "pageeditor/app/WholeNumber.h"
#include "pageeditor/app/Tinsertimg.h"
#include "pageeditor/frame/PositionStyle.h"
#include "text/CaseRules.h"

namespace pageeditor {

namespace {

long integerOf(const std::string& s) {
    long v = 0;
    if (!parseWholeNumber(s, v)) throw std::runtime_error("not a number");
    return v;
}

// The selected element when whole elements are selected; empty otherwise.
htmledit::Element selectedControl(const htmledit::Document& document) {
    htmledit::Selection sel = document.selection();
    if (sel.type() != "Control") return {};
    return sel.createRange().commonParentElement();
}

}  // namespace

void readImageBack(const htmledit::Element& img, Tinsertimg& d) {
    d.Edit971->setText(img.getAttribute("src"));
    d.Edit972->setText(img.getAttribute("alt"));
    const std::string border = img.getAttribute("border");
    if (!border.empty()) d.SpinEdit1->setValue(integerOf(border));
    htmledit::Style style = img.style();
    d.StyleWidth = style.width();
    d.StyleHeight = style.height();
    d.CheckBox1->setValue(positionBoxTicked(style.position()) ? 1 : 0);
    const std::string align = text::upper(img.getAttribute("align"));
    auto it = std::find(d.AlignValues.begin(), d.AlignValues.end(), align);
    if (it != d.AlignValues.end()) d.ComboBox1->setListIndex(static_cast<int>(it - d.AlignValues.begin()));
}

void editImage(const htmledit::Document& document, Tinsertimg& d, const std::optional<std::string>& fileName,
               const std::function<void(const std::string&)>& insertHTML) {
    try {
        htmledit::Element selected = selectedControl(document);
        if (selected && text::lower(selected.tagName()) == "img") readImageBack(selected, d);
        if (fileName) d.Edit971->setText(*fileName);
        if (d.showModal() != 1) return;
        const std::string align = d.chosenAlign();
        const bool relative = d.CheckBox1->checked();

        htmledit::Selection sel = document.selection();
        if (sel.type() != "Control") {
            ImageTagValues v;
            v.relativeToText = relative;
            v.fileName = d.Edit971->text();
            v.alt = d.Edit972->text();
            v.width = d.SpinEdit2->value();
            v.height = d.SpinEdit3->value();
            v.align = align;
            v.border = d.SpinEdit1->value();
            insertHTML(imageTag(v));
            return;
        }
        htmledit::Element img = sel.createRange().commonParentElement();
        if (text::lower(img.tagName()) != "img") return;
        img.setAttribute("src", imageSource(d.Edit971->text()));
        img.setAttribute("alt", d.Edit972->text());
        img.setAttribute("align", d.ComboBox1->listIndex() < 0 ? std::string("top") : align);
        img.setWidth(d.SpinEdit2->value());
        img.setAttribute("border", d.SpinEdit1->value());
        htmledit::Style style = img.style();
        if (d.ImageWidth > 0) style.setWidth(std::to_string(d.ImageWidth) + "px");
        if (d.ImageHeight > 0) style.setHeight(std::to_string(d.ImageHeight) + "px");
        style.setPosition(relative ? "" : "absolute");
    } catch (...) {
        // The routine ends silently on any error.
    }
}

}  // namespace pageeditor
