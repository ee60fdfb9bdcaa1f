#include "dictionary/LookupMenu.h"

#include "dictionary/Form1.h"
#include "dictionary/Program.h"
#include "text/CodePage.h"

namespace dictionary {

LookupMenu::~LookupMenu() {
    form2_.unload();
    editor_.unload();
}

void LookupMenu::createControls(Form1& f) {
    form_ = &f;
    struct Command {
        forms::Label* label;
        forms::Shape* frame;
    };
    const Command commands[] = {
        {f.Label4, f.shp1},         {f.Label8, f.shp2},         {f.Label9, f.Shape7},  {f.Label10, f.Shape8},
        {f.Label6, f.Shape4},       {f.Label5, f.Shape5},       {f.Label2, f.Shape6},  {f.lblCofnij, f.shpCofnij},
        {f.lblNaprzod, f.shpNaprzod}, {f.Label12, f.Shape11},   {f.lblDrukuj, f.Shape1}, {f.Label3, f.Shape2},
        {f.Label7, f.Shape3},       {f.Label1, f.Shape9},
    };
    for (const auto& c : commands) {
        forms::Label* l = c.label;
        forms::Shape* s = c.frame;
        l->onMouseMove = [this, s](int, int, float, float) { label_MouseMove(*s); };
        l->onMouseDown = [this, l](int, int, float, float) { label_MouseDown(*l); };
        l->onMouseUp = [this, l](int, int, float, float) { label_MouseUp(*l); };
    }
    f.Label3->onClick = [this] { Label3_Click(); };
    f.Label12->onClick = [this] { Label12_Click(); };
    f.Image1->onMouseDown = [this](int, int, float, float) { Image1_MouseDown(); };
    f.Image1->onMouseUp = [this](int, int, float, float) { Image1_MouseUp(); };
    f.cmdAUmlaut->onMouseMove = [this](int, int, float, float) { hint("Skrót: F1"); };
    f.cmdOUmlaut->onMouseMove = [this](int, int, float, float) { hint("Skrót: F2"); };
    f.cmdUUmlaut->onMouseMove = [this](int, int, float, float) { hint("Skrót: F3"); };
    f.cmdScharfesS->onMouseMove = [this](int, int, float, float) { hint("Skrót: F4"); };
    for (forms::Control* c : std::initializer_list<forms::Control*>{f.lblPorada, f.lblTytul, f.Picture1, f.Text1})
        c->onMouseMove = [this](int, int, float, float) { hint(""); };
    f.lstWort->onMouseMove = [this](int, int, float, float) { lstWort_MouseMove(); };
}

// Loaded on first use and shown modeless with no owner; an open window only
// comes to the front.
void LookupMenu::Label3_Click() { form2_.show(); }
// Label12 is disabled while the program's base is shown: it takes no clicks
// then, and the mouse over it is over the window background.
void LookupMenu::Label12_Click() { editor_.show(); }

void LookupMenu::label_MouseMove(forms::Shape& frame) {
    frame.setFillColor(forms::color::White);
    frame.setFillStyle(forms::Shape::Fill::Solid);
}

void LookupMenu::label_MouseDown(forms::Label& label) { label.setForeColor(forms::color::Red); }
void LookupMenu::label_MouseUp(forms::Label& label) { label.setForeColor(forms::color::Black); }

void LookupMenu::Form_MouseMove() {
    Form1& f = *form_;
    for (forms::Shape* s : {f.shp1, f.shp2, f.Shape1, f.Shape2, f.Shape3, f.Shape4, f.Shape5, f.Shape6, f.Shape7,
                            f.Shape8, f.Shape9, f.Shape11, f.shpCofnij, f.shpNaprzod})
        if (s) s->setFillStyle(forms::Shape::Fill::Transparent);
}

void LookupMenu::Image1_MouseDown() { form_->Image1->setBorder(true); }
void LookupMenu::Image1_MouseUp() { form_->Image1->setBorder(false); }

void LookupMenu::hint(const char* utf8) { form_->lblPorada->setCaption(text::ansi(utf8)); }

void LookupMenu::lstWort_MouseMove() {
    hint("");
    form_->lstWort->setToolTip(form_->lstWort->text());
}

bool LookupMenu::Form_QueryUnload() {
    // A reload after an update keeps the editor open as it is.
    if (Program::current().blnPrzeladowanie) return true;
    return editor_.confirmClose();
}

}  // namespace dictionary
