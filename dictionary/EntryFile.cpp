#include "dictionary/EntryFile.h"

#include <cstring>

#include "text/LineFile.h"

namespace dictionary {

namespace {
// Walks the lines of `bytes`; fn(begin, length) returns true to stop.
template <class Fn>
void eachLine(const std::string& bytes, Fn fn) {
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    const char* nl = p;  // the next LF at or after p, or end
    const char* cr = p;  // the next CR at or after p, or end
    auto next = [end](const char* from, char c) {
        const void* hit = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return hit ? static_cast<const char*>(hit) : end;
    };
    while (p < end) {
        if (nl < p) nl = next(p, '\n');
        if (cr < p) cr = next(p, '\r');
        if (p == bytes.data()) {
            nl = next(p, '\n');
            cr = next(p, '\r');
        }
        const char* q = cr < nl ? cr : nl;
        if (fn(p, static_cast<std::size_t>(q - p))) return;
        if (q == end) return;
        p = (*q == '\r' && q + 1 < end && q[1] == '\n') ? q + 2 : q + 1;
    }
}
// The file's bytes, read afresh on every call into one buffer that is kept:
// a fresh buffer of a few megabytes costs more in page faults than reading.
std::string& buffer() {
    static std::string bytes;
    return bytes;
}
}  // namespace

EntryFile::Result EntryFile::findLine(const std::filesystem::path& file, const std::string& headword,
                                      std::string& line) {
    std::string& bytes = buffer();
    if (!text::readFile(file, bytes)) return Result::Unreadable;
    Result r = Result::NotFound;
    const std::size_t n = headword.size();
    eachLine(bytes, [&](const char* p, std::size_t len) {
        if (len >= n && std::memcmp(p, headword.data(), n) == 0) {
            line.assign(p, len);
            r = Result::Found;
            return true;
        }
        return false;
    });
    return r;
}

EntryFile::Result EntryFile::lineAt(const std::filesystem::path& file, int index, std::string& line) {
    if (index < 0) return Result::NotFound;
    std::string& bytes = buffer();
    if (!text::readFile(file, bytes)) return Result::Unreadable;
    int i = 0;
    Result r = Result::NotFound;
    eachLine(bytes, [&](const char* p, std::size_t len) {
        line.assign(p, len);
        r = Result::Found;
        return i++ == index;
    });
    return r;
}

}  // namespace dictionary
