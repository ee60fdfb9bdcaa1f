#include "pageeditor/app/Tbgset.h"

#include "text/CodePage.h"

namespace pageeditor {

Tbgset::Tbgset() : EditorDialog("Tbgset", text::ansi("Ustawienia tła:"), 360, 200, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
