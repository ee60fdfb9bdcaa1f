#include "pageeditor/app/Tlinkinsert.h"

#include "text/CodePage.h"

namespace pageeditor {

Tlinkinsert::Tlinkinsert() : EditorDialog("Tlinkinsert", text::ansi("Wstaw odnośnik:"), 420, 260, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
