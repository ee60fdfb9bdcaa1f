#include "pageeditor/app/Tflashins.h"

#include "text/CodePage.h"

namespace pageeditor {

Tflashins::Tflashins() : EditorDialog("Tflashins", text::ansi("Wstaw FLASH:"), 420, 300, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
