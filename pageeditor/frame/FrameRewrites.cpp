// The editor frame's whole-document rewrites: the page title, the keywords
// and description, the page-size marker and the background sound. Each takes
// the document's text, changes it as 8-bit text and sets it back; setting the
// text reloads the document, so its base address is read first and set back.
#include "forms/ComboBox.h"
#include "forms/TextBox.h"
#include "htmledit/EditControl.h"
#include "htmledit/Error.h"
#include "pageeditor/dialogs/DialogForms.h"
#include "pageeditor/dialogs/Tdlgfrm.h"
#include "pageeditor/dialogs/Tinsert_snd.h"
#include "pageeditor/dialogs/Tkeyform.h"
#include "pageeditor/frame/DocumentRewrite.h"
#include "pageeditor/frame/IFrameHost.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "text/CodePage.h"

namespace pageeditor {

using namespace text::literals;

namespace {

htmledit::EditControl& engineOf(DhtmlControl& control) {
    htmledit::EditControl* e = control.engine();
    if (!e) throw htmledit::Error("the control has no document");
    return *e;
}

std::string translated(const std::string& s) {
    IFrameHost* host = frameHost();
    return host ? host->tr(s) : s;
}

}  // namespace

void THTMLEdit::rewriteDocument(const std::string& html, const std::string& baseURL) {
    htmledit::EditControl& e = engineOf(*control_);
    e.setDocumentHTML(html);
    e.setBaseURL(baseURL);
}

void THTMLEdit::btnUser1Click() {
    htmledit::EditControl& e = engineOf(*control_);
    std::string current = GetDocument().title();
    std::string result;
    DialogForms* all = dialogForms();
    if (!all || !all->dlgfrm) return;
    all->dlgfrm->input_box(translated("Podaj nowy tytuł:"_w), translated("Tytuł dokumentu:"_w), result,
                           translated("&Anuluj"), translated("&OK"), current);
    std::string base = e.baseURL();
    // The title shown is the program's text, which lacks some letters a page
    // may have there ("?" in their place): left as shown, the page's title
    // stays as it is.
    if (!result.empty() && result != current) SetTitle(result);
    e.setBaseURL(base);
}

void THTMLEdit::SetTitle(const std::string& title) {
    htmledit::EditControl& e = engineOf(*control_);
    std::string base = e.baseURL();
    std::string html = control_->DocumentHTML();
    if (SetTitleText(html, PageValue(title))) rewriteDocument(html, base);
}

void THTMLEdit::SpeedButton2Click() {
    DialogForms* all = dialogForms();
    if (!all || !all->keyform) return;
    Tkeyform& k = *all->keyform;
    htmledit::EditControl& e = engineOf(*control_);
    // The memos show what the page says; only a value the user changed is
    // written, and the rest of the head stays as it is.
    const HeadMeta page = ReadHeadMeta(control_->DocumentHTML());
    k.Memo1->setText(page.keywords);
    k.Memo2->setText(page.description);
    if (k.showModal() != 1) return;
    auto changed = [](const std::string& typed, const std::string& shown) {
        return typed == shown ? std::nullopt : std::optional<std::string>(MarkupValue(typed));
    };
    const std::optional<std::string> keywords = changed(k.Memo1->text(), page.keywords);
    const std::optional<std::string> description = changed(k.Memo2->text(), page.description);
    if (!keywords && !description) return;
    std::string html = control_->DocumentHTML();
    std::string base = e.baseURL();
    rewriteDocument(ReplaceHeadMeta(html, keywords, description, e.charsetByMark()), base);
}

void THTMLEdit::ComboBox1Change() {
    if (!SizeMarkerRead) return;
    const PageSize* size = pageSizeAt(ComboBox1->listIndex());
    if (!size) return;
    if (sizeWindow) sizeWindow(size->width, size->height);
    SetSizeMarker(size->marker);
}

void THTMLEdit::SetSizeMarker(const std::string& marker) {
    htmledit::EditControl& e = engineOf(*control_);
    std::string base = e.baseURL();
    if (marker.empty()) return;
    rewriteDocument(PlaceSizeMarker(control_->DocumentHTML(), marker), base);
}

void THTMLEdit::SpeedButton8Click() {
    DialogForms* all = dialogForms();
    if (!all || !all->insert_snd) return;
    htmledit::EditControl& e = engineOf(*control_);
    std::string base = e.baseURL();
    std::string tag = all->insert_snd->snd_getsnd();
    if (tag.empty()) return;
    std::string html = control_->DocumentHTML();
    rewriteDocument(PlaceBackgroundSound(html, tag), base);
}

}  // namespace pageeditor
