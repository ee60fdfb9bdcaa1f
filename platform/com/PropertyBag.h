#pragma once
// The host's property bag.
#include <string>
#include <string_view>
#include <vector>

#include "com/IPropertyBag.h"

namespace com {

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
