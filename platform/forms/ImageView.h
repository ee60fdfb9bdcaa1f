#pragma once
// A picture on a form, loaded from a file; it can be stretched to its size,
// kept in proportion, or centred. Clicks raise the control's click event.
#include <string>

#include "forms/Control.h"
#include "forms/Glyph.h"

namespace forms {

class ImageView : public Control {
public:
    enum class Fit { None, Center, Stretch, Proportional };
    ImageView(Form& form, std::string name, Control* container = nullptr);
    // A file-system path; false (the picture kept) when it cannot be read.
    bool loadFile(const std::string& path);
    void setGlyph(Glyph g, int size);
    void clear();
    bool empty() const;
    void setFit(Fit f);
    void setHandPointer(bool on);
    void setHint(const std::string& hint);
};

}  // namespace forms
