#pragma once
// The root of every interface: query by interface identifier and reference
// counting. An object lives while references to it are held and frees itself
// when the last one is released. Interfaces are plain abstract classes shared
// by a host and the libraries it loads, which are built by the same compiler.
#include <cstdint>

#include "com/Guid.h"
#include "com/Result.h"

namespace com {

class IUnknown {
public:
    // On success *out holds an added reference to the asked interface.
    virtual HRESULT QueryInterface(const Guid& iid, void** out) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

extern const Guid IID_IUnknown;

}  // namespace com
