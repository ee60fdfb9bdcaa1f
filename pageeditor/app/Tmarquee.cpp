#include "pageeditor/app/Tmarquee.h"

#include "text/CodePage.h"

namespace pageeditor {

Tmarquee::Tmarquee() : EditorDialog("Tmarquee", text::ansi("Wstaw przesuwający się tekst:"), 420, 320, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
