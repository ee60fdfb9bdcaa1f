#pragma once
// The one error the network layer raises. Its message is Polish, in
// Windows-1250, ready for a message box; the kind lets a caller tell a
// refused command from a lost connection.
#include <stdexcept>
#include <string>

namespace net {

class NetError : public std::runtime_error {
public:
    enum class Kind {
        NotConnected,  // an operation before connect() or after the connection was lost
        Connect,       // the server could not be reached
        Login,         // the server refused the user name or the password
        Timeout,       // no answer within the connect or idle time-out
        Lost,          // the connection broke during a command or a transfer
        Refused,       // the server answered a command with an error
        Aborted,       // the running transfer was aborted by the caller
        Local,         // a local file could not be read
        Http,          // an HTTP request ended with an error status
        Busy,          // a request was started while another one is running
        DiskFull,      // the server has no room left for a file (552)
        TooLong,       // a listing or a reply beyond what it can legitimately be
    };

    NetError(Kind kind, const std::string& message, int code = 0)
        : std::runtime_error(message), kind_(kind), code_(code) {}

    Kind kind() const { return kind_; }
    // The server's reply code (FTP reply or HTTP status) when there is one, else 0.
    int code() const { return code_; }
    // True when the connection can no longer be used.
    bool connectionGone() const {
        return kind_ == Kind::NotConnected || kind_ == Kind::Connect || kind_ == Kind::Login ||
               kind_ == Kind::Timeout || kind_ == Kind::Lost || kind_ == Kind::DiskFull || kind_ == Kind::TooLong;
    }

private:
    Kind kind_;
    int code_;
};

}  // namespace net
