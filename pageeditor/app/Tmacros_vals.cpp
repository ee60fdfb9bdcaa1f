#include "pageeditor/app/Tmacros_vals.h"

#include "text/CodePage.h"

namespace pageeditor {

Tmacros_vals::Tmacros_vals() : EditorDialog("Tmacros_vals", text::ansi("Wymagane parametry:"), 240, 240, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
