#include "pageeditor/app/SpinEdit.h"

#include "forms/Types.h"

namespace pageeditor {

SpinEdit::SpinEdit(forms::Form& form, std::string name, forms::Control* container)
    : forms::TextBox(form, std::move(name), container) {
    setText("0");
    onKeyDown = [this](int& keyCode, int) {
        if (keyCode == forms::key::Up || keyCode == forms::key::Down) {
            setValue(value() + (keyCode == forms::key::Up ? 1 : -1));
            keyCode = 0;
        }
    };
}

bool SpinEdit::parse(const std::string& text, long& v) {
    std::size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ') ++i;
    while (n > i && text[n - 1] == ' ') --n;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == n || n - i > 9) return false;
    long r = 0;
    for (; i < n; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        r = r * 10 + (text[i] - '0');
    }
    v = negative ? -r : r;
    return true;
}

long SpinEdit::value() const {
    long v = 0;
    return parse(text(), v) ? v : 0;
}

void SpinEdit::setValue(long v) { setText(std::to_string(v)); }

bool SpinEdit::valid() const {
    long v = 0;
    return parse(text(), v);
}

}  // namespace pageeditor
