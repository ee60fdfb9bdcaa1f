#include "pageeditor/frame/IFrameHost.h"

namespace pageeditor {

namespace {
IFrameHost* theHost = nullptr;
}

void setFrameHost(IFrameHost* host) { theHost = host; }
IFrameHost* frameHost() { return theHost; }

}  // namespace pageeditor
