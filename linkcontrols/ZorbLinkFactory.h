#pragma once
// The class factory of the zorbLink control.
#include "com/ClassFactory.h"
#include "com/Object.h"

namespace linkcontrols {

class ZorbLinkFactory final : public com::IClassFactory {
public:
    com::HRESULT QueryInterface(const com::Guid& iid, void** out) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;
    com::HRESULT CreateInstance(com::IUnknown* outer, const com::Guid& iid, void** out) override;
    com::HRESULT LockServer(bool lock) override;

private:
    com::RefCount refs_;
};

}  // namespace linkcontrols
