#pragma once
// Helpers of the fuzz targets: the input as a file of its own (for parsers
// that read files), the input cut into parts, a count of a text's
// occurrences, and the check of a property.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzing {

// A folder of this process's own for the files a target writes, removed
// with everything in it when the run ends.
inline const std::filesystem::path& scratch() {
    struct Folder {
        std::filesystem::path path;
        Folder() : path(std::filesystem::temp_directory_path() / ("fuzz-" + std::to_string(::getpid()))) {
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder;
    return folder.path;
}

// Writes `bytes` to `name` in the scratch folder; gives its path.
std::filesystem::path asFile(std::string_view bytes, const std::string& name = "input");

// The input as text.
inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at every NUL byte (an input without one is one part).
inline std::vector<std::string> parts(std::string_view s, std::size_t atLeast = 1) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t nul = s.find('\0', start);
        out.emplace_back(s.substr(start, nul == std::string_view::npos ? std::string_view::npos : nul - start));
        if (nul == std::string_view::npos) break;
        start = nul + 1;
    }
    while (out.size() < atLeast) out.emplace_back();
    return out;
}

// How many times `what` stands in `in`, none overlapping another.
template <class View>
std::size_t countIn(View in, View what) {
    std::size_t n = 0;
    for (std::size_t at = in.find(what); at != View::npos; at = in.find(what, at + what.size())) ++n;
    return n;
}
inline std::size_t count(std::string_view in, std::string_view what) { return countIn(in, what); }
inline std::size_t count(std::u16string_view in, std::u16string_view what) { return countIn(in, what); }

// A property every input must keep: when it is broken the run stops here,
// as at a crash, and the input is kept.
inline void expect(bool kept, const char* property) {
    if (kept) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

}  // namespace fuzzing
