#include "pageeditor/app/ColourChooser.h"

#include "pageeditor/app/DialogSupport.h"

namespace pageeditor {

bool ColourChooser::execute() { return chooseColor(color, color); }

}  // namespace pageeditor
