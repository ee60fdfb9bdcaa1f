#include "pageeditor/dialogs/WholeNumber.h"

namespace pageeditor {

bool parseWholeNumber(const std::string& text, long& v) {
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

}  // namespace pageeditor
