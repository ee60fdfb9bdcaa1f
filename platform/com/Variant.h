#pragma once
// A value of one of the automation types, with the platform's type numbers.
// Strings are Windows-1250 bytes. An object value holds a reference. A
// by-reference value points at another Variant owned by the caller, through
// which the callee may change the caller's value.
#include <cstdint>
#include <string>

#include "com/Ptr.h"
#include "com/Unknown.h"

namespace com {

enum VarType : std::uint16_t {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_BOOL = 11,
    VT_UNKNOWN = 13,
    VT_BYREF = 0x4000,
};

class Variant {
public:
    Variant() = default;
    static Variant boolean(bool b);
    static Variant i2(std::int16_t v);
    static Variant i4(std::int32_t v);
    static Variant r4(float v);
    static Variant r8(double v);
    static Variant string(std::string s);
    static Variant object(IUnknown* o, VarType type = VT_UNKNOWN);  // takes a reference
    // A reference to `target` (not owned); target must outlive this value.
    static Variant byRef(Variant* target);

    // The type of the value itself (VT_BYREF is never set here).
    VarType type() const { return ref_ ? ref_->type() : type_; }
    bool isByRef() const { return ref_ != nullptr; }
    bool isEmpty() const { return type() == VT_EMPTY; }
    // The value a by-reference variant points at, else this.
    Variant& target() { return ref_ ? *ref_ : *this; }
    const Variant& target() const { return ref_ ? *ref_ : *this; }

    // Conversions as automation applies them: numbers and booleans convert
    // among themselves (True is -1), strings of digits to numbers, numbers to
    // their decimal text. False when the value has no such form.
    bool toBool(bool& out) const;
    bool toI4(std::int32_t& out) const;
    bool toR4(float& out) const;
    bool toString(std::string& out) const;
    // The object held, without an added reference; nullptr for "Nothing".
    IUnknown* toObject() const;

    bool operator==(const Variant& o) const;

private:
    VarType type_ = VT_EMPTY;
    std::int32_t i_ = 0;
    double r_ = 0;
    std::string s_;
    Ptr<IUnknown> o_;
    Variant* ref_ = nullptr;
};

}  // namespace com
