#pragma once
// A range made from the document's selection: a text range (text or a caret)
// or a control range (whole elements selected). A text range offers its HTML
// text, pasteHTML and its parent element; a control range offers only its
// common parent element, the selected element itself. What a range does not
// offer fails with Error, as does any range of a document since reloaded.
#include <memory>
#include <string>
#include <string_view>

#include "htmledit/Element.h"
#include "htmledit/Value.h"

namespace htmledit {

class ControlCore;

class Range {
public:
    Range(std::shared_ptr<ControlCore> core, unsigned generation, int id, bool control);

    bool isControl() const { return control_; }

    // The selected markup in the classic form; inline elements whose whole
    // content is selected are part of it.
    std::string htmlText() const;
    // Replaces the selected content (or inserts at the caret) with the
    // markup, every element of it kept; a fragment that holds blocks splits
    // the paragraph it lands in. One step of the undo history. The range then
    // is a caret after the inserted markup, and so is the selection.
    void pasteHTML(std::string_view html);
    Element parentElement() const;
    Element commonParentElement() const;

    // Bold, Italic, Underline, JustifyLeft, JustifyRight, JustifyCenter
    // (truth values), FontName (text), FontSize (1 to 7), ForeColor
    // (0x00BBGGRR). A selection over differing values gives an empty value.
    Value queryCommandValue(std::string_view name) const;

    // Makes the range the document's selection.
    void select();

private:
    ControlCore& core() const;

    std::shared_ptr<ControlCore> core_;
    unsigned generation_;
    int id_;
    bool control_;
    // The page keeps the range until the last copy of the handle is gone
    // (a live range costs the page a little on every change).
    std::shared_ptr<void> lease_;
};

}  // namespace htmledit
