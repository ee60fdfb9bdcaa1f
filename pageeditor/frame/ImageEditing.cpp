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
#include "pageeditor/dialogs/PictureRules.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/dialogs/WholeNumber.h"
#include "pageeditor/dialogs/Tinsertimg.h"
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

// A size attribute as the page gives it ("200", "200px"); 0 when it is none.
long sizeOf(const std::string& value) {
    std::string digits = value;
    if (digits.size() > 2 && text::lower(digits.substr(digits.size() - 2)) == "px") digits.resize(digits.size() - 2);
    long v = 0;
    return parseWholeNumber(digits, v) && v > 0 ? v : 0;
}

}  // namespace

ImageFields ImageFields::of(const Tinsertimg& d) {
    ImageFields f;
    f.alt = d.Edit972->text();
    f.alignIndex = d.ComboBox1->listIndex();
    f.width = d.SpinEdit2->value();
    f.height = d.SpinEdit3->value();
    f.border = d.SpinEdit1->value();
    f.relative = d.CheckBox1->checked();
    return f;
}

ImageFields readImageBack(const htmledit::Element& img, Tinsertimg& d) {
    // The name runs the dialog's look-up, which finds the picture by the
    // page's own relative address and shows its natural size; the sizes the
    // page draws it at then take over.
    d.Edit971->setText(img.getAttribute("src"));
    d.Edit972->setText(img.getAttribute("alt"));
    const std::string border = img.getAttribute("border");
    d.SpinEdit1->setValue(border.empty() ? 0 : integerOf(border));
    htmledit::Style style = img.style();
    d.StyleWidth = style.width();
    d.StyleHeight = style.height();
    if (long w = sizeOf(d.StyleWidth) ? sizeOf(d.StyleWidth) : sizeOf(img.getAttribute("width")))
        d.SpinEdit2->setValue(w);
    else if (long drawn = img.width(); drawn > 0)
        d.SpinEdit2->setValue(drawn);
    if (long h = sizeOf(d.StyleHeight) ? sizeOf(d.StyleHeight) : sizeOf(img.getAttribute("height")))
        d.SpinEdit3->setValue(h);
    d.CheckBox1->setValue(positionBoxTicked(style.position()) ? 1 : 0);
    const std::string align = text::upper(img.getAttribute("align"));
    auto it = std::find(d.AlignValues.begin(), d.AlignValues.end(), align);
    if (it != d.AlignValues.end()) d.ComboBox1->setListIndex(static_cast<int>(it - d.AlignValues.begin()));
    return ImageFields::of(d);
}

void editImage(const htmledit::Document& document, Tinsertimg& d, const std::optional<std::string>& fileName,
               const std::function<void(const std::string&)>& insertHTML) {
    try {
        htmledit::Element selected = selectedControl(document);
        std::optional<ImageFields> shown;
        if (selected && text::lower(selected.tagName()) == "img") shown = readImageBack(selected, d);
        d.PageName = shown ? d.Edit971->text() : std::string();
        d.PageNameKept = false;
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
        // Only what the user changed is written: a value left as it was read
        // back keeps the element's own markup of it.
        // The sizes as OK took them: the look-up of the name OK leaves may
        // show the picture's natural size in the fields after that.
        ImageFields now = ImageFields::of(d);
        now.width = d.ImageWidth;
        now.height = d.ImageHeight;
        const bool readBack = shown && img == selected;
        auto changed = [&](auto field) { return !readBack || now.*field != shown.value().*field; };
        const std::string src = imageSource(d.Edit971->text());
        if (!readBack || (!d.PageNameKept && src != img.getAttribute("src"))) img.setAttribute("src", src);
        if (changed(&ImageFields::alt)) img.setAttribute("alt", d.Edit972->text());
        if (changed(&ImageFields::alignIndex))
            img.setAttribute("align", d.ComboBox1->listIndex() < 0 ? std::string("top") : align);
        if (changed(&ImageFields::width)) img.setWidth(d.ImageWidth);
        if (changed(&ImageFields::border)) img.setAttribute("border", d.SpinEdit1->value());
        htmledit::Style style = img.style();
        if (d.ImageWidth > 0 && changed(&ImageFields::width)) style.setWidth(std::to_string(d.ImageWidth) + "px");
        if (d.ImageHeight > 0 && changed(&ImageFields::height))
            style.setHeight(std::to_string(d.ImageHeight) + "px");
        if (changed(&ImageFields::relative)) setPositionBox(img, relative);
    } catch (...) {
        // The routine ends silently on any error.
    }
}

}  // namespace pageeditor
