#include "pageeditor/app/Tinstbl.h"

#include "text/CodePage.h"

namespace pageeditor {

Tinstbl::Tinstbl() : EditorDialog("Tinstbl", text::ansi("Tabelka:"), 400, 330, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
