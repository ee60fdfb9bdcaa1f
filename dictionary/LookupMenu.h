#pragma once
// The look and feel of the lookup window's command labels: the mouse over a
// label fills its frame white, a pressed button turns the caption red and
// releasing it black again, and the bare window background clears every
// frame. Also the border of the tray picture while it is pressed, the hint
// line over the German letter buttons, and the two windows that "Indeks
// pol.-niem." (Label3) and "Edycja" (Label12) open. The lookup window keeps
// one for its whole life, so the windows keep their state across reloads.
#include "dictionary/Form2.h"
#include "dictionary/frmDodaj.h"

namespace forms {
class Label;
class Shape;
}  // namespace forms

namespace dictionary {

class Form1;

class LookupMenu {
public:
    LookupMenu() = default;
    ~LookupMenu();

    // Wires the handlers; called at the end of the lookup window's createControls.
    void createControls(Form1& f);

    void Label3_Click();
    void Label12_Click();
    // The mouse over a command label, a button pressed and released on it.
    void label_MouseMove(forms::Shape& frame);
    void label_MouseDown(forms::Label& label);
    void label_MouseUp(forms::Label& label);
    void Form_MouseMove();
    void Image1_MouseDown();
    void Image1_MouseUp();
    void hint(const char* utf8);
    void lstWort_MouseMove();
    // Before the lookup window closes (and the program ends): the editor of
    // the user's words may still hold unsaved changes. False keeps it open.
    bool Form_QueryUnload();

    Form2& reverseSearch() { return form2_; }
    frmDodaj& editor() { return editor_; }

private:
    Form1* form_ = nullptr;
    Form2 form2_;
    frmDodaj editor_;
};

}  // namespace dictionary
