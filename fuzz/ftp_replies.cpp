// What an FTP server answers to the commands of one request, as the client
// reads it: the input's lines are the commands sent (those beginning with
// ">") and the reply lines received, the way the transfer library hands them
// over; the first line names the operation whose refusal is told.
//
// A reply code is three digits and a blank; each command gets the code of
// the first final line after it; a store broken off fails with the first
// received code that ends a store, beside the last other error code before
// it; a refusal says its code, a full disk (452, 552, and 451 to a store) is
// told as such, and a closed data connection (426) as a broken transfer.
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "net/FtpReplies.h"
#include "text/CodePage.h"

using net::FtpReplies;

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

bool digits3(std::string_view l) {
    return l.size() >= 3 && l[0] >= '0' && l[0] <= '9' && l[1] >= '0' && l[1] <= '9' && l[2] >= '0' && l[2] <= '9';
}

void checkRefusal(const std::string& what, int code) {
    const net::NetError e = FtpReplies::refusal(what, code);
    const std::string said = e.what();
    fuzzing::expect(e.code() == code, "a refusal keeps its code");
    fuzzing::expect(!said.empty(), "a refusal is told");
    const bool store = what == "STOR" || what == "APPE";
    const bool full = code == 452 || code == 552 || (code == 451 && store);
    const bool lost = code == 426;
    if (code != 0 && !lost)
        fuzzing::expect(said.find("(kod " + std::to_string(code) + ")") != std::string::npos,
                        "a refusal says its code");
    fuzzing::expect((e.kind() == net::NetError::Kind::DiskFull) == full, "a full disk is told as such");
    fuzzing::expect((e.kind() == net::NetError::Kind::Lost) == lost, "a closed data connection is a broken transfer");
    fuzzing::expect(full || lost || e.kind() == net::NetError::Kind::Refused, "any other refusal is a refusal");
    if (!full && !lost) fuzzing::expect(said.find(what) != std::string::npos, "a refusal names the command");
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

    FtpReplies replies;
    std::string received;
    std::vector<std::pair<std::string, int>> expected;  // each command and its first final code
    // What a store broken off after these lines fails with.
    FtpReplies::Closing closing;
    for (std::string_view l : lines) {
        if (!l.empty() && l[0] == '>') {
            std::string c(l.substr(1));
            replies.sent(c);
            while (!c.empty() && (c.back() == '\n' || c.back() == '\r')) c.pop_back();
            if (c.rfind("PASS ", 0) == 0) c = "PASS";
            expected.push_back({c, 0});
            continue;
        }
        replies.received(l);
        received += l;
        const int code = FtpReplies::code(l);
        fuzzing::expect(code == 0 || (code >= 0 && code <= 999 && digits3(l) && l[3] == ' '),
                        "a reply code is three digits and a blank");
        if (digits3(l) && l.size() > 3 && l[3] == ' ')
            fuzzing::expect(code == (l[0] - '0') * 100 + (l[1] - '0') * 10 + (l[2] - '0'),
                            "a final line's code is read");
        if (!expected.empty() && expected.back().second == 0) expected.back().second = code;
        if (!closing.storeFailure) {
            if (FtpReplies::failsStore(code))
                closing.storeFailure = code;
            else if (code >= 400)
                closing.otherError = code;
        }
        checkRefusal(what, code);
    }
    for (const auto& [command, code] : expected) {
        int last = 0;
        for (const auto& [c, k] : expected)
            if (c == command) last = k;
        fuzzing::expect(replies.codeOf(command) == last, "a command gets the code of its reply");
    }
    const FtpReplies::Closing read = FtpReplies::closing(received);
    fuzzing::expect(read.storeFailure == closing.storeFailure && read.otherError == closing.otherError,
                    "a store fails with the first code that ends it, beside the last other error before it");
    return 0;
}
