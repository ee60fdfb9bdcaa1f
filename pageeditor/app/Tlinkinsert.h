#pragma once
// The link dialog (Tlinkinsert): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tlinkinsert : public EditorDialog {
public:
    Tlinkinsert();
};

}  // namespace pageeditor
