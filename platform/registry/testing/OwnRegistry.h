#pragma once
// For tests that start a program: while the object lives, the registry of
// this process, and of every library and tool it starts ($SUITE_REGISTRY),
// is a file of the test's own, so the machine's registry is never read or
// tidied. Header only.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "registry/Registry.h"

namespace registry::testing {

class OwnRegistry {
public:
    explicit OwnRegistry(const std::filesystem::path& file) {
        if (const char* v = std::getenv("SUITE_REGISTRY")) before_ = v;
        ::setenv("SUITE_REGISTRY", file.c_str(), 1);
        setPath(file);
    }
    ~OwnRegistry() {
        if (before_) ::setenv("SUITE_REGISTRY", before_->c_str(), 1);
        else ::unsetenv("SUITE_REGISTRY");
        setPath({});
    }
    OwnRegistry(const OwnRegistry&) = delete;
    OwnRegistry& operator=(const OwnRegistry&) = delete;

private:
    std::optional<std::string> before_;
};

}  // namespace registry::testing
