#pragma once
// A colour dialog as a component of its owner, keeping the colour it was
// last closed with. The dialog itself is asked through forms::modal().
#include <cstdint>
#include <string>

#include "forms/Component.h"

namespace pageeditor {

class ColorDialog : public forms::Component {
public:
    ColorDialog(forms::Form& form, std::string name);

    std::uint32_t color = 0;  // 0x00BBGGRR

    // True when the user chose a colour (then in color).
    bool execute();
};

}  // namespace pageeditor
