#pragma once
// The zorbLink control as a component object: its automation interface
// (dispatch by the type library's ids), its event connection point, property
// persistence and hosting.
#include "com/ControlObject.h"
#include "linkcontrols/ZorbLink.h"

namespace linkcontrols {

class ZorbLinkObject final : public com::ControlObject<ZorbLink> {
public:
    ZorbLinkObject();

private:
    ~ZorbLinkObject() override = default;
    com::HRESULT member(const com::MemberInfo& m, std::vector<com::Variant>& args, com::Variant* result) override;
    void closing() override;
    com::HRESULT get(com::DispId id, com::Variant& result);
    com::HRESULT put(com::DispId id, com::Variant& value);
};

}  // namespace linkcontrols
