#include "dictionary/GrammarTopics.h"

#include "text/CodePage.h"

namespace dictionary {

const std::vector<GrammarTopics::Topic>& GrammarTopics::all() {
    static const std::vector<Topic> topics = [] {
        const std::pair<const char*, int> map[] = {
            {"Das Passiv", 17},
            {"Das Personalpronomen", 5},
            {"Das Possessivpronomen", 2},
            {"Das Reflexivpronomen", 16},
            {"Das Relativpronomen", 15},
            {"Der bestimmte Artikel", 3},
            {"Der Konjunktiv II", 18},
            {"Der unbestimmte Artikel", 4},
            {"Die Adjektivdeklination mit dem bestimmten Artikel", 7},
            {"Die Adjektivdeklination mit dem unbestimmten Artikel", 1},
            {"Die Adjektivdeklination ohne Artikel", 13},
            {"Die gerade und versetzte Wortfolge", 14},
            {"Die Komparation des Adjektivs", 6},
            {"Die Präpositionen mit Genitiv, Dativ, Akkusativ und Dativ oder Akkusativ", 11},
            {"Die Rektion (das Verbinden mit den richtigen Präpositionen)", 8},
            {"Die schwache Deklination des Substantivs", 12},
            {"Die trennbaren und untrennbaren Vorsilben", 10},
            {"Die unregelmäßigen Verben", 9},
        };
        std::vector<Topic> v;
        for (const auto& [title, n] : map) v.push_back({text::ansi(title), "gramm" + std::to_string(n) + ".html"});
        return v;
    }();
    return topics;
}

std::string GrammarTopics::pageAt(int index) {
    const auto& t = all();
    if (index < 0 || index >= static_cast<int>(t.size())) return {};
    return t[static_cast<std::size_t>(index)].page;
}

}  // namespace dictionary
