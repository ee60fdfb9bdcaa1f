#pragma once
// For tests that hear a control's events: the sink lives on the test's
// stack, so its references are not counted; the test answers Invoke.
#include "com/Dispatch.h"

namespace com::testing {

struct StackSink : IDispatch {
    HRESULT QueryInterface(const Guid& iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }
    HRESULT GetIDsOfNames(const std::vector<std::string>&, std::vector<DispId>&) override { return E_NOTIMPL; }
};

}  // namespace com::testing
