#include "TestServer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace net::testing {

namespace fs = std::filesystem;

TestServer::TestServer(const std::string& mode, const fs::path& root, std::vector<std::string> extra) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) throw std::runtime_error("pipe failed");
    std::string script = std::string(NET_TESTING_DIR) + "/serve.py";
    std::vector<std::string> args = {"/usr/bin/python3", script, mode, root.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        close(in[1]);
        close(out[0]);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    stdinFd_ = in[1];
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
    close(out[0]);
    port_ = std::atoi(line.c_str());
    if (port_ <= 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        throw std::runtime_error("test server did not start (is python3-pyftpdlib installed?)");
    }
}

TestServer::~TestServer() {
    if (stdinFd_ >= 0) close(stdinFd_);
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

std::string TestServer::hostPort() const { return "127.0.0.1:" + std::to_string(port_); }

void ensureApp() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);  // lives until the process ends
}

TempDir::TempDir() {
    std::random_device rd;
    for (int i = 0; i < 100; ++i) {
        fs::path p = fs::temp_directory_path() / ("suite-test-" + std::to_string(getpid()) + "-" + std::to_string(rd()));
        if (fs::create_directory(p)) {
            path_ = p;
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void writeFile(const fs::path& p, const std::string& bytes) {
    if (p.has_parent_path()) fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), std::streamsize(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + p.string());
}

std::string readFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read " + p.string());
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace net::testing
