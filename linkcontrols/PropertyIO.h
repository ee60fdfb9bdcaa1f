#pragma once
// Reading and writing a control's persisted properties through the host's
// bag: a missing key (or one whose value has no such form) gives the
// default, and a value equal to its default is not stored.
#include <cstdint>
#include <string>

#include "com/Guid.h"
#include "com/IPropertyBag.h"
#include "com/Ptr.h"
#include "com/Variant.h"

namespace linkcontrols::props {

// False when the bag holds no such key (out is then the default).
bool readI4(com::IPropertyBag& bag, const char* key, std::int32_t def, std::int32_t& out);
std::uint32_t readColor(com::IPropertyBag& bag, const char* key, std::uint32_t def);
std::string readString(com::IPropertyBag& bag, const char* key, const std::string& def);
bool readBool(com::IPropertyBag& bag, const char* key, bool def);
// The object's `iid`; "Nothing" stored gives null, a missing key the default.
template <class I>
com::Ptr<I> readObject(com::IPropertyBag& bag, const char* key, const com::Guid& iid, com::Ptr<I> def) {
    com::Variant v;
    if (com::failed(bag.Read(key, v))) return def;
    com::IUnknown* o = v.toObject();
    if (!o) return v.isEmpty() ? def : com::Ptr<I>();
    com::Ptr<I> r;
    if (com::failed(o->QueryInterface(iid, r.putVoid()))) return def;
    return r;
}

void writeI4(com::IPropertyBag& bag, const char* key, std::int32_t v, std::int32_t def);
void writeColor(com::IPropertyBag& bag, const char* key, std::uint32_t v, std::uint32_t def);
void writeString(com::IPropertyBag& bag, const char* key, const std::string& v, const std::string& def);
void writeObject(com::IPropertyBag& bag, const char* key, com::IUnknown* v, com::IUnknown* def);

}  // namespace linkcontrols::props
