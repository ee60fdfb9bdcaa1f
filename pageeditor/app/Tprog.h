#pragma once
// The upload progress window, shown modeless (Tprog): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tprog : public EditorDialog {
public:
    Tprog();
};

}  // namespace pageeditor
