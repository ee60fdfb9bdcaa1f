#pragma once
// The zorbLink control as a component object: its automation interface
// (dispatch by the type library's ids), its event connection point, property
// persistence and hosting.
#include <memory>

#include "com/ConnectionPoint.h"
#include "com/Control.h"
#include "com/Dispatch.h"
#include "com/Object.h"
#include "com/PropertyBag.h"
#include "linkcontrols/ZorbLink.h"

namespace linkcontrols {

class ZorbLinkObject final : public com::IDispatch,
                             public com::IConnectionPointContainer,
                             public com::IPersistPropertyBag,
                             public com::IControl,
                             public LinkEvents {
public:
    ZorbLinkObject();

    // IUnknown
    com::HRESULT QueryInterface(const com::Guid& iid, void** out) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;
    // IDispatch
    com::HRESULT GetIDsOfNames(const std::vector<std::string>& names, std::vector<com::DispId>& ids) override;
    com::HRESULT Invoke(com::DispId id, std::uint16_t flags, std::vector<com::Variant>& args,
                        com::Variant* result) override;
    // IConnectionPointContainer
    com::HRESULT FindConnectionPoint(const com::Guid& iid, com::IConnectionPoint** out) override;
    // IPersistPropertyBag
    com::HRESULT InitNew() override;
    com::HRESULT Load(com::IPropertyBag* bag) override;
    com::HRESULT Save(com::IPropertyBag* bag, bool clearDirty, bool saveAll) override;
    // IControl
    com::HRESULT SetClientSite(com::IControlSite* site) override;
    void* Window(void* parentWidget) override;
    com::HRESULT Close() override;

    ZorbLink& control() { return *link_; }

private:
    ~ZorbLinkObject();
    void raise(com::DispId id, std::vector<com::Variant>& args) override;
    com::HRESULT get(com::DispId id, com::Variant& result);
    com::HRESULT put(com::DispId id, com::Variant& value);

    com::RefCount refs_;
    com::ConnectionPoint events_;
    std::unique_ptr<ZorbLink> link_;
    bool closed_ = false;
};

}  // namespace linkcontrols
