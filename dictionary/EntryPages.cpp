#include "dictionary/EntryPages.h"

#include <cstdio>
#include <system_error>

#include "text/CaseRules.h"
#include "files/FileSystem.h"
#include "text/LineFile.h"
#include "text/Paths.h"

namespace dictionary {

namespace fs = std::filesystem;

namespace {
constexpr const char* kHead = "<font size=2 face=Arial>";
// Most file systems take 255 bytes in a name; Windows-1250 letters take up
// to three bytes in UTF-8.
constexpr std::size_t kMaxNameBytes = 240;

bool unsafe(unsigned char c, bool first) {
    if (c < 0x20 || c == 0x7F) return true;
    switch (c) {
    case '/':
    case '\\':
    case '%':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|': return true;
    case '.': return first;
    default: return false;
    }
}
}  // namespace

std::string EntryPages::pageName(const std::string& headword) {
    static const char hex[] = "0123456789ABCDEF";
    // An empty headword: a "%" that no escape of another name can give.
    if (headword.empty()) return "%.html";
    std::string name;
    for (std::size_t i = 0; i < headword.size(); ++i) {
        auto c = static_cast<unsigned char>(headword[i]);
        if (unsafe(c, i == 0)) {
            name += '%';
            name += hex[c >> 4];
            name += hex[c & 15];
        } else {
            name += static_cast<char>(c);
        }
    }
    if (text::toPath(name).native().size() + 5 > kMaxNameBytes) {
        // Cut by characters until it fits, then tell such names apart by a
        // checksum of the whole headword.
        unsigned long h = 5381;
        for (unsigned char c : headword) h = h * 33 + c;
        char sum[16];
        std::snprintf(sum, sizeof sum, "~%08lX", h & 0xFFFFFFFFul);
        while (!name.empty() && text::toPath(name).native().size() + 5 + 9 > kMaxNameBytes) name.pop_back();
        // Never end inside an escape.
        if (auto pct = name.rfind('%'); pct != std::string::npos && pct + 3 > name.size()) name.resize(pct);
        name += sum;
    }
    return name + ".html";
}

bool EntryPages::deletableName(const std::string& name) {
    if (name.size() <= 5 || name == "." || name == "..") return false;
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) return false;
    for (unsigned char c : name)
        if (c < 0x20) return false;
    if (name[0] == '.') return false;
    return text::equalsNoCase(name.substr(name.size() - 5), ".html");
}

fs::path EntryPages::pagePath(const std::string& headword) const {
    return folder_ / "wyrazy" / text::toPath(pageName(headword));
}

bool EntryPages::write(const std::string& headword, const std::string& body, fs::path& page) const {
    page = pagePath(headword);
    std::error_code ec;
    if (!fs::is_directory(folder_ / "wyrazy", ec)) fs::create_directories(folder_ / "wyrazy", ec);
    return files::writeFile(page, std::string(kHead) + "\r\n" + body + "\r\n");
}

bool EntryPages::list(const std::string& headword, std::error_code* failure) const {
    // The whole list is saved again with the name at its end, so a failed
    // save never leaves a list cut in the middle of a name.
    std::string bytes;
    if (!text::readFile(folder_ / "usun.dat", bytes) && fs::exists(folder_ / "usun.dat")) {
        if (failure) *failure = std::make_error_code(std::errc::io_error);
        return false;
    }
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') bytes += "\r\n";
    bytes += pageName(headword) + "\r\n";
    return files::writeFile(folder_ / "usun.dat", bytes, files::Access::Normal, failure);
}

void EntryPages::cleanUp(bool entryShown, bool printPageWritten) const {
    std::error_code ec;
    if (entryShown) {
        std::vector<std::string> names;
        if (text::readLines(folder_ / "usun.dat", names)) {
            for (const auto& n : names) {
                // Only pages of wyrazy/: a damaged list names nothing else.
                if (!deletableName(n)) continue;
                fs::remove(folder_ / "wyrazy" / text::toPath(n), ec);
            }
        }
        files::writeFile(folder_ / "usun.dat", "\r\n");
    }
    if (printPageWritten) fs::remove(folder_ / "lista.html", ec);
}

}  // namespace dictionary
