#pragma once
// Outgoing (event) interfaces: a source object offers one connection point
// per event interface; a host advises its sink (an IDispatch) there and
// receives each event as an Invoke with the event interface's dispatch id.
#include <cstdint>

#include "com/Unknown.h"

namespace com {

class IConnectionPoint : public IUnknown {
public:
    virtual HRESULT GetConnectionInterface(Guid& iid) = 0;
    // The sink must answer IDispatch (or the event interface's iid);
    // CONNECT_E_CANNOTCONNECT otherwise.
    virtual HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) = 0;
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;

protected:
    ~IConnectionPoint() = default;
};

class IConnectionPointContainer : public IUnknown {
public:
    virtual HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** out) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

extern const Guid IID_IConnectionPoint;
extern const Guid IID_IConnectionPointContainer;

}  // namespace com
