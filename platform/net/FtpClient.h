#pragma once
// An FTP client for publishing a site: one control connection kept open from
// connect() to disconnect() (or until it breaks: then connected() turns false
// and the client never logs in again on its own), binary data connections in
// passive mode (EPSV, then PASV) or, when the server refuses both, in active
// mode, and only the operations publishing needs.
//
// Every call returns when the server has answered, but the caller's windows
// keep working meanwhile: the request runs in a nested event loop (see
// CurlLoop). A failure raises NetError with a Polish message. Names and paths
// are the system's Windows-1250 text; on the wire they are UTF-8. Proxy
// settings of the environment are never used.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/NetError.h"

namespace net {

class FtpClient {
public:
    // The work events of a file transfer: begin with the expected byte count
    // (0 when unknown), then the bytes so far, then end (also after a failed
    // or aborted transfer). They run on the caller's thread, from inside the
    // transfer; abort() may be called from them.
    struct Events {
        std::function<void(std::int64_t expected)> workBegin;
        std::function<void(std::int64_t soFar)> work;
        std::function<void()> workEnd;
    };

    FtpClient();
    ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    // "ftp.example.pl", "ftp.example.pl:2121" or "ftp://ftp.example.pl/".
    void setHost(const std::string& host);
    void setUser(const std::string& user);
    void setPassword(const std::string& password);
    // Time to reach the server and log in, and the longest silence of the
    // server during a command or a transfer; both in milliseconds.
    void setConnectTimeout(int ms);
    void setIdleTimeout(int ms);
    int connectTimeout() const;
    int idleTimeout() const;
    void setEvents(Events events);

    // Connects and logs in; the current folder becomes the login folder.
    // Connecting while connected closes the old connection first.
    void connect();
    // Sends QUIT and closes the connection; nothing happens when not connected.
    void disconnect();
    bool connected() const;

    // The current folder as an absolute path on the server.
    std::string currentDir() const;
    // Names of the current folder, without details (see FtpListing). A
    // listing beyond some hundred thousand names raises TooLong.
    std::vector<std::string> listNames();
    // A folder name relative to the current folder ("www", "a/b", "..") or an
    // absolute path ("/www"). A folder that does not exist raises Refused and
    // leaves the current folder as it was.
    void changeDir(const std::string& dir);
    void makeDir(const std::string& name);
    void deleteFile(const std::string& name);
    void rename(const std::string& from, const std::string& to);
    // Sends a local file under `remoteName` in the current folder, replacing
    // (or, with append, extending) what is there.
    void store(const std::filesystem::path& localFile, const std::string& remoteName, bool append = false);

    // Aborts the running transfer; the call that runs it raises Aborted. Does
    // nothing when no transfer runs.
    void abort();
    // Aborts the running store (as abort() does) once it has moved no byte
    // for `ms`, counted from this call and from every byte it moves after
    // it; a store that keeps moving runs to its end. Does nothing when no
    // store runs.
    void abortWhenStalled(int ms);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace net
