#include "CaseRules.h"

namespace text {
namespace {
#include "Tables.inc"

unsigned char u8(char c) { return static_cast<unsigned char>(c); }

// Primary collation weight: the lower-case base letter.
unsigned char base(char c) { return kBase1250[u8(c)]; }
}  // namespace

char toUpper(char c) { return static_cast<char>(kUpper1250[u8(c)]); }
char toLower(char c) { return static_cast<char>(kLower1250[u8(c)]); }

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = toUpper(c);
    return out;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = toLower(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (toLower(a[i]) != toLower(b[i])) return false;
    return true;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

int compareNoCase(std::string_view a, std::string_view b) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        int x = u8(toLower(a[i])), y = u8(toLower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int collate(std::string_view a, std::string_view b) {
    // First level: base letters, with ß expanded to "ss".
    std::size_t i = 0, j = 0;
    int pendingA = 0, pendingB = 0;  // the second 's' of an expanded ß
    while (true) {
        int x, y;
        bool endA = !pendingA && i >= a.size();
        bool endB = !pendingB && j >= b.size();
        if (endA || endB) {
            if (endA && endB) break;
            return endA ? -1 : 1;
        }
        if (pendingA) {
            x = 's';
            pendingA = 0;
        } else {
            char c = a[i++];
            x = base(c);
            if (u8(c) == 0xDF) { x = 's'; pendingA = 1; }
        }
        if (pendingB) {
            y = 's';
            pendingB = 0;
        } else {
            char c = b[j++];
            y = base(c);
            if (u8(c) == 0xDF) { y = 's'; pendingB = 1; }
        }
        if (x != y) return x < y ? -1 : 1;
    }
    // Second level: the letters themselves, without regard to case.
    return compareNoCase(a, b);
}

}  // namespace text
