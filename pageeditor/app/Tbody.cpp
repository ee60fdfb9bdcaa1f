#include "pageeditor/app/Tbody.h"

#include "text/CodePage.h"

namespace pageeditor {

Tbody::Tbody() : EditorDialog("Tbody", text::ansi("Edytor sekcji BODY:"), 420, 340, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
