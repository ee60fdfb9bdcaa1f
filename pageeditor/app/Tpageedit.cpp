#include "pageeditor/app/Tpageedit.h"

#include "text/CodePage.h"

namespace pageeditor {

Tpageedit::Tpageedit() : EditorDialog("Tpageedit", text::ansi("Ustawienia projektu strony:"), 380, 330, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
