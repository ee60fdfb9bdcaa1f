#pragma once
// For tests of what reaches the desktop: a stand-in for the desktop's opener
// (xdg-open) first on PATH that records the arguments it is started with,
// byte for byte. Install it before the first address or file is opened in
// the process: the toolkit looks for the opener once.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <unistd.h>

namespace shell::testing {

class TestOpener {
public:
    TestOpener() : dir_(std::filesystem::temp_directory_path() / ("opener_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        const auto script = dir_ / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\n"
                                 "d=$(dirname \"$0\")\n"
                                 "printf '%s\\n' \"$@\" > \"$d/call.$$\" && mv \"$d/call.$$\" \"$d/opened.$$\"\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        const char* path = std::getenv("PATH");
        oldPath_ = path ? path : "";
        ::setenv("PATH", (dir_.string() + ":" + oldPath_).c_str(), 1);
    }
    ~TestOpener() {
        ::setenv("PATH", oldPath_.c_str(), 1);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    TestOpener(const TestOpener&) = delete;
    TestOpener& operator=(const TestOpener&) = delete;

    // The arguments of the next start of the opener, one a line; empty when
    // it was not started within the time.
    std::string next(int timeoutMs = 10000) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < until) {
            for (const auto& e : std::filesystem::directory_iterator(dir_)) {
                if (e.path().filename().string().rfind("opened.", 0) != 0) continue;
                std::ifstream in(e.path(), std::ios::binary);
                std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
                in.close();
                std::filesystem::remove(e.path());
                return s;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return {};
    }

private:
    std::filesystem::path dir_;
    std::string oldPath_;
};

}  // namespace shell::testing
