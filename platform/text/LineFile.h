#pragma once
// Line files as the platform reads and writes them: a line ends at CR LF, a
// lone CR or a lone LF, and the end is not kept; lines are written with CR LF.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Reads a file one line at a time.
class LineReader {
public:
    explicit LineReader(const std::filesystem::path& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return f_ != nullptr; }
    // True when no further line can be read.
    bool atEnd();
    // Reads the next line into `line`; false at the end of the file.
    bool next(std::string& line);

private:
    std::FILE* f_ = nullptr;
};

// Writes lines, each followed by CR LF.
class LineWriter {
public:
    enum class Mode { Replace, Append };
    explicit LineWriter(const std::filesystem::path& path, Mode mode = Mode::Replace);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    bool isOpen() const { return f_ != nullptr; }
    bool writeLine(std::string_view line);
    // Writes text without a line end.
    bool write(std::string_view s);
    // Flushes and closes; false when anything written was lost.
    bool close();

private:
    std::FILE* f_ = nullptr;
    bool ok_ = true;
};

// Whole-file helpers. readLines gives false when the file cannot be opened.
bool readLines(const std::filesystem::path& path, std::vector<std::string>& lines);
bool writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines);
bool readFile(const std::filesystem::path& path, std::string& bytes);
bool writeFile(const std::filesystem::path& path, std::string_view bytes);

// Splits text into lines by the same rule as LineReader.
std::vector<std::string> splitLines(std::string_view s);

}  // namespace text
