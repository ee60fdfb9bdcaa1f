#pragma once
// How the word-base editor composes an entry line of the user's base from
// its fields, in the style of the program's own entries:
//   Haus <i>das</i> (PL die Häuser) <b>dom</b>
//   machen <i>czasownik</i> macht, machte, hat gemacht <b>robić</b>
//   schnell <i>przymiotnik</i> <b>szybki</b>
// The parts of the last entry built are kept for the whole run.
#include <string>

namespace dictionary {

class OwnEntryLine {
public:
    struct Fields {
        std::string partOfSpeech;  // the text of the part-of-speech list
        std::string word;          // German
        std::string translation;   // Polish
        int article = -1;          // 0 der, 1 die, 2 das, 3 der/die; -1 none chosen
        bool plural = true;
        std::string pluralForm;
        std::string conjugation;
    };

    // Builds the line from the fields into the parts below; returns strLinia.
    const std::string& compose(const Fields& f);

    // The conjugation suggested for a verb: its stem (the word without its
    // last two characters) as "S, S, hat S". False for a word shorter than two.
    static bool conjugationFor(const std::string& verb, std::string& conjugation);

    std::string strWyraz, strZnaczenie, strRodzajnik, strPlural, strKoniugacja, strLinia;
};

}  // namespace dictionary
