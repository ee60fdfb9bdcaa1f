#include "linkcontrols/ZorbLinkFactory.h"

#include "linkcontrols/ZorbLinkObject.h"

namespace linkcontrols {

using namespace com;

HRESULT ZorbLinkFactory::QueryInterface(const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

std::uint32_t ZorbLinkFactory::AddRef() { return refs_.add(); }

std::uint32_t ZorbLinkFactory::Release() {
    std::uint32_t n = refs_.release();
    if (n == 0) delete this;
    return n;
}

HRESULT ZorbLinkFactory::CreateInstance(IUnknown* outer, const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* o = new ZorbLinkObject();
    o->AddRef();
    HRESULT hr = o->QueryInterface(iid, out);
    o->Release();  // gone again when the interface was not there
    return hr;
}

HRESULT ZorbLinkFactory::LockServer(bool lock) {
    ModuleCount::lock(lock);
    return S_OK;
}

}  // namespace linkcontrols
