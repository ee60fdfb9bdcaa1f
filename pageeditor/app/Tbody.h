#pragma once
// The page body dialog (Tbody): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tbody : public EditorDialog {
public:
    Tbody();
};

}  // namespace pageeditor
