#include "pageeditor/dialogs/Tbody.h"

#include "forms/CheckBox.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/Shape.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/ColourChooser.h"
#include "pageeditor/dialogs/DialogSupport.h"
#include "pageeditor/dialogs/FileChooser.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace pageeditor {

Tbody::Tbody() : EditorDialog("Tbody", "Edytor sekcji BODY:", 460, 300) {}

void Tbody::createControls() {
    using namespace forms;
    using text::ansi;
    Bevel1 = add<Shape>("Bevel1");
    Bevel1->move(6, 6, 448, 236);
    Bevel1->setFillStyle(Shape::Fill::Transparent);
    SpeedButton1 = addButton("SpeedButton1", "&OK", 256, 250, 96, 40, [this] { SpeedButton1Click(); });
    SpeedButton2 = addButton("SpeedButton2", "&Anuluj", 358, 250, 96, 40, [this] { SpeedButton2Click(); });
    Label1 = add<Label>("Label1");
    Label1->move(16, 14, 200, 18);
    Label1->setShowAccelChar(true);
    Label1->setCaption("&Elementy:");
    SpeedButton3 = add<SpeedButton>("SpeedButton3");
    SpeedButton3->move(410, 38, 30, 24);
    SpeedButton3->setCaption("...");
    SpeedButton3->setEnabled(false);
    SpeedButton3->onClick = guarded([this] { SpeedButton3Click(); });
    Label2 = add<Label>("Label2");
    Label2->move(250, 76, 190, 18);
    Label2->setCaption(ansi("Podgląd:"));
    const std::pair<const char*, const char*> boxes[] = {
        {"CheckBox1", "&Podkład"}, {"CheckBox2", "&Tło dokumentu:"}, {"CheckBox3", "&Tekst"},
        {"CheckBox4", "&Odnośniki"}, {"CheckBox5", "&Aktywne"}, {"CheckBox6", "&Odwiedzone"}};
    const std::uint32_t colours[] = {0xFFFFFF, 0, 0xFF0000, 0x0000FF, 0x808040};
    for (int i = 0; i < 6; ++i) {
        CheckBox* c = add<CheckBox>(boxes[i].first);
        c->move(16, 40 + 32 * i, 140, 20);
        c->setCaption(ansi(boxes[i].second));
        c->onClick = guarded([this, i] { CheckBoxClick(i + 1); });
        (i == 0 ? CheckBox1 : i == 1 ? CheckBox2 : i == 2 ? CheckBox3 : i == 3 ? CheckBox4 : i == 4 ? CheckBox5 : CheckBox6) = c;
        if (i == 0) continue;
        Panel* p = add<Panel>("Panel" + std::to_string(i));
        p->move(164, 38 + 32 * i, 60, 24);
        p->setBevel(Panel::Bevel::Lowered);
        p->setBackColor(colours[i - 1]);
        p->setEnabled(false);
        p->onClick = guarded([this, i] { PanelClick(i); });
        (i == 1 ? Panel1 : i == 2 ? Panel2 : i == 3 ? Panel3 : i == 4 ? Panel4 : Panel5) = p;
    }
    Panel6 = add<Panel>("Panel6");
    Panel6->move(250, 96, 190, 136);
    Panel6->setBevel(Panel::Bevel::Lowered);
    Panel6->setBackColor(0xFFFFFF);
    const std::pair<const char*, const char*> previews[] = {{"Label3", "Kolor tekstu"},
                                                            {"Label4", "Kolor odnośników"},
                                                            {"Label5", "Kolor aktywnych odnośników"},
                                                            {"Label6", "Kolor odwiedzonych odnośnikow"}};
    const std::uint32_t fonts[] = {0, 0xFF0000, 0x0000FF, 0x808000};
    for (int i = 0; i < 4; ++i) {
        Label* l = add<Label>(previews[i].first, Panel6);
        l->move(8, 8 + 30 * i, 176, 18);
        l->setTransparent(true);
        l->setCaption(ansi(previews[i].second));
        if (i > 0) {
            Font f = l->font();
            f.underline = true;
            l->setFont(f);
        }
        l->setForeColor(fonts[i]);
        (i == 0 ? Label3 : i == 1 ? Label4 : i == 2 ? Label5 : Label6) = l;
    }
    Edit1 = add<TextBox>("Edit1");
    Edit1->move(164, 38, 240, 24);
    Edit1->setEnabled(false);
    OpenPictureDialog1 = add<FileChooser>(
        "OpenPictureDialog1",
        "Wszystkie (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.gif)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.gif|"
        "Obrazy JPEG (*.jpg)|*.jpg|Obrazy JPEG  (*.jpeg)|*.jpeg|Bitmapy (*.bmp)|*.bmp|Pliki GIF (*.gif)|*.gif");
    ColorDialog1 = add<ColourChooser>("ColorDialog1");
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
}

void Tbody::onKeyDown(int& keyCode, int /*shift*/) {
    okCancelKeys(keyCode, [this] { SpeedButton1Click(); }, [this] { SpeedButton2Click(); });
}

forms::CheckBox* Tbody::box(int i) const {
    forms::CheckBox* const all[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6};
    return i >= 1 && i <= 6 ? all[i - 1] : nullptr;
}

forms::Panel* Tbody::panel(int i) const {
    forms::Panel* const all[] = {Panel1, Panel2, Panel3, Panel4, Panel5};
    return i >= 1 && i <= 5 ? all[i - 1] : nullptr;
}

void Tbody::setBox(forms::CheckBox* b, bool ticked) {
    b->setValue(ticked ? 1 : 0);
    for (int i = 1; i <= 6; ++i)
        if (box(i) == b) CheckBoxClick(i);
}

void Tbody::setPanelColour(int i, std::uint32_t colour) {
    forms::Panel* p = panel(i);
    if (!p) return;
    p->setBackColor(colour);
    if (i == 1) {
        Panel6->setBackColor(colour);
    } else {
        forms::Label* const previews[] = {Label3, Label4, Label5, Label6};
        previews[i - 2]->setForeColor(colour);
    }
}

std::uint32_t Tbody::panelColour(int i) const { return panel(i) ? panel(i)->backColor() : clBtnFace; }

Tbody::Attributes Tbody::attributes() const {
    Attributes a;
    const std::string picture = Edit1->text();
    a.background = CheckBox1->checked() ? picture : std::string();
    a.styleBackground = styleBackgroundOf(CheckBox2->checked() ? util_getcolor(panelColour(1)) : std::string(),
                                          CheckBox1->checked() ? picture : std::string());
    a.text = CheckBox3->checked() ? util_getcolor(panelColour(2)) : std::string();
    a.link = CheckBox4->checked() ? util_getcolor(panelColour(3)) : std::string();
    a.alink = CheckBox5->checked() ? util_getcolor(panelColour(4)) : std::string();
    a.vlink = CheckBox6->checked() ? util_getcolor(panelColour(5)) : std::string();
    return a;
}

namespace {

// The characters a backslash before them stands for in a style's url(...);
// before any other character a backslash is itself, as in the pictures an
// older page names with backslashes (url(data\\sky.jpg)).
bool escapedInUrl(char c) { return c == '"' || c == '\'' || c == '(' || c == ')' || c == '\\' || c == ' '; }

}  // namespace

Tbody::StyleBackground Tbody::splitStyleBackground(const std::string& style) {
    StyleBackground b;
    std::string rest = style;
    const std::size_t open = text::lower(style).find("url(");
    if (open != std::string::npos) {
        std::size_t i = style.find_first_not_of(" \t", open + 4);
        if (i == std::string::npos) i = style.size();
        const char quote = i < style.size() && (style[i] == '"' || style[i] == '\'') ? style[i++] : 0;
        std::string inner;
        for (; i < style.size(); ++i) {
            const char c = style[i];
            if (c == '\\' && i + 1 < style.size() && escapedInUrl(style[i + 1])) {
                inner += style[++i];
            } else if (quote ? c == quote : c == ')') {
                break;
            } else {
                inner += c;
            }
        }
        std::size_t close = quote ? style.find(')', i) : i;
        if (close == std::string::npos) close = style.size();
        if (!quote) {
            const std::size_t last = inner.find_last_not_of(" \t");
            inner.resize(last == std::string::npos ? 0 : last + 1);
        }
        b.picture = isWebAddress(inner) ? inner : withSeparators(inner, '\\');
        rest = style.substr(0, open) + (close < style.size() ? style.substr(close + 1) : std::string());
    }
    const std::size_t first = rest.find_first_not_of(" ;");
    const std::size_t last = rest.find_last_not_of(" ;");
    if (first != std::string::npos) b.colour = rest.substr(first, last - first + 1);
    return b;
}

std::string Tbody::styleBackgroundOf(const std::string& colour, const std::string& picture) {
    std::string url;
    if (!picture.empty()) {
        const std::string address = withSeparators(picture, '/');
        if (address.find_first_of(" \t\"'()\\") == std::string::npos) {
            url = "url(" + address + ")";
        } else {
            url = "url(\"";
            for (char c : address) {
                if (c == '"' || c == '\\') url += '\\';
                url += c;
            }
            url += "\")";
        }
    }
    if (colour.empty()) return url;
    return url.empty() ? colour : colour + " " + url;
}

void Tbody::SpeedButton1Click() {
    // A picture left as the page names it stays where the page has it.
    if (PagePicture.empty() || Edit1->text() != PagePicture) bringIntoSite(*Edit1, SitePlace::Media);
    setModalResult(1);
}

void Tbody::SpeedButton2Click() { setModalResult(2); }

void Tbody::SpeedButton3Click() {
    OpenPictureDialog1->initialDir = currentAppDir() + "data\\library\\";
    if (!CheckBox1->checked()) return;
    OpenPictureDialog1->executeInto(*Edit1);
}

void Tbody::CheckBoxClick(int i) {
    bool on = box(i)->checked();
    if (i == 1) {
        Edit1->setEnabled(on);
        SpeedButton3->setEnabled(on);
    } else {
        panel(i - 1)->setEnabled(on);
    }
}

void Tbody::PanelClick(int i) {
    if (!box(i + 1)->checked()) return;
    std::uint32_t c = panelColour(i);
    ColorDialog1->color = c & 0x80000000u ? 0xFFFFFF : c;
    if (ColorDialog1->execute()) setPanelColour(i, ColorDialog1->color);
}

}  // namespace pageeditor
