#pragma once
// The library's private control classes, which its own forms place by their
// class strings without the registry: "zorbLinkControl.zorbShading" is known
// here and nowhere else (not registered, not in the type library, not handed
// out by the library's exports).
#include <string_view>

#include "com/Guid.h"
#include "com/Result.h"

namespace linkcontrols {

// The new object's `iid` in *out; CO_E_CLASSSTRING for a name the library
// does not know privately.
com::HRESULT createPrivateControl(std::string_view classString, const com::Guid& iid, void** out);

}  // namespace linkcontrols
