#include "dictionary/OwnEntryLine.h"

#include "text/CodePage.h"

namespace dictionary {

const std::string& OwnEntryLine::compose(const Fields& f) {
    strWyraz = f.word;
    strZnaczenie = "<b>" + f.translation + "</b>";
    if (f.partOfSpeech == "rzeczownik") {
        static const char* const articles[] = {"<i>der</i>", "<i>die</i>", "<i>das</i>", "<i>der/die</i>"};
        // A noun whose article was not chosen gets none, rather than the mark
        // of whatever was added before it.
        strRodzajnik = f.article >= 0 && f.article < 4 ? articles[f.article] : "";
        strPlural = f.plural ? "(PL die " + f.pluralForm + ")" : "(nur Singular)";
        strLinia = strWyraz + " " + (strRodzajnik.empty() ? "" : strRodzajnik + " ") + strPlural + " " + strZnaczenie;
    } else if (f.partOfSpeech == "czasownik") {
        strRodzajnik = "<i>czasownik</i>";
        strKoniugacja = f.conjugation;
        strLinia = strWyraz + " " + strRodzajnik + " " + strKoniugacja + " " + strZnaczenie;
    } else {
        strRodzajnik = "<i>" + f.partOfSpeech + "</i>";
        strLinia = strWyraz + " " + strRodzajnik + " " + strZnaczenie;
    }
    return strLinia;
}

bool OwnEntryLine::conjugationFor(const std::string& verb, std::string& conjugation) {
    if (verb.size() < 2) return false;
    const std::string s = verb.substr(0, verb.size() - 2);
    conjugation = s + ", " + s + ", hat " + s;
    return true;
}

}  // namespace dictionary
