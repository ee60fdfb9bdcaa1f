#pragma once
// Property persistence: a control reads its stored properties from the host's
// bag when it is loaded and writes them into a bag when the host saves it.
#include <string_view>

#include "com/Unknown.h"
#include "com/Variant.h"

namespace com {

class IPropertyBag : public IUnknown {
public:
    // S_OK with the value, or E_INVALIDARG when the bag holds no such key.
    virtual HRESULT Read(std::string_view name, Variant& value) = 0;
    virtual HRESULT Write(std::string_view name, const Variant& value) = 0;

protected:
    ~IPropertyBag() = default;
};

class IPersistPropertyBag : public IUnknown {
public:
    // A new instance, as a designer places it: the control's initial values.
    virtual HRESULT InitNew() = 0;
    virtual HRESULT Load(IPropertyBag* bag) = 0;
    virtual HRESULT Save(IPropertyBag* bag, bool clearDirty, bool saveAll) = 0;

protected:
    ~IPersistPropertyBag() = default;
};

extern const Guid IID_IPropertyBag;
extern const Guid IID_IPersistPropertyBag;

}  // namespace com
