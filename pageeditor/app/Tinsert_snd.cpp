#include "pageeditor/app/Tinsert_snd.h"

#include "text/CodePage.h"

namespace pageeditor {

Tinsert_snd::Tinsert_snd() : EditorDialog("Tinsert_snd", text::ansi("Wstaw muzykę, dźwiek:"), 400, 200, EditorDialog::EnterAndEsc) {}

}  // namespace pageeditor
