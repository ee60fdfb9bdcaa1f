#include "dictionary/WordBaseCheck.h"

#include <algorithm>

#include "dictionary/LocaleNumber.h"
#include "dictionary/WordBaseMerge.h"
#include "text/CodePage.h"

namespace dictionary {

using namespace text::literals;

WordBaseCheck::Answer WordBaseCheck::of(const std::string& info, const std::string& comment, std::int16_t ourCount) {
    Answer a;
    // What the server says is shown cut to a sensible length; the count is
    // read whole.
    const std::string c = WordBaseMerge::shown(info), k = WordBaseMerge::shown(comment);
    if (c.empty()) return a;
    const auto v = LocaleNumber::floorOf(info);
    if (!v) {
        a.kind = Kind::NotANumber;
        return a;
    }
    const double count = ourCount;
    if (*v > count) {
        a.kind = Kind::Offer;
        a.text =
            "Liczba słów w bazie danych na serwerze: "_w + c + ". Czy chcesz aktualizować bazę wyrazów teraz? "_w + k;
        a.incrementsAhead = static_cast<int>(std::clamp(*v - count, 1.0, 32767.0));
    } else if (*v == count) {
        a.kind = Kind::Current;
        a.text = "Brak aktualizacji. "_w + k;
    } else {
        a.kind = Kind::Behind;
    }
    return a;
}

}  // namespace dictionary
