#include "pageeditor/frame/IFrameHost.h"

namespace pageeditor {

IFrameHost* frameHost() { return dynamic_cast<IFrameHost*>(dialogHost()); }

}  // namespace pageeditor
