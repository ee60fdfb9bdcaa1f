#include "pageeditor/dialogs/Tmarquee.h"

#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "forms/WindowOrder.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/ColourChooser.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "text/CodePage.h"

namespace pageeditor {

Tmarquee::Tmarquee() : EditorDialog("Tmarquee", text::ansi("Wstaw przesuwający się tekst:"), 440, 330) {}

void Tmarquee::createControls() {
    using namespace forms;
    using text::ansi;
    auto label = [this](const char* name, const std::string& caption, int x, int y, int w) {
        Label* l = add<Label>(name);
        l->move(x, y, w, 18);
        l->setShowAccelChar(true);
        l->setCaption(caption);
        return l;
    };
    Label1 = label("Label1", ansi("&Tekst do przesuwania (może być kod HTML):"), 12, 10, 416);
    Edit1 = add<TextBox>("Edit1");
    Edit1->move(12, 30, 416, 24);
    Label2 = label("Label2", ansi("&Wyrównanie:"), 12, 66, 130);
    ComboBox1 = add<ComboBox>("ComboBox1");
    ComboBox1->move(150, 62, 140, 24);
    for (const char* s : {"TOP", "MIDDLE", "BOTTOM"}) ComboBox1->addItem(s);
    Label3 = label("Label3", ansi("&Kierunek:"), 12, 96, 130);
    ComboBox2 = add<ComboBox>("ComboBox2");
    ComboBox2->move(150, 92, 140, 24);
    for (const char* s : {"LEFT", "RIGHT"}) ComboBox2->addItem(s);
    Label4 = label("Label4", ansi("&Sposób przesuwania:"), 12, 126, 130);
    ComboBox3 = add<ComboBox>("ComboBox3");
    ComboBox3->move(150, 122, 140, 24);
    for (const char* s : {"SCROLL", "SLIDE", "ALTERNATE"}) ComboBox3->addItem(s);
    Label5 = label("Label5", ansi("Kolor tła:"), 12, 156, 130);
    Panel1 = add<Panel>("Panel1");
    Panel1->move(150, 152, 60, 24);
    Panel1->setBevel(Panel::Bevel::Lowered);
    Panel1->setBackColor(clBtnFace);
    Panel1->onClick = guarded([this] { Panel1Click(); });
    SpeedButton3 = add<SpeedButton>("SpeedButton3");
    SpeedButton3->move(216, 152, 74, 24);
    SpeedButton3->setCaption("X");
    SpeedButton3->setHint("Bez koloru");
    SpeedButton3->onClick = guarded([this] { SpeedButton3Click(); });
    Label6 = label("Label6", ansi("Sk&ok:"), 12, 190, 80);
    SpinEdit5 = add<SpinEdit>("SpinEdit5", nullptr, 1, 10000, 1);
    SpinEdit5->move(96, 186, 70, 24);
    Label7 = label("Label7", ansi("Opó&źnienie:"), 176, 190, 80);
    SpinEdit4 = add<SpinEdit>("SpinEdit4", nullptr, 1, 10000, 1);
    SpinEdit4->move(260, 186, 70, 24);
    Label8 = label("Label8", ansi("Po&wtarzaj:"), 12, 222, 80);
    SpinEdit7 = add<SpinEdit>("SpinEdit7", nullptr, 1, 10000, 1);
    SpinEdit7->move(96, 218, 70, 24);
    CheckBox1 = add<CheckBox>("CheckBox1");
    CheckBox1->move(176, 220, 160, 20);
    CheckBox1->setCaption(ansi("&bez przerwy"));
    CheckBox1->onClick = guarded([this] { CheckBox1Click(); });
    CheckBox3 = add<CheckBox>("CheckBox3");
    CheckBox3->move(12, 250, 416, 20);
    CheckBox3->setCaption(ansi("&Pozycja względem tekstu"));
    SpeedButton1 = addButton("SpeedButton1", "&Ok", 236, 280, 92, 40, [this] { SpeedButton1Click(); });
    SpeedButton2 = addButton("SpeedButton2", "&Anuluj", 336, 280, 92, 40, [this] { SpeedButton2Click(); });
    ColorDialog1 = add<ColourChooser>("ColorDialog1");
}

void Tmarquee::onShow() {
    EditorDialog::onShow();
    forms::setWindowOrder(*this, forms::WindowOrder::Topmost);  // stays in sight above the document windows
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
}

void Tmarquee::onKeyDown(int& keyCode, int /*shift*/) {
    okCancelKeys(keyCode, [this] { SpeedButton1Click(); }, [this] { SpeedButton2Click(); });
}

std::uint32_t Tmarquee::colour() const { return Panel1->backColor(); }
void Tmarquee::setColour(std::uint32_t c) { Panel1->setBackColor(c); }

void Tmarquee::setEndless(bool on) {
    CheckBox1->setValue(on ? 1 : 0);
    CheckBox1Click();
}

MarqueeValues Tmarquee::values() const {
    MarqueeValues v;
    v.text = Edit1->text();
    v.align = ComboBox1->text();
    v.direction = ComboBox2->text();
    v.behavior = ComboBox3->text();
    v.bgcolor = util_getcolor(colour());
    v.scrollAmount = SpinEdit5->value();
    v.scrollDelay = SpinEdit4->value();
    v.loop = SpinEdit7->value();
    v.endless = CheckBox1->checked();
    return v;
}

void Tmarquee::SpeedButton1Click() { setModalResult(1); }
void Tmarquee::SpeedButton2Click() { setModalResult(2); }
void Tmarquee::SpeedButton3Click() { setColour(clBtnFace); }

void Tmarquee::Panel1Click() {
    ColorDialog1->color = colour() & 0x80000000u ? 0xFFFFFF : colour();
    if (ColorDialog1->execute()) setColour(ColorDialog1->color);
}

void Tmarquee::CheckBox1Click() { SpinEdit7->setEnabled(!CheckBox1->checked()); }

}  // namespace pageeditor
