#pragma once
// A test server on 127.0.0.1 run by testing/serve.py: an FTP server over a
// folder (optionally one that drops or stalls an upload), an HTTP server over
// a folder, or a server that accepts and never answers. The server stops when
// this object goes.
#include <filesystem>
#include <string>
#include <vector>

namespace net::testing {

class TestServer {
public:
    // mode: "ftp", "http" or "mute"; extra: further arguments of serve.py.
    TestServer(const std::string& mode, const std::filesystem::path& root, std::vector<std::string> extra = {});
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    int port() const { return port_; }
    // "127.0.0.1:port"
    std::string hostPort() const;

    static const char* user() { return "user"; }
    static const char* password() { return "secret"; }

private:
    int pid_ = -1;
    int stdinFd_ = -1;
    int port_ = 0;
};

// Makes the application object the requests are driven by (once per run).
void ensureApp();

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Writes `bytes` to a file, creating its folders.
void writeFile(const std::filesystem::path& p, const std::string& bytes);
std::string readFile(const std::filesystem::path& p);

}  // namespace net::testing
