#include "pageeditor/app/Tpageopen.h"

#include "text/CodePage.h"

namespace pageeditor {

Tpageopen::Tpageopen() : EditorDialog("Tpageopen", text::ansi("Otwórz projekt strony:"), 360, 300, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
