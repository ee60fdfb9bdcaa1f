#include "pageeditor/dialogs/DialogForms.h"

#include "pageeditor/dialogs/Tbody.h"
#include "pageeditor/dialogs/Tdlgfrm.h"
#include "pageeditor/dialogs/Tflashins.h"
#include "pageeditor/dialogs/Tiframe.h"
#include "pageeditor/dialogs/Tinsert_snd.h"
#include "pageeditor/dialogs/Tinsertimg.h"
#include "pageeditor/dialogs/Tinstbl.h"
#include "pageeditor/dialogs/Tkeyform.h"
#include "pageeditor/dialogs/Tlinkinsert.h"
#include "pageeditor/dialogs/Tmarquee.h"
#include "pageeditor/dialogs/Tmovie.h"

namespace pageeditor {

namespace {
DialogForms* current = nullptr;
}

DialogForms* dialogForms() { return current; }

DialogForms::DialogForms() { current = this; }

DialogForms::~DialogForms() {
    if (current == this) current = nullptr;
}

}  // namespace pageeditor
