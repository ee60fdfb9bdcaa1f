#include "com/Variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace com {

Variant Variant::boolean(bool b) {
    Variant v;
    v.type_ = VT_BOOL;
    v.i_ = b ? -1 : 0;
    return v;
}
Variant Variant::i2(std::int16_t x) {
    Variant v;
    v.type_ = VT_I2;
    v.i_ = x;
    return v;
}
Variant Variant::i4(std::int32_t x) {
    Variant v;
    v.type_ = VT_I4;
    v.i_ = x;
    return v;
}
Variant Variant::r4(float x) {
    Variant v;
    v.type_ = VT_R4;
    v.r_ = x;
    return v;
}
Variant Variant::r8(double x) {
    Variant v;
    v.type_ = VT_R8;
    v.r_ = x;
    return v;
}
Variant Variant::string(std::string s) {
    Variant v;
    v.type_ = VT_BSTR;
    v.s_ = std::move(s);
    return v;
}
Variant Variant::object(IUnknown* o, VarType type) {
    Variant v;
    v.type_ = type;
    v.o_ = Ptr<IUnknown>(o);
    return v;
}
Variant Variant::byRef(Variant* target) {
    Variant v;
    v.ref_ = target;
    return v;
}

bool Variant::toI4(std::int32_t& out) const {
    const Variant& t = target();
    switch (t.type_) {
        case VT_EMPTY: out = 0; return true;
        case VT_I2:
        case VT_I4:
        case VT_BOOL: out = t.i_; return true;
        case VT_R4:
        case VT_R8: {
            double r = std::nearbyint(t.r_);  // halves to even
            // Not a number, like one out of range, has no integer.
            if (!(r >= -2147483648.0 && r <= 2147483647.0)) return false;
            out = static_cast<std::int32_t>(r);
            return true;
        }
        case VT_BSTR: {
            const char* b = t.s_.data();
            const char* e = b + t.s_.size();
            auto [p, ec] = std::from_chars(b, e, out);
            return ec == std::errc() && p == e && b != e;
        }
        default: return false;
    }
}

bool Variant::toBool(bool& out) const {
    std::int32_t i;
    if (!toI4(i)) return false;
    out = i != 0;
    return true;
}

bool Variant::toR4(float& out) const {
    const Variant& t = target();
    if (t.type_ == VT_R4 || t.type_ == VT_R8) {
        out = static_cast<float>(t.r_);
        return true;
    }
    std::int32_t i;
    if (!toI4(i)) return false;
    out = static_cast<float>(i);
    return true;
}

bool Variant::toString(std::string& out) const {
    const Variant& t = target();
    switch (t.type_) {
        case VT_EMPTY: out.clear(); return true;
        case VT_BSTR: out = t.s_; return true;
        case VT_BOOL: out = t.i_ ? "True" : "False"; return true;
        case VT_I2:
        case VT_I4: out = std::to_string(t.i_); return true;
        case VT_R4:
        case VT_R8: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%g", t.r_);
            out = buf;
            return true;
        }
        default: return false;
    }
}

IUnknown* Variant::toObject() const {
    const Variant& t = target();
    return (t.type_ == VT_UNKNOWN || t.type_ == VT_DISPATCH) ? t.o_.get() : nullptr;
}

bool Variant::operator==(const Variant& o) const {
    const Variant& a = target();
    const Variant& b = o.target();
    if (a.type_ != b.type_) return false;
    switch (a.type_) {
        case VT_EMPTY: return true;
        case VT_R4:
        case VT_R8: return a.r_ == b.r_;
        case VT_BSTR: return a.s_ == b.s_;
        case VT_UNKNOWN:
        case VT_DISPATCH: return a.o_.get() == b.o_.get();
        default: return a.i_ == b.i_;
    }
}

}  // namespace com
