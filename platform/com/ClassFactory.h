#pragma once
// Makes objects of one class; handed out by a server's DllGetClassObject.
#include "com/Unknown.h"

namespace com {

class IClassFactory : public IUnknown {
public:
    // `outer` must be null: no class of ours can be aggregated.
    virtual HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** out) = 0;
    // Keeps the server loaded while locked.
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

extern const Guid IID_IClassFactory;

}  // namespace com
