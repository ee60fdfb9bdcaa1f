#include "Paths.h"

#include "CodePage.h"

namespace text {

std::filesystem::path toPath(std::string_view ansiName) {
    return std::filesystem::path(toUtf8(ansiName, CodePage::Windows1250));
}

bool fromPath(const std::filesystem::path& p, std::string& ansiName) {
    return fromUtf8(p.string(), ansiName, CodePage::Windows1250);
}

std::string pathText(const std::filesystem::path& p) {
    return fromUtf16Dropping(p.u16string(), CodePage::Windows1250, nullptr);
}

}  // namespace text
