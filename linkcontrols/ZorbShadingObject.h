#pragma once
// The gradient control as a component object: its automation interface (a
// private table, in no type library), its event connection point, property
// persistence and hosting. Only the library makes it (PrivateClasses.h).
#include "com/ControlObject.h"
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

class ZorbShadingObject final : public com::ControlObject<ZorbShading> {
public:
    ZorbShadingObject();

private:
    ~ZorbShadingObject() override = default;
    com::HRESULT member(const com::MemberInfo& m, std::vector<com::Variant>& args, com::Variant* result) override;
    com::HRESULT method(com::DispId id, std::vector<com::Variant>& args, com::Variant* result);
};

}  // namespace linkcontrols
