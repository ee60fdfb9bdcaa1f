#include "LineFile.h"

namespace text {

LineReader::LineReader(const std::filesystem::path& path) {
    f_ = std::fopen(path.c_str(), "rb");
}

LineReader::~LineReader() {
    if (f_) std::fclose(f_);
}

bool LineReader::atEnd() {
    if (!f_) return true;
    int c = std::fgetc(f_);
    if (c == EOF) return true;
    std::ungetc(c, f_);
    return false;
}

bool LineReader::next(std::string& line) {
    line.clear();
    if (!f_) return false;
    int c = std::fgetc(f_);
    if (c == EOF) return false;
    while (c != EOF) {
        if (c == '\n') break;
        if (c == '\r') {
            int d = std::fgetc(f_);
            if (d != '\n' && d != EOF) std::ungetc(d, f_);
            break;
        }
        line += static_cast<char>(c);
        c = std::fgetc(f_);
    }
    return true;
}

LineWriter::LineWriter(const std::filesystem::path& path, Mode mode) {
    f_ = std::fopen(path.c_str(), mode == Mode::Append ? "ab" : "wb");
}

LineWriter::~LineWriter() { close(); }

bool LineWriter::write(std::string_view s) {
    if (!f_) return false;
    if (!s.empty() && std::fwrite(s.data(), 1, s.size(), f_) != s.size()) ok_ = false;
    return ok_;
}

bool LineWriter::writeLine(std::string_view line) {
    write(line);
    return write("\r\n");
}

bool LineWriter::close() {
    if (!f_) return false;
    if (std::fclose(f_) != 0) ok_ = false;
    f_ = nullptr;
    return ok_;
}

bool readLines(const std::filesystem::path& path, std::vector<std::string>& lines) {
    std::string bytes;
    if (!readFile(path, bytes)) return false;
    lines = splitLines(bytes);
    return true;
}

bool writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    LineWriter w(path);
    if (!w.isOpen()) return false;
    for (const auto& l : lines) w.writeLine(l);
    return w.close();
}

bool readFile(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0) ok = false;
    return ok;
}

std::vector<std::string> splitLines(std::string_view s) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t j = i;
        while (j < s.size() && s[j] != '\r' && s[j] != '\n') ++j;
        out.emplace_back(s.substr(i, j - i));
        if (j < s.size() && s[j] == '\r' && j + 1 < s.size() && s[j + 1] == '\n')
            j += 2;
        else if (j < s.size())
            j += 1;
        i = j;
    }
    return out;
}

}  // namespace text
