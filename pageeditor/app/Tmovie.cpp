#include "pageeditor/app/Tmovie.h"

#include "text/CodePage.h"

namespace pageeditor {

Tmovie::Tmovie() : EditorDialog("Tmovie", text::ansi("Wstaw film:"), 420, 300, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
