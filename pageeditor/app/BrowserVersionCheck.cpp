#include "pageeditor/app/BrowserVersionCheck.h"

namespace pageeditor {

std::optional<int> browserMajorVersion(std::string_view version) {
    int n = 0;
    std::size_t i = 0;
    for (; i < version.size() && version[i] >= '0' && version[i] <= '9'; ++i) {
        n = n * 10 + (version[i] - '0');
        if (n > 1000000) return std::nullopt;
    }
    if (i == 0) return std::nullopt;
    return n;
}

bool needsLStrokeHook(std::string_view version) {
    std::optional<int> major = browserMajorVersion(version);
    return major && *major < 6;
}

}  // namespace pageeditor
