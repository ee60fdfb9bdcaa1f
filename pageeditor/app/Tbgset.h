#pragma once
// The background settings (Tbgset): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tbgset : public EditorDialog {
public:
    Tbgset();
};

}  // namespace pageeditor
