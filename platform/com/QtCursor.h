#pragma once
// Platform-internal: a monochrome cursor image as the toolkit's cursor, and
// the platform's standard pointer numbers as its shapes.
#include <QCursor>

#include "com/Picture.h"

namespace com {

// The largest cursor the platform shows, in pixels each way: a larger
// picture is scaled down to fit.
constexpr int kLargestCursor = 256;

QCursor qtCursorOf(const CursorImage& image);
// Pointers 1 to 15; anything else gives the arrow.
Qt::CursorShape qtPointerShape(int pointer);

}  // namespace com
