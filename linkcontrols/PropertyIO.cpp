#include "linkcontrols/PropertyIO.h"

namespace linkcontrols::props {

using com::Variant;

bool readI4(com::IPropertyBag& bag, const char* key, std::int32_t def, std::int32_t& out) {
    Variant v;
    out = def;
    if (com::failed(bag.Read(key, v))) return false;
    std::int32_t i;
    if (v.toI4(i)) out = i;
    return true;
}

std::uint32_t readColor(com::IPropertyBag& bag, const char* key, std::uint32_t def) {
    std::int32_t v;
    readI4(bag, key, static_cast<std::int32_t>(def), v);
    return static_cast<std::uint32_t>(v);
}

std::string readString(com::IPropertyBag& bag, const char* key, const std::string& def) {
    Variant v;
    std::string s = def;
    if (com::succeeded(bag.Read(key, v))) v.toString(s);
    return s;
}

bool readBool(com::IPropertyBag& bag, const char* key, bool def) {
    Variant v;
    bool b = def;
    if (com::succeeded(bag.Read(key, v))) v.toBool(b);
    return b;
}

void writeI4(com::IPropertyBag& bag, const char* key, std::int32_t v, std::int32_t def) {
    if (v != def) bag.Write(key, Variant::i4(v));
}
void writeColor(com::IPropertyBag& bag, const char* key, std::uint32_t v, std::uint32_t def) {
    writeI4(bag, key, static_cast<std::int32_t>(v), static_cast<std::int32_t>(def));
}
void writeString(com::IPropertyBag& bag, const char* key, const std::string& v, const std::string& def) {
    if (v != def) bag.Write(key, Variant::string(v));
}
void writeObject(com::IPropertyBag& bag, const char* key, com::IUnknown* v, com::IUnknown* def) {
    if (v != def) bag.Write(key, Variant::object(v, com::VT_DISPATCH));
}

}  // namespace linkcontrols::props
