#pragma once
// The colour dialog as a component of its dialog, keeping the colour it was
// last closed with.
#include <cstdint>
#include <string>

#include "forms/Component.h"

namespace pageeditor {

class ColourChooser : public forms::Component {
public:
    ColourChooser(forms::Form& form, std::string name) : forms::Component(form, std::move(name)) {}
    std::uint32_t color = 0;  // 0x00BBGGRR
    // True when a colour was chosen (then in color).
    bool execute();
};

}  // namespace pageeditor
