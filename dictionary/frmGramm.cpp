#include "dictionary/frmGramm.h"

#include "browser/WebBrowser.h"
#include "dictionary/GrammarTopics.h"
#include "dictionary/Program.h"
#include "forms/ComboBox.h"
#include "forms/Label.h"
#include "forms/ModalAnswers.h"
#include "forms/Shape.h"
#include "text/CodePage.h"

namespace dictionary {

using namespace text::literals;

namespace {
constexpr std::uint32_t kLightGrey = 0xE0E0E0;
}

frmGramm::frmGramm() : forms::Form("frmGramm", forms::Scale::Pixels) {
    printPage = [](browser::WebBrowser& b) {
        b.execCommand(browser::WebBrowser::PageSetup, false);
        b.execCommand(browser::WebBrowser::Print, true);
    };
}

void frmGramm::createControls() {
    setBorder(Border::Fixed);
    setMaxButton(false);
    setBackColor(forms::color::White);
    setClientSize(684, 523);

    auto frame = [this](const char* name, int l, int t, int w, int h) {
        auto* s = add<forms::Shape>(name);
        s->move(l, t, w, h);
        s->setFillStyle(forms::Shape::Fill::Solid);
        s->setFillColor(forms::color::White);
        return s;
    };
    Shape2 = frame("Shape2", 504, 6, 37, 40);
    Shape3 = frame("Shape3", 546, 6, 37, 40);
    Shape1 = frame("Shape1", 594, 12, 79, 28);

    auto label = [this](const char* name, int l, int t, int w, int h, forms::Font f, const std::string& caption) {
        auto* x = add<forms::Label>(name);
        x->move(l, t, w, h);
        x->setFont(f);
        x->setTransparent(true);
        x->setCaption(caption);
        return x;
    };
    Label3 = label("Label3", 12, 12, 172, 40, {"Arial", 24, true, true}, "");
    // Wide enough for the longest subtitle in two lines, up to the back button.
    Label1 = label("Label1", 189, 20, 310, 40, {"Arial", 12, true, true}, "");
    Label1->setWordWrap(true);
    Label4 = label("Label4", 507, 9, 28, 28, {"Arial", 20.25, true}, "<");
    Label5 = label("Label5", 552, 9, 31, 31, {"Arial", 20.25, true}, ">");
    Label2 = label("Label2", 597, 18, 73, 16, {"Arial", 9.75, true}, "Drukuj");
    Label4->setAlignment(forms::Alignment::Center);
    Label5->setAlignment(forms::Alignment::Center);
    Label2->setAlignment(forms::Alignment::Center);
    wireButton(Label4, Shape2, &frmGramm::Label4_Click);
    wireButton(Label5, Shape3, &frmGramm::Label5_Click);
    wireButton(Label2, Shape1, &frmGramm::Label2_Click);

    Combo1 = add<forms::ComboBox>("Combo1", nullptr, forms::ComboBox::Style::DropDownList, true);
    Combo1->move(6, 60, 670, 21);
    for (const auto& t : GrammarTopics::all()) Combo1->addItem(t.title);
    Combo1->onClick = [this] { Combo1_Click(); };

    WebBrowser1 = add<browser::WebBrowser>("WebBrowser1");
    WebBrowser1->move(6, 84, 670, 433);
}

// The hover family: the frame grey while the pointer is over its button, the
// caption red while a mouse button is held on it.
void frmGramm::wireButton(forms::Label* label, forms::Shape* frame, void (frmGramm::*click)()) {
    label->onMouseMove = [frame](int, int, float, float) { frame->setFillColor(kLightGrey); };
    label->onMouseDown = [label](int, int, float, float) { label->setForeColor(0x0000FF); };
    label->onMouseUp = [label, frame](int, int, float, float) {
        label->setForeColor(0x000000);
        frame->setFillColor(forms::color::White);
    };
    label->onClick = [this, click] { (this->*click)(); };
}

void frmGramm::Form_MouseMove() {
    Shape1->setFillColor(forms::color::White);
    Shape2->setFillColor(forms::color::White);
    Shape3->setFillColor(forms::color::White);
}

std::string frmGramm::pagePath(const std::string& name) const {
    return (Program::current().folder() / name).string();
}

void frmGramm::Form_Load() {
    setIcon(pagePath("ikona.ico"));
    // The first topic is selected without showing its page: the opener
    // shows its own page next, and the history starts with that one.
    loading_ = true;
    Combo1->setText(Combo1->list(0));
    loading_ = false;
}

void frmGramm::setGrammarControls(bool visible) {
    for (forms::Control* c : {static_cast<forms::Control*>(Shape2), static_cast<forms::Control*>(Shape3),
                              static_cast<forms::Control*>(Label4), static_cast<forms::Control*>(Combo1),
                              static_cast<forms::Control*>(Label5)})
        c->setVisible(visible);
}

bool frmGramm::open(Page page) {
    struct Values {
        const char* caption;
        const char* title;
        const char* subtitle;
        const char* file;
    };
    static const Values values[] = {
        {"Linki", "Linki", "", "linki.html"},
        {"Wymowa", "Wymowa", "porady, jak wymawiać głoski i akcentować wyrazy", "fonetyka.html"},
        {"Dodatek gramatyczny", "Grammatik", "dodatek gramatyczny", "gramm.html"},
    };
    const Values& v = values[static_cast<int>(page)];
    show();
    if (!isLoaded() || !WebBrowser1) {
        forms::modal().messageBox("Błąd"_w, "", forms::mb::OkOnly);
        unload();
        return false;
    }
    setCaption(text::ansi(v.caption));
    Label1->setCaption(text::ansi(v.subtitle));
    Label3->setCaption(text::ansi(v.title));
    if (page == Page::Grammar) setGrammarControls(true);
    // A page the browser cannot show is its own to report (an error page);
    // only a failure of the window itself closes it.
    WebBrowser1->navigate(pagePath(v.file));
    if (page != Page::Grammar) setGrammarControls(false);
    return true;
}

void frmGramm::Combo1_Click() {
    if (loading_) return;
    const std::string page = GrammarTopics::pageAt(Combo1->listIndex());
    if (!page.empty()) WebBrowser1->navigate(pagePath(page));
}

void frmGramm::Label4_Click() { WebBrowser1->goBack(); }
void frmGramm::Label5_Click() { WebBrowser1->goForward(); }

void frmGramm::Label2_Click() {
    forms::modal().messageBox(
        "W oknie Ustawienia strony wyczyść pola Nagłówek i Stopka, jeśli nie chcesz wydruku lokalizacji pliku na "
        "dysku i numeru strony. Możesz także ustawić inne parametry strony. Po wykonaniu tych czynności kliknij OK, "
        "aby wyświetlić okno drukowania."_w,
        "", forms::mb::OkOnly);
    if (printPage) printPage(*WebBrowser1);
}

}  // namespace dictionary
