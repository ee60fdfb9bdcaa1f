#include "dictionary/LinkTarget.h"

namespace dictionary {

bool LinkTarget::of(const std::string& line, std::string& target) {
    target.clear();
    std::size_t at = line.find("href");
    if (at == std::string::npos) return false;
    // What follows "href" and the one character after it ...
    std::size_t from = at + 5;
    if (from > line.size()) return false;
    std::string r = line.substr(from);
    // ... without the closing markup ...
    if (r.size() <= 8) return false;
    r.resize(r.size() - 8);
    // ... is W, ">" and W again: the first half, rounded half to even.
    long long len = static_cast<long long>(r.size()) - 1;
    long long half = len / 2;
    if (len % 2 != 0 && half % 2 != 0) ++half;  // an exact half goes to the even whole number
    if (half <= 0) return false;
    target = r.substr(0, static_cast<std::size_t>(half));
    return true;
}

}  // namespace dictionary
