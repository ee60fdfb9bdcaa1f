#pragma once
// The site chooser (Tpageopen): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tpageopen : public EditorDialog {
public:
    Tpageopen();
};

}  // namespace pageeditor
