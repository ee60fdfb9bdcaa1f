#include "pageeditor/app/Tprog.h"

#include "text/CodePage.h"

namespace pageeditor {

Tprog::Tprog() : EditorDialog("Tprog", text::ansi("Postęp:"), 400, 180, EditorDialog::NoKeys) {}

}  // namespace pageeditor
