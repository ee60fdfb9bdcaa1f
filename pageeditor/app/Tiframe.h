#pragma once
// The inline-frame dialog (Tiframe): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tiframe : public EditorDialog {
public:
    Tiframe();
};

}  // namespace pageeditor
