#include "forms/WindowGlyph.h"

#include <QApplication>

#include "forms/ImageListAccess.h"
#include "forms/QtAccess.h"

namespace forms {

void setWindowGlyph(Form& form, Glyph glyph) {
    if (QWidget* w = windowOf(form)) w->setWindowIcon(glyphIcon(glyph));
}

void setProgramGlyph(Glyph glyph) { QApplication::setWindowIcon(glyphIcon(glyph)); }

}  // namespace forms
