#pragma once
// A stock glyph as the icon of a form's window (and of the program's
// windows that have none of their own).
#include "forms/Glyph.h"

namespace forms {

class Form;

void setWindowGlyph(Form& form, Glyph glyph);
void setProgramGlyph(Glyph glyph);

}  // namespace forms
