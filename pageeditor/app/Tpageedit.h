#pragma once
// The settings of a site: a new site and the settings of the open one (Tpageedit): one form for the whole run, created at
// start-up in its place in the order of the editor's forms.
#include "pageeditor/app/EditorDialog.h"

namespace pageeditor {

class Tpageedit : public EditorDialog {
public:
    Tpageedit();
};

}  // namespace pageeditor
