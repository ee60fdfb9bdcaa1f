#include "pageeditor/app/Tinsertimg.h"

#include "text/CodePage.h"

namespace pageeditor {

Tinsertimg::Tinsertimg() : EditorDialog("Tinsertimg", text::ansi("Obrazek:"), 480, 400, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
