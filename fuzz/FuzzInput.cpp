#include "FuzzInput.h"

#include <cstdio>

namespace fuzzing {

std::filesystem::path asFile(std::string_view bytes, const std::string& name) {
    auto p = scratch() / name;
    std::FILE* f = std::fopen(p.c_str(), "wb");
    if (f) {
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return p;
}

}  // namespace fuzzing
