// The editor frame's work at the selection: the element of the selection,
// the double-click dispatch to the element dialogs, the strike, superscript
// and subscript buttons, the special characters, and the context menu with
// its cell commands.
#include "forms/ComboBox.h"
#include "forms/MenuItem.h"
#include "forms/PopupMenu.h"
#include "forms/SpeedButton.h"
#include "htmledit/EditControl.h"
#include "htmledit/Error.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/frame/ColorDialog.h"
#include "pageeditor/frame/ElementDispatch.h"
#include "pageeditor/frame/InlineMarkup.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "text/CaseRules.h"

namespace pageeditor {

namespace {

// Runs a step whose failures the frame swallows.
template <class F>
void quietly(F&& f) {
    try {
        f();
    } catch (...) {
    }
}

}  // namespace

void THTMLEdit::wireSelectionCommands() {
    auto bind = [this](auto* c, void (THTMLEdit::*handler)()) {
        c->onClick = [this, handler] { guarded([this, handler] { (this->*handler)(); }); };
    };
    bind(SpeedButton4, &THTMLEdit::SpeedButton4Click);
    bind(SpeedButton5, &THTMLEdit::SpeedButton5Click);
    bind(SpeedButton6, &THTMLEdit::SpeedButton6Click);
    bind(btnUser1, &THTMLEdit::btnUser1Click);
    bind(btnUser2, &THTMLEdit::btnUser2Click);
    bind(SpeedButton2, &THTMLEdit::SpeedButton2Click);
    ComboBox1->onClick = [this] {
        if (!refreshing_) guarded([this] { ComboBox1Change(); });
    };

    // The context menu, in its creation order.
    bind(W1, &THTMLEdit::DHTMLondblclick);
    bind(Wa1, &THTMLEdit::SpeedButton1Click);
    bind(Kolor1, &THTMLEdit::Kolor1Click);
    bind(Dogry1, &THTMLEdit::Dogry1Click);
    bind(rodek1, &THTMLEdit::rodek1Click);
    bind(d1, &THTMLEdit::d1Click);
    bind(Obrazek1, &THTMLEdit::btnImageClick);
    bind(AnimacjFLASH1, &THTMLEdit::SpeedButton7Click);
    bind(Film1, &THTMLEdit::SpeedButton10Click);
    bind(Linipoziom1, &THTMLEdit::btnHRClick);
    bind(Animowanytekst1, &THTMLEdit::SpeedButton9Click);
    bind(abelk1, &THTMLEdit::SpeedButton11Click);
    bind(RamkIFRAME1, &THTMLEdit::SpeedButton12Click);
    bind(Pywajcwarst1, &THTMLEdit::btnUser4Click);
    bind(oikolory1, &THTMLEdit::SpeedButton3Click);
    bind(Sowakluczowe1, &THTMLEdit::SpeedButton2Click);
    bind(ytustrony1, &THTMLEdit::btnUser1Click);
    bind(Kopiouj1, &THTMLEdit::btnCopyClick);
    bind(Wytnij1, &THTMLEdit::btnCutClick);
    bind(Wklej1, &THTMLEdit::btnPasteClick);
    PopupMenu1->onPopup = [this] { PopupMenu1Popup(); };

    // The special characters: each item puts its character reference at the
    // selection.
    const std::pair<forms::MenuItem*, const char*> characters[] = {
        {N4, "&amp;"},      {Znaktowr1, "&copy;"}, {N5, "&sect;"},   {N6, "&euro;"},   {N7, "&trade;"},
        {N8, "&lsquo;"},    {N9, "&rsquo;"},       {N10, "&rdquo;"}, {N11, "&ldquo;"}, {N12, "&#196;"},
        {N13, "&#203;"},    {N14, "&#214;"},       {N15, "&#220;"},  {N16, "&szlig;"}, {N17, "&#228;"},
        {N19, "&#235;"},    {N18, "&#246;"},       {N20, "&#252;"},  {N21, "&plusmn;"}, {N22, "&deg;"},
        {N23, "&reg;"},
    };
    for (const auto& [item, reference] : characters) {
        std::string html = reference;
        item->onClick = [this, html] { InsertHTML(html); };
    }
    // The toolbar buttons of the insert commands and the symbols button carry
    // the special characters as their right-click menu.
    for (forms::SpeedButton* b :
         {SpeedButton7, SpeedButton8, SpeedButton9, SpeedButton10, SpeedButton11, SpeedButton12, btnUser2})
        PopupMenu2->attachTo(*b);

    htmledit::Events& ev = control_->events();
    ev.ondblclick = [this] { DHTMLondblclick(); };
    ev.showContextMenu = [this](int, int) { guarded([this] { DHTMLShowContextMenu(); }); };
}

htmledit::Element THTMLEdit::GetSelectedElement() {
    htmledit::Element e;
    quietly([&] {
        htmledit::Selection sel = GetDocument().selection();
        htmledit::Range range = sel.createRange();
        e = sel.type() == "Control" ? range.commonParentElement() : range.parentElement();
    });
    return e;
}

void THTMLEdit::DHTMLondblclick() {
    quietly([this] {
        htmledit::Selection sel = GetDocument().selection();
        htmledit::Range range = sel.createRange();
        if (sel.type() != "Control") return;
        switch (elementDialogFor(range.commonParentElement().tagName())) {
        case ElementDialog::Image: EditImage(""); break;
        case ElementDialog::ScrollingText: SpeedButton9Click(); break;
        case ElementDialog::Table: SpeedButton11Click(); break;
        case ElementDialog::Flash: EditFlash(""); break;
        case ElementDialog::Video: SpeedButton10Click(); break;
        case ElementDialog::InlineFrame: SpeedButton12Click(); break;
        case ElementDialog::None: break;
        }
    });
}

namespace {

void toggle(THTMLEdit& frame, InlineMarkup markup) {
    quietly([&] {
        htmledit::Range range = frame.GetDocument().selection().createRange();
        range.pasteHTML(toggleInlineMarkup(markup, range.htmlText()));
    });
}

}  // namespace

void THTMLEdit::SpeedButton4Click() { toggle(*this, InlineMarkup::Strike); }
void THTMLEdit::SpeedButton5Click() { toggle(*this, InlineMarkup::Superscript); }
void THTMLEdit::SpeedButton6Click() { toggle(*this, InlineMarkup::Subscript); }

void THTMLEdit::btnUser2Click() { PopupMenu2->popup(); }

void THTMLEdit::DHTMLShowContextMenu() { PopupMenu1->popup(); }

void THTMLEdit::PopupMenu1Popup() {
    quietly([this] {
        GetDocument();  // no document: the item stays as it was
        htmledit::Element e = GetSelectedElement();
        if (!e) return;
        Komrka1->setEnabled(text::lower(e.tagName()) == "td");
    });
}

// The cell commands act on the element of the selection, which is the cell
// whenever "Komórka" is enabled; a failure ends the command.
void THTMLEdit::Kolor1Click() {
    if (!cdColor->execute()) return;
    htmledit::Element cell = GetSelectedElement();
    if (!cell) throw htmledit::Error("no element is selected");
    cell.style().set("background", util_getcolor(cdColor->color));
}

namespace {

void alignCell(THTMLEdit& frame, const char* value) {
    htmledit::Element cell = frame.GetSelectedElement();
    if (!cell) throw htmledit::Error("no element is selected");
    cell.setAttribute("valign", value);
}

}  // namespace

void THTMLEdit::Dogry1Click() { alignCell(*this, "top"); }
void THTMLEdit::rodek1Click() { alignCell(*this, "middle"); }
void THTMLEdit::d1Click() { alignCell(*this, "bottom"); }

}  // namespace pageeditor
