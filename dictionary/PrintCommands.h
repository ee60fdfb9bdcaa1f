#pragma once
// What the lookup window's label "Drukuj leksykon" (lblDrukuj) and a double
// click on a headword do for the print list, and the print-list window. The
// lookup window keeps one for its whole life and attaches it at every load.
#include "dictionary/frmDrukuj.h"

namespace dictionary {

class Form1;

class PrintCommands {
public:
    ~PrintCommands();

    void createControls(Form1& f);

    void lblDrukuj_Click();
    void lstWort_DblClick();

    frmDrukuj& printWindow() { return print_; }

private:
    Form1* form_ = nullptr;
    frmDrukuj print_;
};

}  // namespace dictionary
