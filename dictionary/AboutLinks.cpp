#include "dictionary/AboutLinks.h"

#include <string>

#include "com/Font.h"

namespace dictionary {

namespace {

using com::Variant;

Variant font(const char* name, std::int64_t size, bool bold, bool italic, bool underline) {
    com::FontDesc d;
    d.name = name;
    d.size = size;
    d.weight = bold ? 700 : 400;
    d.charset = 238;
    d.italic = italic;
    d.underline = underline;
    return Variant::object(com::createFont(d).get(), com::VT_DISPATCH);
}

std::vector<com::PropertyBag::Entry> link(int extentX, int extentY, const char* href, const char* caption,
                                          std::int64_t size, bool bold, bool italic) {
    return {
        {"_extentx", Variant::i4(extentX)},
        {"_extenty", Variant::i4(extentY)},
        {"backcolor", Variant::i4(0xFFFFFF)},
        {"font", font("MS Sans Serif", 82500, false, false, false)},
        {"mousepointer", Variant::i4(16)},
        {"href", Variant::string(href)},
        {"caption", Variant::string(caption)},
        {"colornormal", Variant::i4(0xFF0000)},
        {"coloractive", Variant::i4(0x008000)},
        {"fontnormal", font("Arial", size, bold, italic, false)},
        {"fonthover", font("Arial", size, bold, italic, true)},
        {"fontactive", font("Arial", size, bold, italic, true)},
        {"mousepointer", Variant::i4(16)},
    };
}

}  // namespace

std::vector<com::PropertyBag::Entry> zorbLink1Properties() {
    return link(4101, 661, kWebAddress, kWebCaption, 142500, false, true);
}

std::vector<com::PropertyBag::Entry> zorbLink2Properties() {
    return link(3678, 476, kMailAddress, kMailCaption, 97500, true, false);
}

}  // namespace dictionary
