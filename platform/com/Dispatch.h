#pragma once
// Late-bound calls: members found by name, called by dispatch id.
#include <cstdint>
#include <string>
#include <vector>

#include "com/Unknown.h"
#include "com/Variant.h"

namespace com {

using DispId = std::int32_t;

constexpr DispId DISPID_UNKNOWN = -1;
constexpr DispId DISPID_ABOUTBOX = -552;

enum DispatchFlags : std::uint16_t {
    DISPATCH_METHOD = 1,
    DISPATCH_PROPERTYGET = 2,
    DISPATCH_PROPERTYPUT = 4,
    DISPATCH_PROPERTYPUTREF = 8,
};

class IDispatch : public IUnknown {
public:
    // One id per name (names without regard to case); DISP_E_UNKNOWNNAME
    // when a name is unknown, its id then being DISPID_UNKNOWN.
    virtual HRESULT GetIDsOfNames(const std::vector<std::string>& names, std::vector<DispId>& ids) = 0;
    // Arguments in the member's declared order (by-reference ones as
    // Variant::byRef); `result` may be null.
    virtual HRESULT Invoke(DispId id, std::uint16_t flags, std::vector<Variant>& args, Variant* result) = 0;

protected:
    ~IDispatch() = default;
};

extern const Guid IID_IDispatch;

}  // namespace com
