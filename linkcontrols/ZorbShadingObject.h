#pragma once
// The gradient control as a component object: its automation interface (a
// private table, in no type library), its event connection point, property
// persistence and hosting. Only the library makes it (PrivateClasses.h).
#include <memory>

#include "com/ConnectionPoint.h"
#include "com/Control.h"
#include "com/Dispatch.h"
#include "com/Object.h"
#include "com/PropertyBag.h"
#include "com/TypeInfo.h"
#include "linkcontrols/ZorbShading.h"

namespace linkcontrols {

extern const com::Guid IID__zorbShading;   // default interface, private
extern const com::Guid IID___zorbShading;  // event interface, private

namespace shadingid {
constexpr com::DispId Color1 = 1;
constexpr com::DispId Color2 = 2;
constexpr com::DispId Shading = 3;
constexpr com::DispId MouseIcon = 4;
constexpr com::DispId MousePointer = 5;
constexpr com::DispId GetShading = 6;
constexpr com::DispId SepRGB = 7;
constexpr com::DispId Refresh = 8;
constexpr com::DispId GetPixel = 9;
constexpr com::DispId SetPixel = 10;
constexpr com::DispId ShowAbout = com::DISPID_ABOUTBOX;
}  // namespace shadingid

const com::InterfaceInfo& zorbShadingInterface();
const com::InterfaceInfo& zorbShadingEvents();

class ZorbShadingObject final : public com::IDispatch,
                                public com::IConnectionPointContainer,
                                public com::IPersistPropertyBag,
                                public com::IControl,
                                public ShadingEvents {
public:
    ZorbShadingObject();

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

    ZorbShading& control() { return *shading_; }

private:
    ~ZorbShadingObject();
    void raise(com::DispId id, std::vector<com::Variant>& args) override;
    com::HRESULT method(com::DispId id, std::vector<com::Variant>& args, com::Variant* result);

    com::RefCount refs_;
    com::ConnectionPoint events_;
    std::unique_ptr<ZorbShading> shading_;
    bool closed_ = false;
};

}  // namespace linkcontrols
