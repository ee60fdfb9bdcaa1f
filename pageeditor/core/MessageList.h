#pragma once
// The message translation list (data\lang\pl\trans.msg): pairs of lines, a
// program text and the text shown in its place. Every message box text, title,
// status text and generated fragment passes through tr before it is shown.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pageeditor {

class MessageList {
public:
    // Replaces the list with the lines of the file; false (list left empty)
    // when the file cannot be read.
    bool load(const std::filesystem::path& file);
    // Loads app_dir + "data\lang\pl\trans.msg".
    bool loadFromAppDir(std::string_view appDir);
    void setLines(std::vector<std::string> lines) { lines_ = std::move(lines); }
    const std::vector<std::string>& lines() const { return lines_; }

    // The text to show in place of `text`: the line after the first line equal
    // to it (without regard to case), when that line exists and is not empty.
    // The empty text always stays empty.
    std::string tr(std::string_view text) const;
    // The program text a translation came from: the line before it when the
    // first equal line stands at an odd index and that line is longer than
    // three characters; otherwise `text` itself.
    std::string retr(std::string_view text) const;
    // The editor's one message box: text and caption through tr, flags passed
    // on (64, 48, 36, 35 are the editor's), returns the button (1, 2, 6, 7).
    int MyBox(std::string_view message, std::string_view caption, int flags) const;

private:
    // Index of the first line equal to text, or -1.
    long find(std::string_view text) const;
    std::vector<std::string> lines_;
};

}  // namespace pageeditor
