#include "pageeditor/app/Tpubf.h"

#include "text/CodePage.h"

namespace pageeditor {

Tpubf::Tpubf() : EditorDialog("Tpubf", text::ansi("Publikacja strony w Sieci:"), 400, 300, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
