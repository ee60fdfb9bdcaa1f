#pragma once
// One event interface's connection point, as a source object keeps it.
#include <cstdint>
#include <vector>

#include "com/Dispatch.h"
#include "com/IConnectionPoint.h"
#include "com/Ptr.h"

namespace com {

// The connection point a source object keeps for one event interface. It is
// owned by the source (and keeps the source alive while the host holds it).
class ConnectionPoint : public IConnectionPoint {
public:
    ConnectionPoint(IUnknown* owner, const Guid& eventIid);
    ~ConnectionPoint();

    HRESULT QueryInterface(const Guid& iid, void** out) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;
    HRESULT GetConnectionInterface(Guid& iid) override;
    HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) override;
    HRESULT Unadvise(std::uint32_t cookie) override;

    // Calls every sink with the event; arguments as for IDispatch::Invoke.
    void fire(DispId id, std::vector<Variant>& args);
    std::size_t sinkCount() const { return sinks_.size(); }
    // Lets go of all sinks (when the source is closed).
    void clear() { sinks_.clear(); }

private:
    IUnknown* owner_;
    Guid iid_;
    struct Sink {
        std::uint32_t cookie;
        Ptr<IDispatch> sink;
    };
    std::vector<Sink> sinks_;
    std::uint32_t next_ = 1;
};

}  // namespace com
