// The editor frame's routines of the link, media and page body dialogs: each
// reads the element of the selection back into its dialog, shows it and
// applies the result to the page.
#include <optional>
#include <string>
#include <tuple>

#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/TextBox.h"
#include "htmledit/Document.h"
#include "htmledit/EditControl.h"
#include "htmledit/Element.h"
#include "htmledit/Error.h"
#include "htmledit/Range.h"
#include "htmledit/Selection.h"
#include "htmledit/Style.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/DialogForms.h"
#include "pageeditor/dialogs/LinkMarkup.h"
#include "pageeditor/dialogs/MediaMarkup.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/dialogs/TagText.h"
#include "pageeditor/dialogs/Tbody.h"
#include "pageeditor/dialogs/Tflashins.h"
#include "pageeditor/dialogs/Tiframe.h"
#include "pageeditor/dialogs/Tlinkinsert.h"
#include "pageeditor/dialogs/Tmarquee.h"
#include "pageeditor/dialogs/Tmovie.h"
#include "pageeditor/dialogs/WholeNumber.h"
#include "pageeditor/frame/HtmlColor.h"
#include "pageeditor/frame/IFrameHost.h"
#include "pageeditor/frame/PositionStyle.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "text/CaseRules.h"

namespace pageeditor {

namespace {

using htmledit::Element;

DialogForms& dialogs() {
    DialogForms* f = dialogForms();
    if (!f) throw htmledit::Error("the editor's dialogs are not made");
    return *f;
}

// Runs one step of a read-back; a failing value leaves the dialog's value.
template <class F>
void quietly(F f) {
    try {
        f();
    } catch (...) {
    }
}

// The value of `attribute` on the first `tag` inside the markup for which
// `wanted` holds; "" when there is none.
template <class F>
std::string innerTagAttribute(const std::string& inner, const char* tag, const char* attribute, F wanted) {
    for (std::optional<TagInMarkup> t = nextTag(inner, 0); t; t = nextTag(inner, t->end)) {
        if (t->closing || t->name != tag) continue;
        const std::string_view markup = std::string_view(inner).substr(t->at, t->end - t->at);
        if (wanted(markup)) return tagAttribute(markup, attribute);
    }
    return {};
}

// The value of a PARAM inside an OBJECT: the engine keeps a movie's name
// there rather than as an attribute of the object.
std::string paramValue(const std::string& inner, const std::string& name) {
    return innerTagAttribute(inner, "param", "value",
                             [&](std::string_view tag) { return text::equalsNoCase(tagAttribute(tag, "name"), name); });
}

// An attribute of the EMBED that an OBJECT holds for the browsers that read
// no PARAMs.
std::string embedAttribute(const std::string& inner, const char* name) {
    return innerTagAttribute(inner, "embed", name, [](std::string_view) { return true; });
}

// The item of the list that reads as `wanted` without regard to case (and,
// when `blanks` is false, to blanks: "autohigh" is "auto high"); -1 for none.
int itemLike(const forms::ComboBox& box, const std::string& wanted, bool blanks = true) {
    auto key = [blanks](std::string s) {
        if (!blanks) std::erase(s, ' ');
        return text::lower(s);
    };
    for (int i = 0; i < box.listCount(); ++i)
        if (key(box.list(i)) == key(wanted)) return i;
    return -1;
}

bool isElement(const Element& e, const char* tag) {
    try {
        return e && text::lower(e.tagName()) == tag;
    } catch (...) {
        return false;
    }
}

void setAttributes(Element& e, const AttributeChanges& changes) {
    for (const AttributeChange& c : changes) e.setAttribute(c.name, c.value);
}

// The frame of the active document window, where the Flash, scrolling-text
// and inline-frame dialogs put their tag; this frame when there is none.
IEditorFrame& insertionFrame(THTMLEdit& self) {
    if (IFrameHost* host = frameHost())
        if (IEditorFrame* f = host->activeFrame()) return *f;
    return self;
}

// The selected element when whole elements are selected, else none.
Element controlSelection(THTMLEdit& frame) {
    htmledit::Selection sel = frame.GetDocument().selection();
    if (sel.type() != "Control") return {};
    return sel.createRange().commonParentElement();
}

// The position box and the geometry of an element read back, its size
// attributes counted.
void readPosition(const Element& e, forms::CheckBox& box, std::string& geometry) {
    PositionReadBack p = readPositionAndSize(e);
    box.setValue(p.relativeToText ? 1 : 0);
    geometry = p.geometry;
}

// The position box as OK left it, set on an edited element when it differs
// from what was read back.
void setPositionBoxIfChanged(const Element& e, bool shown, bool now) {
    if (now != shown) setPositionBox(e, now);
}

}  // namespace

// ---------------------------------------------------------------------------
// Link.

void THTMLEdit::SpeedButton1Click() { EditLink({}); }

void THTMLEdit::EditLink(const std::string& FileName) {
    try {
        htmledit::EditControl* engine = control_->engine();
        if (!engine || !engine->documentReady()) return;
        Tlinkinsert& d = *dialogs().linkinsert;
        htmledit::Selection sel = GetDocument().selection();
        htmledit::Range range = sel.createRange();
        const bool control = sel.type() == "Control";
        Element start = control ? range.commonParentElement() : range.parentElement();
        Element e = start;
        for (; e; e = e.parentElement()) {
            std::string tag = text::lower(e.tagName());
            if (tag == "body" || tag == "a") break;
        }
        if (!e) return;

        if (text::lower(e.tagName()) == "a") {
            d.edit971->setText(e.getAttribute("href"));
            d.Edit972->setText(e.getAttribute("title"));
            d.ComboBox1->setListIndex(d.targetIndex(e.getAttribute("target")));
            d.NewLink = 0;
            const std::string shownTitle = d.Edit972->text();
            const int shownTarget = d.ComboBox1->listIndex();
            if (!FileName.empty()) d.edit971->setText(FileName);
            if (d.showModal() != 1) return;
            // What the user left as it was keeps the link's own markup.
            const std::string address = d.edit971->text();
            if (address.empty())
                ExecControlCommand(htmledit::ctl::Unlink);
            else if (address != e.getAttribute("href"))
                e.setAttribute("href", address);
            if (d.Edit972->text() != shownTitle) e.setAttribute("title", d.Edit972->text());
            int t = d.ComboBox1->listIndex();
            if (t != shownTarget && t >= 0 && t < static_cast<int>(d.LinkTargets.size()))
                e.setAttribute("target", d.LinkTargets[t]);
            return;
        }

        d.NewLink = 1;
        d.edit971->setText(FileName);
        d.Edit972->setText({});
        if (d.showModal() != 1) return;
        const std::string address = d.edit971->text();
        int t = d.ComboBox1->listIndex();
        std::string target = t >= 0 && t < static_cast<int>(d.LinkTargets.size()) ? d.LinkTargets[t] : std::string();
        std::string note = d.downloadNoteFor(address);
        try {
            if (!control) {
                // At a bare caret the address is the link's text, so the
                // link is not an empty anchor nobody can see or click.
                std::string content = range.htmlText();
                if (content.empty()) content = quotedValue(address);
                range.pasteHTML(linkAnchor(address, d.Edit972->text(), target, content, note));
            } else {
                start.setOuterHTML(linkAnchor(address, d.Edit972->text(), target, start.outerHTML(), note));
            }
        } catch (...) {
        }
    } catch (...) {
        // The page stays as it was at the failing step; nothing is shown.
    }
}

// ---------------------------------------------------------------------------
// Flash movie.

void THTMLEdit::SpeedButton7Click() { EditFlash({}); }

void THTMLEdit::EditFlash(const std::string& FileName) {
    Tflashins* d = nullptr;
    Element e;
    struct Shown {
        std::string file;
        int quality;
        bool relative;
        std::string geometry;
        bool operator==(const Shown&) const = default;
    };
    auto shownNow = [&d] {
        return Shown{d->Edit1->text(), d->ComboBox1->listIndex(), d->CheckBox3->checked(), d->Geometry};
    };
    std::optional<Shown> readBack;
    try {
        d = dialogs().flashins.get();
    } catch (...) {
        return;
    }
    d->PageFile.reset();
    try {
        e = controlSelection(*this);
        if (e) {
            // The movie as the object names it: an attribute of its own, its
            // PARAMs, or the EMBED inside it; a quality it does not give is
            // the player's own, "high".
            const std::string inner = e.innerHTML();
            std::string movie = e.getAttribute("movie");
            if (movie.empty()) movie = paramValue(inner, "movie");
            if (movie.empty()) movie = paramValue(inner, "src");
            if (movie.empty()) movie = e.getAttribute("data");
            if (movie.empty()) movie = embedAttribute(inner, "src");
            d->Edit1->setText(movie);
            std::string quality = e.getAttribute("quality");
            if (quality.empty()) quality = paramValue(inner, "quality");
            if (quality.empty()) quality = embedAttribute(inner, "quality");
            if (int i = itemLike(*d->ComboBox1, quality.empty() ? "high" : quality, false); i >= 0)
                d->ComboBox1->setListIndex(i);
            readPosition(e, *d->CheckBox3, d->Geometry);
            d->PageFile = d->Edit1->text();
            readBack = shownNow();
        } else {
            d->Edit1->setText(FileName);
        }
    } catch (...) {
        // A failing read-back ends there; the dialog is shown in any case.
    }
    if (d->showModal() != 1) return;
    // A movie read back and left as it was keeps its own markup.
    const Shown now = shownNow();
    if (readBack && *readBack == now) return;
    if (readBack && isElement(e, "object")) {
        // Only what the user changed is written into the object's markup.
        quietly([&] {
            setPositionBoxIfChanged(e, readBack->relative, now.relative);
            std::optional<std::string> file, quality;
            if (now.file != readBack->file) file = now.file;
            if (now.quality != readBack->quality) quality = d->ComboBox1->text();
            if (file || quality) e.setOuterHTML(flashWithChanges(e.outerHTML(), file, quality));
        });
        return;
    }
    std::string s = positionStyleText(d->CheckBox3->checked(), d->Geometry);
    insertionFrame(*this).InsertHTML(flashTag(s, d->Edit1->text(), d->ComboBox1->text()));
}

// ---------------------------------------------------------------------------
// Scrolling text.

void THTMLEdit::SpeedButton9Click() {
    Tmarquee& d = *dialogs().marquee;
    Element e;
    quietly([&] { e = controlSelection(*this); });
    if (e) {
        // Each field shows what the element gives; what it leaves out is
        // shown as the engine plays it: no alignment, direction, behaviour or
        // colour of its own, a speed of 6 and a delay of 85, for ever.
        quietly([&] {
            d.Edit1->setText(e.innerHTML());
            d.ComboBox1->setText(e.getAttribute("align"));
        });
        quietly([&] {
            const std::string v = e.getAttribute("behavior");
            const int i = itemLike(*d.ComboBox3, v);
            d.ComboBox3->setText(i >= 0 ? d.ComboBox3->list(i) : v);
        });
        quietly([&] { d.setColour(HTMLColorToColor(e.getAttribute("bgcolor"))); });
        quietly([&] { d.ComboBox2->setText(e.getAttribute("direction")); });
        quietly([&] { d.SpinEdit5->setValue(leadingNumber(e.getAttribute("scrollamount"), 6, 6)); });
        quietly([&] { d.SpinEdit4->setValue(leadingNumber(e.getAttribute("scrolldelay"), 85, 85)); });
        quietly([&] { readPosition(e, *d.CheckBox3, d.Geometry); });
        quietly([&] {
            const std::optional<long> count = marqueeLoopCount(e.getAttribute("loop"));
            if (count) d.SpinEdit7->setValue(*count);
            d.setEndless(!count);
        });
    }
    // What the dialog shows of an element read back: OK without a change
    // keeps the element's own markup.
    const auto shownNow = [&d] { return std::make_tuple(d.values(), d.CheckBox3->checked(), d.Geometry); };
    const auto shown = shownNow();
    if (d.showModal() != 1) return;
    const auto now = shownNow();
    if (e && now == shown) return;
    if (isElement(e, "marquee")) {
        // Only what the user changed is written; the element keeps its start
        // tag, and its content unless the text was changed.
        quietly([&] {
            const MarqueeValues& was = std::get<0>(shown);
            const MarqueeValues& is = std::get<0>(now);
            setAttributes(e, marqueeChanges(was, is));
            setPositionBoxIfChanged(e, std::get<1>(shown), std::get<1>(now));
            if (is.text == was.text) return;
            const std::string html = withElementContent(e.outerHTML(), e.innerHTML(), is.text, "MARQUEE");
            if (!html.empty()) e.setOuterHTML(html);
        });
        return;
    }
    std::string s = positionStyleText(d.CheckBox3->checked(), d.Geometry);
    insertionFrame(*this).InsertHTML(marqueeTag(s, d.values()));
}

// ---------------------------------------------------------------------------
// Video.

void THTMLEdit::SpeedButton10Click() {
    Tmovie& d = *dialogs().movie;
    Element e;
    quietly([&] { e = controlSelection(*this); });
    if (e) {
        quietly([&] { d.Edit1->setText(e.getAttribute("src")); });
        quietly([&] { readPosition(e, *d.CheckBox3, d.Geometry); });
    }
    d.PageFile = e ? d.Edit1->text() : std::string();
    const auto shownNow = [&d] { return std::make_tuple(d.Edit1->text(), d.CheckBox3->checked(), d.Geometry); };
    const auto shown = shownNow();
    Tmovie::styleText = [](bool relative, const std::string& geometry) { return positionStyleText(relative, geometry); };
    std::string tag = d.movie_getmovie();
    if (tag.empty()) return;
    const auto now = shownNow();
    if (e && now == shown) return;  // OK without a change keeps the element as it is
    if (isElement(e, "embed")) {
        // Only what the user changed is written.
        quietly([&] {
            if (std::get<0>(now) != std::get<0>(shown)) e.setAttribute("SRC", std::get<0>(now));
            setPositionBoxIfChanged(e, std::get<1>(shown), std::get<1>(now));
        });
        return;
    }
    InsertHTML(tag);
}

// ---------------------------------------------------------------------------
// Inline frame.

void THTMLEdit::SpeedButton12Click() {
    Tiframe& d = *dialogs().iframe;
    Element e;
    quietly([&] { e = controlSelection(*this); });
    if (e) {
        // Each field shows what the frame gives: a name, source or alignment
        // it does not give is none.
        quietly([&] { d.FilenameEdit1->setText(e.getAttribute("src")); });
        quietly([&] { d.CheckBox3->setValue(positionBoxTicked(e.style().position()) ? 1 : 0); });
        quietly([&] { d.Edit1->setText(e.getAttribute("name")); });
        quietly([&] { d.ComboBox1->setText(e.getAttribute("align")); });
        // A frame border of "0" is no border.
        quietly([&] {
            std::string v = e.getAttribute("frameborder");
            d.CheckBox1->setValue(!v.empty() && v != "0" ? 1 : 0);
        });
        quietly([&] { d.Geometry = readPositionAndSize(e).geometry; });
    }
    d.PageSource = e ? d.FilenameEdit1->text() : std::string();
    const auto shownNow = [&d] { return std::make_tuple(d.values(), d.CheckBox3->checked(), d.Geometry); };
    const auto shown = shownNow();
    if (d.showModal() != 1) return;
    const auto now = shownNow();
    if (e && now == shown) return;  // OK without a change keeps the frame as it is
    if (isElement(e, "iframe")) {
        // Only what the user changed is written.
        quietly([&] {
            setAttributes(e, iframeChanges(std::get<0>(shown), std::get<0>(now)));
            setPositionBoxIfChanged(e, std::get<1>(shown), std::get<1>(now));
        });
        return;
    }
    std::string s = positionStyleText(d.CheckBox3->checked(), d.Geometry);
    insertionFrame(*this).InsertHTML(iframeTag(s, d.values()));
}

// ---------------------------------------------------------------------------
// Page body.

void THTMLEdit::SpeedButton3Click() {
    try {
        htmledit::EditControl* engine = control_->engine();
        if (!engine || !engine->documentReady()) return;
        Tbody& d = *dialogs().body;
        Element e = GetSelectedElement();
        while (text::lower(e.tagName()) != "body") e = e.parentElement();

        // The style's background may hold a picture, a colour or both.
        const Tbody::StyleBackground bg = Tbody::splitStyleBackground(e.style().background());
        if (!bg.picture.empty()) d.Edit1->setText(bg.picture);
        d.setBox(d.CheckBox1, !bg.picture.empty());
        if (!bg.colour.empty()) d.setPanelColour(1, HTMLColorToColor(bg.colour));
        d.setBox(d.CheckBox2, !bg.colour.empty());
        // The page's own colour attribute is shown as the page colour, so
        // that OK does not paint over it with the last colour used.
        const std::string bgcolor = e.getAttribute("bgcolor");
        if (!bgcolor.empty()) {
            if (bg.colour.empty()) d.setPanelColour(1, HTMLColorToColor(bgcolor));
            d.setBox(d.CheckBox2, true);
        }
        std::string picture = e.getAttribute("background");
        if (!picture.empty()) {
            d.Edit1->setText(picture);
            d.setBox(d.CheckBox1, true);
        } else if (bg.picture.empty()) {
            d.setBox(d.CheckBox1, false);
        }
        // Each colour is ticked exactly when the page gives it, so that the
        // dialog shows the page and not its own last use.
        const char* names[] = {"text", "link", "alink", "vlink"};
        forms::CheckBox* boxes[] = {d.CheckBox3, d.CheckBox4, d.CheckBox5, d.CheckBox6};
        for (int i = 0; i < 4; ++i) {
            std::string v = e.getAttribute(names[i]);
            if (!v.empty()) d.setPanelColour(i + 2, HTMLColorToColor(v));
            d.setBox(boxes[i], !v.empty());
        }
        d.PagePicture = d.CheckBox1->checked() ? d.Edit1->text() : std::string();

        // What the dialog shows of the page: OK writes only what differs.
        const Tbody::Attributes shown = d.attributes();
        if (d.showModal() != 1) return;
        const Tbody::Attributes a = d.attributes();
        // OK names a picture of the media folder with backslashes; the same
        // picture named with forward slashes is no change.
        if (withSeparators(a.background, '/') != withSeparators(shown.background, '/'))
            e.setAttribute("background", a.background);
        if (a.styleBackground != shown.styleBackground) e.style().setBackground(a.styleBackground);
        if (a.text != shown.text) e.setAttribute("text", a.text);
        if (a.link != shown.link) e.setAttribute("link", a.link);
        if (a.alink != shown.alink) e.setAttribute("alink", a.alink);
        if (a.vlink != shown.vlink) e.setAttribute("vlink", a.vlink);
    } catch (...) {
        // Nothing is reported; the element stays as far as it was written.
    }
}

}  // namespace pageeditor
