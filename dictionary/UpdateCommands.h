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

    // The lookup window closed by the user: false while a check or the
    // update talks to the server. The request is then cancelled and the
    // window is closed once the check is over.
    bool Form_QueryUnload();

private:
    // The span of a check: a close of the lookup window asked meanwhile is
    // carried out at its end.
    class Exchange;
    frmUpdate update_;
    bool exchanging_ = false;
    bool closeLookup_ = false;
};

}  // namespace dictionary
