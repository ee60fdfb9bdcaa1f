#pragma once
// The standard picture object, as far as controls use it here: a monochrome
// cursor image (an AND and an XOR mask, one bit per pixel, rows from the top,
// the most significant bit leftmost) with its hot spot.
#include <cstdint>
#include <vector>

#include "com/Ptr.h"
#include "com/Unknown.h"

namespace com {

struct CursorImage {
    int width = 32, height = 32;
    int hotX = 0, hotY = 0;
    std::vector<std::uint8_t> andMask;  // 1 = screen shows through
    std::vector<std::uint8_t> xorMask;  // with AND 0: 1 = white, 0 = black
    bool operator==(const CursorImage&) const = default;
};

class IPicture : public IUnknown {
public:
    virtual CursorImage cursor() = 0;

protected:
    ~IPicture() = default;
};

extern const Guid IID_IPicture;

Ptr<IPicture> createCursorPicture(const CursorImage& image);

// A cursor from rows of text: '#' black, '.' white, anything else
// transparent; every row as wide as the first.
CursorImage cursorFromRows(const std::vector<const char*>& rows, int hotX, int hotY);

}  // namespace com
