#include "linkcontrols/PrivateClasses.h"

#include "linkcontrols/ZorbLinkTypeLib.h"
#include "linkcontrols/ZorbShadingObject.h"

namespace linkcontrols {

using namespace com;

HRESULT createPrivateControl(std::string_view classString, const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (classString != kShadingProgId) return CO_E_CLASSSTRING;
    auto* o = new ZorbShadingObject();
    o->AddRef();
    HRESULT hr = o->QueryInterface(iid, out);
    o->Release();
    return hr;
}

}  // namespace linkcontrols
