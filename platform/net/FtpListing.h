#pragma once
// The body of a name listing as an FTP server sends it, taken piece by piece
// up to the largest listing a folder can have, and the names in it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace net {

class FtpListing {
public:
    // Some hundred thousand names.
    static constexpr std::size_t MaxBytes = 16 * 1024 * 1024;

    // Adds a piece of the body; false, and nothing of it kept, when the body
    // would grow beyond MaxBytes (the listing is then too long).
    bool add(std::string_view piece);
    bool tooLong() const { return tooLong_; }
    const std::string& body() const { return body_; }
    void clear();

    // The names of a listing (one a line, maybe with a path before it; "."
    // and ".." and names that are not UTF-8 left out), as the system's text.
    static std::vector<std::string> namesOf(std::string_view body);

private:
    std::string body_;
    bool tooLong_ = false;
};

}  // namespace net
