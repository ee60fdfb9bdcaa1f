#pragma once
// What an FTP server answers, as the client reads it: the code of a reply
// line, the codes that end a store the server could not take, the error of
// a refused command, and the replies to the commands of one request, in the
// order they were sent.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "net/NetError.h"

namespace net {

class FtpReplies {
public:
    // The code of a final reply line ("ddd text", maybe with its line end),
    // else 0 (a line that goes on, "ddd-text", or one that is no reply).
    static int code(std::string_view line);
    // Codes with which a server ends a store it could not take: its disk or
    // the user's quota is full, it could not write, or it refuses the file.
    static bool failsStore(int code);
    // What reply lines (bytes as received, lines ended by LF) say of a store
    // the server broke off: the first code that ends a store (0: none), and
    // the last other error code before it (0: none; a 426 says the server
    // closed the data connection). A multi-line reply ("ddd-" up to the
    // line with the same code and a blank) counts as its last line.
    struct Closing {
        int storeFailure = 0, otherError = 0;
    };
    static Closing closing(std::string_view received);
    // The error of the command `what` ("STOR", "MKD", ...) that the server
    // refused with `code` (0: no code came). 452 and 552 say the server has
    // no room for a file, and so does 451 to a store; 426 says the server
    // closed the data connection (some answer a full disk so): the transfer
    // broke off.
    static NetError refusal(const std::string& what, int code);

    // A command line sent (its line end, and the password of PASS, are not
    // kept) and a reply line received; the first final line after a
    // command is its reply, and of a multi-line reply only its last line
    // (the lines between may look like replies of their own).
    void sent(std::string_view commandLine);
    void received(std::string_view replyLine);
    // The reply code to the last time `command` was sent, 0 when none came.
    int codeOf(std::string_view command) const;
    void clear() { replies_.clear(); }

    // The code a line opens a multi-line reply with ("ddd-text"), else -1.
    static int opens(std::string_view line);

private:
    // Whether `line` ends a reply, with `open` the code of the multi-line
    // reply being read (-1: none), which it updates: a line that opens one,
    // and those inside it up to its last, end none.
    static bool endsReply(int& open, std::string_view line);

    std::vector<std::pair<std::string, int>> replies_;
    int open_ = -1;  // the code of the multi-line reply being read
};

}  // namespace net
