#include "pageeditor/dialogs/WholeNumber.h"

#include <algorithm>

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

long leadingNumber(const std::optional<std::string>& written, long missing, long unreadable) {
    if (!written) return missing;
    const std::string& v = *written;
    std::size_t i = v.find_first_not_of(" \t\r\n\f");
    if (i == std::string::npos || v[i] < '0' || v[i] > '9') return unreadable;
    long n = 0;
    for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i) n = std::min<long>(kMaxFieldValue, n * 10 + (v[i] - '0'));
    return n;
}

}  // namespace pageeditor
