#pragma once
// The background sound dialog (Tinsert_snd): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tinsert_snd : public EditorDialog {
public:
    Tinsert_snd();
};

}  // namespace pageeditor
