#pragma once
// The new page dialog: title, file name and template (Tdocnew): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tdocnew : public EditorDialog {
public:
    Tdocnew();
};

}  // namespace pageeditor
