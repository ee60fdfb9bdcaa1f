// A name listing as an FTP server sends it: the body taken piece by piece up
// to the largest listing there is, and the names in it.
// Input: two bytes, how many times the rest is sent (a long listing from a
// short input), then the pieces, cut at every NUL.
//
// The body is taken whole up to its bound and refused beyond it, never held
// beyond it; each name is one line's last path element, never "." or "..",
// and stands on the wire as it is in the system's text.
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "net/FtpListing.h"
#include "text/CodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view in = fuzzing::asText(data, size);
    std::size_t times = 1;
    if (in.size() >= 2) {
        times = 1 + static_cast<unsigned char>(in[0]) + 256u * static_cast<unsigned char>(in[1]);
        in.remove_prefix(2);
    }
    const std::vector<std::string> pieces = fuzzing::parts(in);
    std::size_t sent = 0, sentWhole = 0;
    net::FtpListing listing;
    for (std::size_t t = 0; t < times && !listing.tooLong(); ++t)
        for (const std::string& p : pieces) {
            sent += p.size();
            if (listing.add(p)) sentWhole = sent;
        }
    fuzzing::expect(listing.tooLong() == (sent > net::FtpListing::MaxBytes),
                    "a listing is too long exactly past its bound");
    fuzzing::expect(listing.body().size() == sentWhole && sentWhole <= net::FtpListing::MaxBytes,
                    "the body holds what came up to the bound");
    // The names of a listing of some hundred thousand take long to look up
    // one by one: those of the shorter listings are looked up.
    if (listing.tooLong() || listing.body().size() > (1u << 20)) return 0;

    const std::string& body = listing.body();
    std::size_t lines = 0, at = 0;
    for (const std::string& name : net::FtpListing::namesOf(body)) {
        fuzzing::expect(!name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
                            name.find('\n') == std::string::npos,
                        "a name is one line's last path element");
        // Each name comes from a line of its own, in the listing's order.
        const std::string wire = text::toUtf8(name);
        const std::size_t found = body.find(wire, at);
        fuzzing::expect(found != std::string::npos, "a name stands in the listing as it is sent");
        const std::size_t end = body.find('\n', found);
        at = end == std::string::npos ? body.size() : end + 1;
        ++lines;
    }
    return 0;
}
