#pragma once
// The picture dialog (Tinsertimg): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tinsertimg : public EditorDialog {
public:
    Tinsertimg();
};

}  // namespace pageeditor
