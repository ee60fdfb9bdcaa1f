#include "com/PropertyBag.h"

#include "text/CaseRules.h"

namespace com {

HRESULT PropertyBag::QueryInterface(const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IPropertyBag) {
        *out = static_cast<IPropertyBag*>(this);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT PropertyBag::Read(std::string_view name, Variant& value) {
    for (auto& e : entries_)
        if (text::equalsNoCase(e.name, name)) {
            value = e.value;
            return S_OK;
        }
    return E_INVALIDARG;
}

HRESULT PropertyBag::Write(std::string_view name, const Variant& value) {
    entries_.push_back({std::string(name), value.target()});
    return S_OK;
}

std::vector<std::string> PropertyBag::keys() const {
    std::vector<std::string> k;
    for (auto& e : entries_) k.push_back(e.name);
    return k;
}

}  // namespace com
