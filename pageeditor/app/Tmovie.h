#pragma once
// The video dialog (Tmovie): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tmovie : public EditorDialog {
public:
    Tmovie();
};

}  // namespace pageeditor
