#pragma once
// A progress bar: a position between 0 and a maximum, drawn as the filled
// part of the bar. Positions are 64-bit so that byte counts of large files
// fit; the bar keeps the position within 0..maximum.
#include <cstdint>

#include "forms/Control.h"

namespace forms {

class ProgressBar : public Control {
public:
    ProgressBar(Form& form, std::string name, Control* container = nullptr);

    // A maximum below 0 counts as 0 (an empty bar).
    void setMax(std::int64_t max);
    std::int64_t max() const { return max_; }
    void setPosition(std::int64_t position);
    std::int64_t position() const { return position_; }
    // Moves the position by `delta` (which may be negative).
    void stepBy(std::int64_t delta);

private:
    void apply();
    std::int64_t max_ = 100;
    std::int64_t position_ = 0;
};

}  // namespace forms
