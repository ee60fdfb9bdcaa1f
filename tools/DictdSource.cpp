#include "tools/DictdSource.h"

#include <zlib.h>

#include "text/LineFile.h"

namespace tools {

bool DictdSource::decodeNumber(const std::string& b64, unsigned long long& value) {
    static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (b64.empty() || b64.size() > 10) return false;
    value = 0;
    for (char c : b64) {
        auto p = alphabet.find(c);
        if (p == std::string::npos) return false;
        value = value * 64 + p;
    }
    return true;
}

namespace {
bool readData(const std::filesystem::path& path, std::string& out) {
    gzFile f = gzopen(path.c_str(), "rb");
    if (!f) return false;
    char buf[1 << 16];
    int n;
    while ((n = gzread(f, buf, sizeof buf)) > 0) out.append(buf, static_cast<std::size_t>(n));
    int err = 0;
    gzerror(f, &err);
    bool ok = n == 0 && err == Z_OK;
    gzclose(f);
    return ok;
}
}  // namespace

bool DictdSource::open(const std::filesystem::path& index, const std::filesystem::path& data, std::string& error) {
    entries_.clear();
    std::vector<std::string> lines;
    if (!text::readLines(index, lines)) {
        error = "cannot read " + index.string();
        return false;
    }
    std::string bytes;
    if (!readData(data, bytes)) {
        error = "cannot read " + data.string();
        return false;
    }
    std::size_t lineNo = 0;
    for (const auto& line : lines) {
        ++lineNo;
        if (line.empty()) continue;
        auto t1 = line.find('\t');
        auto t2 = t1 == std::string::npos ? t1 : line.find('\t', t1 + 1);
        if (t2 == std::string::npos) {
            error = index.string() + ":" + std::to_string(lineNo) + ": not word, offset and length";
            return false;
        }
        std::string key = line.substr(0, t1);
        std::string off = line.substr(t1 + 1, t2 - t1 - 1);
        std::string len = line.substr(t2 + 1);
        if (auto t3 = len.find('\t'); t3 != std::string::npos) len.resize(t3);
        unsigned long long o = 0, l = 0;
        if (!decodeNumber(off, o) || !decodeNumber(len, l) || o > bytes.size() || l > bytes.size() - o) {
            error = index.string() + ":" + std::to_string(lineNo) + ": offset or length outside the data";
            return false;
        }
        if (key.rfind("00database", 0) == 0 || key.rfind("00-database", 0) == 0) continue;
        entries_.push_back({key, bytes.substr(o, l)});
    }
    return true;
}

}  // namespace tools
