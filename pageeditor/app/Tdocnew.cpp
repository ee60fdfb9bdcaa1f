#include "pageeditor/app/Tdocnew.h"

#include "text/CodePage.h"

namespace pageeditor {

Tdocnew::Tdocnew() : EditorDialog("Tdocnew", text::ansi("Nowy dokument:"), 460, 360, EditorDialog::EscOnly) {}

}  // namespace pageeditor
