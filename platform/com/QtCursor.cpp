#include "com/QtCursor.h"

#include <QBitmap>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace com {

QCursor qtCursorOf(const CursorImage& c) {
    if (c.width <= 0 || c.height <= 0) return QCursor();
    // A picture larger than the largest cursor is scaled down to it, keeping
    // its proportions; only the pixels the cursor shows are read, so a
    // picture of any size costs no more than one of that size.
    const double scale = std::min({1.0, double(kLargestCursor) / c.width, double(kLargestCursor) / c.height});
    const int w = std::clamp(static_cast<int>(c.width * scale), 1, kLargestCursor);
    const int h = std::clamp(static_cast<int>(c.height * scale), 1, kLargestCursor);
    const std::int64_t stride = (std::int64_t(c.width) + 7) / 8;
    QImage bitmap(w, h, QImage::Format_Mono), mask(w, h, QImage::Format_Mono);
    // Every byte defined, the padding at the end of each line too (which
    // fill() leaves alone and the conversion to a bitmap reads).
    std::memset(bitmap.bits(), 0, static_cast<std::size_t>(bitmap.sizeInBytes()));
    std::memset(mask.bits(), 0, static_cast<std::size_t>(mask.sizeInBytes()));
    bitmap.setColor(0, qRgb(255, 255, 255));  // the toolkit: bitmap 1 = black, mask 1 = opaque
    bitmap.setColor(1, qRgb(0, 0, 0));
    mask.setColor(0, qRgb(255, 255, 255));
    mask.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < h; ++y) {
        const std::int64_t sy = std::int64_t(y) * c.height / h;
        for (int x = 0; x < w; ++x) {
            const std::int64_t sx = std::int64_t(x) * c.width / w;
            const auto i = static_cast<std::uint64_t>(sy * stride + sx / 8);
            std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (sx % 8));
            bool opaque = i < c.andMask.size() && !(c.andMask[i] & bit);
            bool white = i < c.xorMask.size() && (c.xorMask[i] & bit);
            bitmap.setPixel(x, y, opaque && !white ? 1 : 0);
            mask.setPixel(x, y, opaque ? 1 : 0);
        }
    }
    // The hot spot of a scaled picture moves with it, and lies on the picture
    // whatever the image says: the window system refuses a cursor whose hot
    // spot is outside it.
    auto onPicture = [](int hot, int shown, int size) {
        return static_cast<int>(std::clamp<std::int64_t>(std::int64_t(hot) * shown / size, 0, shown - 1));
    };
    return QCursor(QBitmap::fromImage(bitmap), QBitmap::fromImage(mask), onPicture(c.hotX, w, c.width),
                   onPicture(c.hotY, h, c.height));
}

Qt::CursorShape qtPointerShape(int p) {
    switch (p) {
        case 2: return Qt::CrossCursor;
        case 3: return Qt::IBeamCursor;
        case 5: return Qt::SizeAllCursor;
        case 6: return Qt::SizeBDiagCursor;
        case 7: return Qt::SizeVerCursor;
        case 8: return Qt::SizeFDiagCursor;
        case 9: return Qt::SizeHorCursor;
        case 10: return Qt::UpArrowCursor;
        case 11: return Qt::WaitCursor;
        case 12: return Qt::ForbiddenCursor;
        case 13: return Qt::BusyCursor;
        case 14: return Qt::WhatsThisCursor;
        case 15: return Qt::SizeAllCursor;
        default: return Qt::ArrowCursor;  // 1 arrow, 4 the old "icon" pointer
    }
}

}  // namespace com
