#include "pageeditor/dialogs/ColourChooser.h"

#include "pageeditor/dialogs/DialogSupport.h"

namespace pageeditor {

bool ColourChooser::execute() { return chooseColor(color, color); }

}  // namespace pageeditor
