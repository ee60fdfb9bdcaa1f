#pragma once
// The word-base check's answer to what the update server says: the count of
// its headwords (info.dat) beside the program base's own, with the server's
// comment (kom.dat). The lookup window's "Aktualizuj" shows it.
#include <cstdint>
#include <string>

namespace dictionary {

class WordBaseCheck {
public:
    enum class Kind {
        NoCount,     // info.dat was empty: the server could not be asked
        NotANumber,  // info.dat holds no number: nothing is offered on it
        Offer,       // the server has more headwords: the update is offered
        Current,     // as many: no update
        Behind,      // fewer: nothing is shown
    };
    struct Answer {
        Kind kind = Kind::NoCount;
        // The question (Offer) or the message (Current), Windows-1250, with
        // the server's texts cut to a sensible length.
        std::string text;
        // Offer: the most increments the server can have beyond ours, each
        // adding at least one headword.
        int incrementsAhead = 0;
    };

    static Answer of(const std::string& info, const std::string& comment, std::int16_t ourCount);
};

}  // namespace dictionary
