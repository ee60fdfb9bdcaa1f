#pragma once
// The Flash movie dialog (Tflashins): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tflashins : public EditorDialog {
public:
    Tflashins();
};

}  // namespace pageeditor
