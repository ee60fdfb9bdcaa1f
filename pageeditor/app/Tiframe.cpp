#include "pageeditor/app/Tiframe.h"

#include "text/CodePage.h"

namespace pageeditor {

Tiframe::Tiframe() : EditorDialog("Tiframe", text::ansi("Edytor pływajacych ramek:"), 420, 320, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
