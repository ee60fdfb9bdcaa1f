#pragma once
// The table dialog (Tinstbl): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tinstbl : public EditorDialog {
public:
    Tinstbl();
};

}  // namespace pageeditor
