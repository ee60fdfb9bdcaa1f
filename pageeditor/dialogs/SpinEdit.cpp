#include "pageeditor/dialogs/SpinEdit.h"

#include <charconv>

namespace pageeditor {

SpinEdit::SpinEdit(forms::Form& form, std::string name, forms::Control* container, int minValue, int maxValue,
                   int initial)
    : forms::TextBox(form, std::move(name), container), min_(minValue), max_(maxValue) {
    setValue(initial);
}

int SpinEdit::value() const {
    std::string t = text();
    auto b = t.find_first_not_of(' ');
    if (b == std::string::npos) return min_;
    long long v = 0;
    auto [p, ec] = std::from_chars(t.data() + b, t.data() + t.size(), v);
    if (ec != std::errc() || p == t.data() + b) return min_;
    if (v < min_) return min_;
    if (v > max_) return max_;
    return static_cast<int>(v);
}

void SpinEdit::setValue(int v) {
    if (v < min_) v = min_;
    if (v > max_) v = max_;
    setText(std::to_string(v));
}

}  // namespace pageeditor
