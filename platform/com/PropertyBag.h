#pragma once
// Property persistence: a control reads its stored properties from the host's
// bag when it is loaded and writes them into a bag when the host saves it.
#include <string>
#include <string_view>
#include <vector>

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

// A host's bag: entries in the order they were written; a key may appear
// more than once. Keys are read without regard to case and the first entry
// of a key wins. The bag belongs to whoever made it: references taken by
// AddRef do not keep it alive.
class PropertyBag : public IPropertyBag {
public:
    struct Entry {
        std::string name;
        Variant value;
    };

    PropertyBag() = default;
    explicit PropertyBag(std::vector<Entry> entries) : entries_(std::move(entries)) {}

    HRESULT QueryInterface(const Guid& iid, void** out) override;
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }
    HRESULT Read(std::string_view name, Variant& value) override;
    HRESULT Write(std::string_view name, const Variant& value) override;

    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<std::string> keys() const;
    void clear() { entries_.clear(); }

private:
    std::vector<Entry> entries_;
};

}  // namespace com
