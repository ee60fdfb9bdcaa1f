#pragma once
// What the lookup window's labels "Linki" (Label10), "Wymowa" (Label8) and
// "Gramatyka" (Label4) open in the page viewer, and the help label "Pomoc"
// (Label5), which hands pomoc.html to the desktop. The lookup window keeps
// one for its whole life and attaches it at every load.
#include "dictionary/frmGramm.h"

namespace dictionary {

class Form1;

class PageCommands {
public:
    ~PageCommands();

    void createControls(Form1& f);

    void Label10_Click();
    void Label8_Click();
    void Label4_Click();
    void Label5_Click();

    frmGramm& viewer() { return viewer_; }

private:
    frmGramm viewer_;
};

}  // namespace dictionary
