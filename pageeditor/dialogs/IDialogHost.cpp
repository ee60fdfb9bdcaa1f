#include "pageeditor/dialogs/IDialogHost.h"

namespace pageeditor {

namespace {
IDialogHost* theHost = nullptr;
}

void setDialogHost(IDialogHost* host) { theHost = host; }
IDialogHost* dialogHost() { return theHost; }

}  // namespace pageeditor
