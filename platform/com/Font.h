#pragma once
// The standard font object: a shared, reference-counted description of a
// font. Controls hold fonts by reference, so a font handed to two properties
// is one object.
#include <cstdint>
#include <string>

#include "com/Ptr.h"
#include "com/Unknown.h"

namespace com {

struct FontDesc {
    std::string name = "MS Sans Serif";
    std::int64_t size = 82500;  // ten-thousandths of a point (8.25 pt)
    std::int16_t weight = 400;  // 700 is bold
    std::int16_t charset = 238;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    bool bold() const { return weight >= 600; }
    double points() const { return static_cast<double>(size) / 10000.0; }
    bool operator==(const FontDesc&) const = default;
};

class IFont : public IUnknown {
public:
    virtual FontDesc desc() = 0;
    virtual void setDesc(const FontDesc& d) = 0;
    // A new object with the same description.
    virtual HRESULT Clone(IFont** out) = 0;

protected:
    ~IFont() = default;
};

extern const Guid IID_IFont;
extern const Guid CLSID_StdFont;

Ptr<IFont> createFont(const FontDesc& desc);

}  // namespace com
