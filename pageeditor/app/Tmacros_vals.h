#pragma once
// The value grid of clip-library macros (Tmacros_vals): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tmacros_vals : public EditorDialog {
public:
    Tmacros_vals();
};

}  // namespace pageeditor
