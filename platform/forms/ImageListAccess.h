#pragma once
// Platform-internal: the pictures of an image list and the stock glyphs as Qt
// icons.
#include <QIcon>
#include <QPixmap>
#include <vector>

#include "forms/Glyph.h"
#include "forms/ImageList.h"

namespace forms {

struct ImageList::Impl {
    std::vector<QIcon> icons;
};

// The icon at `index`, or a null icon when the list is null or the index is
// outside it.
QIcon iconOf(const ImageList* list, int index);
// A stock glyph drawn at a size in pixels (square).
QPixmap drawGlyph(Glyph glyph, int size);
QIcon glyphIcon(Glyph glyph);

// A hint "short|long": the short part is the tool tip, the long part the
// status-bar text; without "|" both are the whole hint.
void applyHint(QWidget* w, const std::string& hint);
QString shortHint(const std::string& hint);
QString longHint(const std::string& hint);

}  // namespace forms
