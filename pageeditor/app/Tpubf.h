#pragma once
// The publish dialog (Tpubf): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tpubf : public EditorDialog {
public:
    Tpubf();
};

}  // namespace pageeditor
