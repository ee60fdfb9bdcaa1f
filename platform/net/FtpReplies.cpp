#include "net/FtpReplies.h"

#include "text/CodePage.h"

namespace net {

int FtpReplies::code(std::string_view line) {
    if (line.size() < 4 || line[3] != ' ') return 0;
    for (int i = 0; i < 3; ++i)
        if (line[i] < '0' || line[i] > '9') return 0;
    return (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
}

int FtpReplies::opens(std::string_view line) {
    if (line.size() < 4 || line[3] != '-') return -1;
    for (int i = 0; i < 3; ++i)
        if (line[i] < '0' || line[i] > '9') return -1;
    return (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
}

bool FtpReplies::endsReply(int& open, std::string_view line) {
    if (open >= 0) {
        if (code(line) != open || (open == 0 && line.compare(0, 4, "000 ") != 0)) return false;
        open = -1;
        return true;
    }
    return (open = opens(line)) < 0;
}

bool FtpReplies::failsStore(int code) {
    return code == 450 || code == 451 || code == 452 || (code >= 550 && code <= 553);
}

FtpReplies::Closing FtpReplies::closing(std::string_view received) {
    Closing c;
    int open = -1;
    for (std::size_t at = 0; at < received.size() && !c.storeFailure;) {
        std::size_t end = received.find('\n', at);
        if (end == std::string_view::npos) end = received.size();
        const std::string_view line = received.substr(at, end - at);
        at = end + 1;
        if (!endsReply(open, line)) continue;
        const int reply = code(line);
        if (failsStore(reply))
            c.storeFailure = reply;
        else if (reply >= 400)
            c.otherError = reply;
    }
    return c;
}

NetError FtpReplies::refusal(const std::string& what, int code) {
    using text::ansi;
    using Kind = NetError::Kind;
    const bool store = what == "STOR" || what == "APPE";
    switch (code) {
    case 426: return NetError(Kind::Lost, ansi("Połączenie z serwerem FTP zostało przerwane."), code);
    case 552:
    case 452:
        return NetError(Kind::DiskFull,
                        ansi("Na dysku serwera FTP zabrakło miejsca (kod ") + std::to_string(code) + ").", code);
    case 451:
        if (store)
            return NetError(Kind::DiskFull, ansi("Serwer FTP nie mógł zapisać pliku na swoim dysku (kod 451)."), code);
        break;
    default: break;
    }
    return NetError(Kind::Refused,
                    ansi("Serwer FTP odrzucił polecenie ") + what +
                        (code ? " (kod " + std::to_string(code) + ")." : std::string(".")),
                    code);
}

void FtpReplies::sent(std::string_view commandLine) {
    std::string line(commandLine);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (line.compare(0, 5, "PASS ") == 0) line = "PASS";
    replies_.push_back({line, 0});
    open_ = -1;
}

void FtpReplies::received(std::string_view replyLine) {
    if (!endsReply(open_, replyLine)) return;
    if (replies_.empty() || replies_.back().second != 0) return;
    replies_.back().second = code(replyLine);
}

int FtpReplies::codeOf(std::string_view command) const {
    int c = 0;
    for (const auto& [sent, reply] : replies_)
        if (sent == command) c = reply;
    return c;
}

}  // namespace net
