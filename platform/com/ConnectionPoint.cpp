#include "com/ConnectionPoint.h"

namespace com {

ConnectionPoint::ConnectionPoint(IUnknown* owner, const Guid& eventIid) : owner_(owner), iid_(eventIid) {}
ConnectionPoint::~ConnectionPoint() = default;

HRESULT ConnectionPoint::QueryInterface(const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IConnectionPoint) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

std::uint32_t ConnectionPoint::AddRef() { return owner_->AddRef(); }
std::uint32_t ConnectionPoint::Release() { return owner_->Release(); }

HRESULT ConnectionPoint::GetConnectionInterface(Guid& iid) {
    iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, std::uint32_t* cookie) {
    if (!sink || !cookie) return E_POINTER;
    Ptr<IDispatch> d;
    if (failed(sink->QueryInterface(iid_, d.putVoid())) && failed(sink->QueryInterface(IID_IDispatch, d.putVoid())))
        return CONNECT_E_CANNOTCONNECT;
    *cookie = next_++;
    sinks_.push_back({*cookie, std::move(d)});
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(std::uint32_t cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it)
        if (it->cookie == cookie) {
            sinks_.erase(it);
            return S_OK;
        }
    return CONNECT_E_NOCONNECTION;
}

void ConnectionPoint::fire(DispId id, std::vector<Variant>& args) {
    // A sink may unadvise from inside its handler: call a copy of the list.
    std::vector<Ptr<IDispatch>> now;
    for (auto& s : sinks_) now.push_back(s.sink);
    for (auto& s : now) s->Invoke(id, DISPATCH_METHOD, args, nullptr);
}

}  // namespace com
