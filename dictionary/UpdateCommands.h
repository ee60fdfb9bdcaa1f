#pragma once
// What the lookup window's labels "Nowa wersja" (Label7, the version check)
// and "Aktualizuj" (Label6, the word-base check) do, and the update window
// the word-base check opens. The lookup window keeps one for its whole life
// and attaches it to its labels at every load.
#include <string>

#include "dictionary/frmUpdate.h"

namespace dictionary {

class Form1;

class UpdateCommands {
public:
    ~UpdateCommands();

    void createControls(Form1& f);

    void Label7_Click();
    void Label6_Click();

    // The program's version as the server writes it: "0.7.3".
    static std::string versionText();

    frmUpdate& updateWindow() { return update_; }

private:
    frmUpdate update_;
};

}  // namespace dictionary
