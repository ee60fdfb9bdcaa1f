#include "net/FtpListing.h"

#include "text/CodePage.h"

namespace net {

bool FtpListing::add(std::string_view piece) {
    if (tooLong_ || body_.size() + piece.size() > MaxBytes) {
        tooLong_ = true;
        return false;
    }
    body_.append(piece);
    return true;
}

void FtpListing::clear() {
    body_.clear();
    body_.shrink_to_fit();
    tooLong_ = false;
}

std::vector<std::string> FtpListing::namesOf(std::string_view body) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < body.size()) {
        std::size_t end = body.find('\n', start);
        if (end == std::string_view::npos) end = body.size();
        std::string line(body.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Some servers answer with paths; the name is the last element.
        std::size_t slash = line.rfind('/');
        if (slash != std::string::npos) line = line.substr(slash + 1);
        if (!line.empty() && line != "." && line != "..") {
            std::string name;
            if (text::fromUtf8(line, name)) names.push_back(name);
        }
        start = end + 1;
    }
    return names;
}

}  // namespace net
