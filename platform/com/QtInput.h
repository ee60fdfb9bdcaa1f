#pragma once
// Platform-internal: the toolkit's colours, mouse buttons and modifier keys
// in the component layer's terms.
#include <QColor>
#include <Qt>
#include <cstdint>

#include "com/ControlSurface.h"

namespace com {

// A colour value (0x00BBGGRR, or a system colour) as the toolkit's colour.
inline QColor qcolor(std::uint32_t ole) {
    std::uint32_t rgb = resolveColor(ole);
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

inline std::int16_t buttonsOf(Qt::MouseButtons b) {
    std::int16_t r = 0;
    if (b & Qt::LeftButton) r |= LeftButton;
    if (b & Qt::RightButton) r |= RightButton;
    if (b & Qt::MiddleButton) r |= MiddleButton;
    return r;
}

inline std::int16_t shiftOf(Qt::KeyboardModifiers m) {
    std::int16_t r = 0;
    if (m & Qt::ShiftModifier) r |= ShiftMask;
    if (m & Qt::ControlModifier) r |= CtrlMask;
    if (m & Qt::AltModifier) r |= AltMask;
    return r;
}

}  // namespace com
