#pragma once
// The scrolling-text dialog (Tmarquee): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tmarquee : public EditorDialog {
public:
    Tmarquee();
};

}  // namespace pageeditor
