#pragma once
// An open-file dialog as a component of its owner: its filter and title
// (both re-captioned by language packs) and the file it was last closed
// with. The dialog itself is asked through forms::modal().
#include <string>

#include "forms/Component.h"

namespace pageeditor {

class OpenDialog : public forms::Component {
public:
    // mustExist: only an existing file counts as chosen.
    OpenDialog(forms::Form& form, std::string name, std::string filter, bool mustExist = false);

    std::string filter;  // "Opis|*.a;*.b|Opis2|*.c"
    std::string title;
    // The chosen file as an editor name (Windows-1250, backslashes).
    std::string fileName;

    // Shows the dialog; true when a file was chosen (then in fileName).
    bool execute();

private:
    bool mustExist_;
};

}  // namespace pageeditor
