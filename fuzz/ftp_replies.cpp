// What an FTP server answers, as the client reads it: the input's lines are
// the commands sent (those beginning with ">") and the reply lines received,
// the way the transfer library hands them over; the first line names the
// operation whose refusal is told.
//
// Whatever the bytes: every reply code comes to exactly one outcome (the
// command went through, the store failed, or another error), and a refusal
// to exactly one kind of error that keeps its code; the text of a refusal
// says the code it carries (a closed data connection, 426, is told as the
// broken connection and keeps its code beside the text); and a multi-line
// reply, whatever its lines between say, reads as its last line alone.
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "net/FtpReplies.h"

using net::FtpReplies;
using Kind = net::NetError::Kind;

namespace {

std::vector<std::string_view> linesOf(std::string_view s) {
    std::vector<std::string_view> out;
    for (std::size_t at = 0; at < s.size();) {
        std::size_t end = s.find('\n', at);
        end = end == std::string_view::npos ? s.size() : end + 1;
        out.push_back(s.substr(at, end - at));
        at = end;
    }
    return out;
}

void checkRefusal(const std::string& what, int code) {
    const net::NetError e = FtpReplies::refusal(what, code);
    const std::string said = e.what();
    const int kinds = (e.kind() == Kind::Refused) + (e.kind() == Kind::DiskFull) + (e.kind() == Kind::Lost);
    fuzzing::expect(kinds == 1, "a refusal is a refusal, a full disk or a broken connection");
    fuzzing::expect(e.code() == code, "a refusal keeps its code");
    fuzzing::expect(!said.empty(), "a refusal is told");
    const net::NetError again = FtpReplies::refusal(what, code);
    fuzzing::expect(again.kind() == e.kind() && std::string(again.what()) == said, "a refusal is told alike each time");
    if (code == 0)
        fuzzing::expect(said.find("(kod") == std::string::npos, "no code is told where none came");
    else if (e.kind() != Kind::Lost)
        fuzzing::expect(said.find("(kod " + std::to_string(code) + ")") != std::string::npos,
                        "a refusal's text says its code");
    else
        fuzzing::expect(code == 426, "only a 426 is told as a broken connection");
}

// What a store and a command make of `lines` received after `command`.
struct Reading {
    int reply = 0;
    FtpReplies::Closing closing;
};
Reading read(const std::string& command, const std::vector<std::string>& lines) {
    FtpReplies replies;
    replies.sent(command);
    std::string all;
    for (const std::string& l : lines) {
        replies.received(l);
        all += l;
    }
    std::string shown = command;
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r')) shown.pop_back();
    if (shown.rfind("PASS ", 0) == 0) shown = "PASS";
    return {replies.codeOf(shown), FtpReplies::closing(all)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view in = fuzzing::asText(data, size);
    std::vector<std::string_view> lines = linesOf(in);
    // The operations of the client that a refusal names.
    static const char* const kOperations[] = {"STOR", "APPE", "MKD", "DELE", "CWD", "NLST", "RNFR/RNTO", ""};
    std::string what = "STOR";
    if (!lines.empty()) {
        std::string first(lines.front());
        while (!first.empty() && (first.back() == '\n' || first.back() == '\r')) first.pop_back();
        what = kOperations[first.empty() ? 0 : static_cast<unsigned char>(first[0]) % std::size(kOperations)];
        for (const char* op : kOperations)
            if (first == op) what = op;
        lines.erase(lines.begin());
    }

    // The whole exchange is read without a fault, whatever it holds.
    FtpReplies replies;
    std::string received;
    std::string command = "NOOP\r\n";
    std::vector<std::string> between;  // reply lines that end no reply
    for (std::string_view l : lines) {
        if (!l.empty() && l[0] == '>') {
            command = std::string(l.substr(1));
            replies.sent(command);
            continue;
        }
        replies.received(l);
        received += l;
        const int code = FtpReplies::code(l);
        if (code == 0) {
            between.emplace_back(l);
            continue;
        }
        checkRefusal(what, code);
        checkRefusal("STOR", code);

        // One final line: exactly one outcome, never success for an error.
        const Reading alone = read(command, {std::string(l)});
        const FtpReplies::Closing& c = alone.closing;
        fuzzing::expect(alone.reply == code, "a final line is the reply to the command before it");
        const int outcomes = (c.storeFailure == code) + (c.otherError == code) + (!c.storeFailure && !c.otherError);
        fuzzing::expect(outcomes == 1, "a reply comes to exactly one outcome");
        if (code >= 400) fuzzing::expect(c.storeFailure || c.otherError, "an error reply is no success");
        if (c.storeFailure)
            fuzzing::expect(FtpReplies::refusal("STOR", code).kind() != Kind::Lost,
                            "a store the server could not take is told as its refusal or a full disk");

        // The same line closing a multi-line reply whose lines between are
        // whatever else came (other codes among them).
        std::vector<std::string> block = {std::string(l.substr(0, 3)) + "-" + std::string(l.substr(4))};
        for (std::string_view o : lines) {
            if (block.size() > 64) break;
            if (!o.empty() && o[0] == '>') continue;
            if (o.substr(0, 3) != l.substr(0, 3) || o.size() < 4 || o[3] != ' ') block.emplace_back(o);
        }
        for (std::string& b : block)
            if (b.empty() || b.back() != '\n') b += "\r\n";
        block.emplace_back(l);
        const Reading multi = read(command, block);
        fuzzing::expect(multi.reply == alone.reply, "a multi-line reply reads as its last line");
        fuzzing::expect(multi.closing.storeFailure == alone.closing.storeFailure &&
                            multi.closing.otherError == alone.closing.otherError,
                        "a multi-line reply breaks a store off as its last line does");
    }
    checkRefusal(what, 0);
    (void)FtpReplies::closing(received);
    (void)replies.codeOf(command);
    return 0;
}
