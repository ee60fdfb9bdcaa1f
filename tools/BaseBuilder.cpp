#include "tools/BaseBuilder.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <numeric>
#include <set>

#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

namespace tools {

namespace {

std::string trim(const std::string& s) {
    std::size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

bool isDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "12. text" -> true with the text.
bool senseStart(const std::string& line, std::string& rest) {
    auto dot = line.find(". ");
    if (dot == std::string::npos || dot == 0 || !isDigits(line.substr(0, dot))) return false;
    rest = line.substr(dot + 2);
    return true;
}

// " 3." alone: a numbering line between explanations.
bool numberLine(const std::string& line) {
    std::string t = trim(line);
    return t.size() >= 2 && t.back() == '.' && isDigits(t.substr(0, t.size() - 1));
}

// "dom 2." -> "dom": the next explanation's number trails the translation.
std::string withoutTrailingNumber(const std::string& s) {
    std::string t = trim(s);
    auto sp = t.rfind(' ');
    if (sp != std::string::npos && numberLine(t.substr(sp + 1))) return trim(t.substr(0, sp));
    return t;
}

std::string markOf(const std::string& pos) {
    // "<n, fem>" and friends: the article for nouns, the Polish name otherwise.
    std::string p = pos;
    std::string kind = p.substr(0, p.find(','));
    std::string gender = p.find(',') == std::string::npos ? "" : trim(p.substr(p.find(',') + 1));
    if (kind == "n" || kind == "pn") {
        if (gender == "masc") return "der";
        if (gender == "fem") return "die";
        if (gender == "neut") return "das";
        return kind == "pn" ? "nazwa własna" : "rzeczownik";
    }
    static const std::map<std::string, std::string> names = {
        {"v", "czasownik"},          {"adj", "przymiotnik"},         {"adv", "przysłówek"},
        {"Adverb", "przysłówek"},    {"numeral", "liczebnik"},       {"preposition", "przyimek"},
        {"postposition", "poimek"},  {"interjection", "wykrzyknik"}, {"conjunction", "spójnik"},
        {"indefinitePronoun", "zaimek"}, {"demonstrativePronoun", "zaimek"}, {"pronoun", "zaimek"},
        {"pronominalAdverb", "przysłówek zaimkowy"}, {"abbreviation", "skrót"}, {"suffix", "przyrostek"},
        {"prefix", "przedrostek"},   {"particle", "partykuła"},      {"article", "rodzajnik"},
    };
    auto it = names.find(kind);
    if (it == names.end()) return kind;
    if (kind == "abbreviation" && !gender.empty()) {
        if (gender == "masc") return "skrót, der";
        if (gender == "fem") return "skrót, die";
        if (gender == "neut") return "skrót, das";
    }
    return it->second;
}

std::string escapeHtml(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '~': out += '-'; break;  // the first "~" of a line is the explanations' own
        default: out += c;
        }
    }
    // Link following takes the first "href" of a line for the link.
    for (std::size_t at; (at = out.find("href")) != std::string::npos;) out.replace(at, 4, "hre&#102;");
    return out;
}

// The word after a pointer phrase: letters, digits and hyphens.
std::string wordAt(const std::string& s, std::size_t at) {
    std::size_t end = at;
    while (end < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[end]);
        if (c >= 0x80 || std::isalnum(c) || c == '-') {
            ++end;
            continue;
        }
        break;
    }
    return s.substr(at, end - at);
}

}  // namespace

const std::map<std::string, std::string>& BaseBuilder::subjectAbbreviations() {
    static const std::map<std::string, std::string> table = {
        {"Anatomie", "anat."},      {"Botanik", "bot."},          {"Chemie", "chem."},
        {"Wirtschaft", "ekon."},    {"Ökonomie", "ekon."},        {"Gastronomie", "gastr."},
        {"Geografie", "geo."},      {"Geographie", "geo."},       {"Geschichte", "hist."},
        {"Informatik", "infor."},   {"Linguistik", "jęz."},       {"Sprachwissenschaft", "jęz."},
        {"Grammatik", "jęz."},      {"gehoben", "lit."},          {"Mathematik", "mat."},
        {"Medizin", "med."},        {"Militär", "mil."},          {"Musik", "muz."},
        {"Politik", "polit."},      {"umgangssprachlich", "pot."}, {"Sport", "sport"},
        {"Technik", "tech."},       {"vulgär", "wulg."},          {"Zoologie", "zool."},
    };
    return table;
}

namespace {

// "Botanik: Baum ..." -> "<i>bot.</i> Baum ..."; also "umgangssprachlich, ...".
// The explanation is already HTML-escaped.
std::string withLabel(const std::string& x, std::size_t& count) {
    std::size_t end = x.find_first_of(":,");
    if (end == std::string::npos || end + 1 >= x.size() || x[end + 1] != ' ') return x;
    auto it = BaseBuilder::subjectAbbreviations().find(x.substr(0, end));
    if (it == BaseBuilder::subjectAbbreviations().end()) return x;
    ++count;
    return "<i>" + it->second + "</i>" + (x[end] == ',' ? ", " : " ") + x.substr(end + 2);
}

bool keepsBaseFormat(const std::string& headword) {
    return headword.find_first_of("<>&~") == std::string::npos && headword.find("href") == std::string::npos;
}

// The words of a phrase without the punctuation around them.
std::vector<std::string> wordsOf(const std::string& phrase) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < phrase.size()) {
        std::size_t sp = phrase.find(' ', at);
        std::string w = phrase.substr(at, sp == std::string::npos ? std::string::npos : sp - at);
        at = sp == std::string::npos ? phrase.size() : sp + 1;
        // ASCII punctuation and the quotation marks „ “ ” (three bytes each).
        static const char* const quotes[] = {"\xE2\x80\x9E", "\xE2\x80\x9C", "\xE2\x80\x9D"};
        for (bool trimmed = true; trimmed && !w.empty();) {
            trimmed = false;
            for (const char* q : quotes) {
                if (w.starts_with(q)) w.erase(0, 3), trimmed = true;
                if (w.ends_with(q)) w.resize(w.size() - 3), trimmed = true;
            }
            static const std::string punct = ",.;:!?\"'()[]";
            if (!w.empty() && punct.find(w.front()) != std::string::npos) w.erase(0, 1), trimmed = true;
            if (!w.empty() && punct.find(w.back()) != std::string::npos) w.pop_back(), trimmed = true;
        }
        if (!w.empty()) words.push_back(w);
    }
    return words;
}

const char* const kPointers[] = {
    "siehe auch: ", "siehe auch ",     "siehe: ",        "siehe ",           "Kurzform für: ",
    "Kurzform für ", "Kurzform von ",  "Kurzform: ",     "Synonym für: ",    "Synonym für ",
    "Synonym von ", "Abkürzung für: ", "Abkürzung für ", "Abkürzung: ",      "Variante von ",
    "Plural von ",  "Nebenform von ",  "Schreibvariante von ", "andere Schreibweise für ",
};

}  // namespace

std::string BaseBuilder::toAnsi(const std::string& utf8, std::size_t* replaced, std::size_t* dropped) {
    QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        QString ch = s.mid(i, 1);
        if (s[i].isHighSurrogate() && i + 1 < s.size()) ch = s.mid(i++, 2);
        std::string b;
        std::u16string u(reinterpret_cast<const char16_t*>(ch.utf16()), static_cast<std::size_t>(ch.size()));
        if (text::fromUtf16(u, b)) {
            out += b;
            continue;
        }
        static const std::map<char16_t, const char*> table = {
            {u'æ', "ae"}, {u'Æ', "AE"}, {u'œ', "oe"}, {u'Œ', "OE"}, {u'ø', "o"},  {u'Ø', "O"},
            {u'đ', "d"},  {u'Đ', "D"},  {u'ı', "i"},  {u'ħ', "h"},  {u'ŋ', "n"},  {u'þ', "th"},
            {u'′', "'"},  {u'″', "\""}, {u'‐', "-"},  {u'‑', "-"},  {u'‒', "-"},  {u'―', "-"},
            {u'→', "->"}, {u'←', "<-"}, {u'≈', "~"},  {u'·', "\xB7"}, {u'ʼ', "'"}, {u'ʻ', "'"},
            {u'\u00A0', " "}, {u'\u2009', " "}, {u'\u202F', " "}, {u'\u2212', "-"},
        };
        std::string rep;
        if (ch.size() == 1) {
            if (auto it = table.find(static_cast<char16_t>(ch[0].unicode())); it != table.end()) rep = it->second;
        }
        if (rep.empty()) {
            // The letter without its accents, when the base letter exists.
            QString d = ch.normalized(QString::NormalizationForm_D);
            for (QChar c : d) {
                if (c.category() == QChar::Mark_NonSpacing) continue;
                std::string cb;
                std::u16string cu(1, static_cast<char16_t>(c.unicode()));
                if (text::fromUtf16(cu, cb)) rep += cb;
            }
        }
        if (rep.empty()) {
            if (dropped) ++*dropped;
        } else {
            out += rep;
            if (replaced) ++*replaced;
        }
    }
    return out;
}

void BaseBuilder::add(const DictdEntry& e) {
    ++stats_.sourceEntries;
    std::vector<std::string> raw = text::splitLines(e.definition);
    while (!raw.empty() && trim(raw.back()).empty()) raw.pop_back();
    if (raw.empty()) return;
    // Header: "Haus /haʊ̯s/ <n, neut>".
    std::string header = raw[0];
    std::string pos, pronunciation;
    if (auto lt = header.rfind(" <"); lt != std::string::npos && header.back() == '>') {
        pos = header.substr(lt + 2, header.size() - lt - 3);
        header.resize(lt);
    }
    if (auto sl = header.find(" /"); sl != std::string::npos) {
        pronunciation = trim(header.substr(sl + 2));
        if (!pronunciation.empty() && pronunciation.back() == '/') pronunciation.pop_back();
        // "/a/ /b/": two ways of saying it.
        for (std::size_t at; (at = pronunciation.find("/ /")) != std::string::npos;)
            pronunciation.replace(at, 3, ", ");
        header.resize(sl);
    }
    std::string head = trim(header);
    if (head.empty()) return;
    for (char& c : head)
        if (c == '\t') c = ' ';
    const bool phrase = head.find(' ') != std::string::npos;
    if (phrase) ++stats_.withSpaces;
    // Every line of a.dat begins with its headword, and the print page takes
    // lines as HTML: a headword holding markup, the examples' "~" or the
    // link's "href" cannot be kept in that format.
    std::size_t lost = 0;
    toAnsi(head, nullptr, &lost);
    if (!phrase && !keepsBaseFormat(head)) ++lost;
    if (lost) {
        ++(phrase ? stats_.phrasesLost : stats_.unencodableHeadwords);
        return;
    }

    Block block;
    block.mark = pos.empty() ? "" : markOf(pos);
    Sense* cur = nullptr;
    bool expectTranslation = true;
    for (std::size_t i = 1; i < raw.size(); ++i) {
        const std::string& line = raw[i];
        std::string rest;
        if (senseStart(line, rest) || (expectTranslation && !numberLine(line))) {
            if (!senseStart(line, rest)) rest = line;
            block.senses.push_back({withoutTrailingNumber(rest), {}});
            cur = &block.senses.back();
            expectTranslation = false;
            continue;
        }
        if (numberLine(line) || trim(line).empty() || !cur) continue;
        cur->explanations.push_back(trim(line));
    }
    if (block.senses.empty()) {
        if (phrase) ++stats_.phrasesLost;
        return;
    }

    if (phrase) {
        std::string translation;
        for (const auto& sense : block.senses) {
            if (sense.translation.empty()) continue;
            if (!translation.empty()) translation += "; ";
            translation += sense.translation;
        }
        phrases_.push_back({head, pronunciation, translation});
        return;
    }

    // Headwords that are one after conversion (à and a) are one headword.
    const std::string key = toAnsi(head, nullptr, nullptr);
    auto it = byHead_.find(key);
    if (it == byHead_.end()) {
        byHead_[key] = words_.size();
        words_.push_back({head, pronunciation, {std::move(block)}, {}});
    } else {
        ++stats_.mergedEntries;
        Word& w = words_[it->second];
        if (w.pronunciation.empty()) w.pronunciation = pronunciation;
        w.blocks.push_back(std::move(block));
    }
}

void BaseBuilder::placePhrases() {
    std::map<std::string, std::size_t> byLower;
    for (const auto& [key, index] : byHead_) byLower.emplace(text::lower(key), index);
    std::vector<Phrase> ownEntries;
    for (auto& p : phrases_) {
        std::vector<std::string> words = wordsOf(p.text);
        if (words.empty()) {
            ++stats_.phrasesLost;
            continue;
        }
        // The longest word that is a headword, without regard to case (the
        // headword spelled as the word is, where there are both); the last of
        // equally long ones.
        std::size_t best = words_.size(), bestLength = 0;
        for (const auto& w : words) {
            std::string key = toAnsi(w, nullptr, nullptr);
            std::size_t index = words_.size();
            if (auto it = byHead_.find(key); it != byHead_.end()) index = it->second;
            else if (auto lit = byLower.find(text::lower(key)); lit != byLower.end()) index = lit->second;
            if (index != words_.size() && key.size() >= bestLength) {
                best = index;
                bestLength = key.size();
            }
        }
        if (best != words_.size()) {
            words_[best].phrases.push_back(std::move(p));
            ++stats_.phrasesInEntries;
        } else {
            ownEntries.push_back(std::move(p));
        }
    }
    // Then the entries of their own, so that where a phrase goes never
    // depends on the order of the source.
    for (auto& p : ownEntries) {
        std::string longest;
        for (const auto& w : wordsOf(p.text))
            if (keepsBaseFormat(w) && toAnsi(w, nullptr, nullptr).size() >= toAnsi(longest, nullptr, nullptr).size())
                longest = w;
        if (longest.empty()) {
            ++stats_.phrasesLost;
            continue;
        }
        const std::string key = toAnsi(longest, nullptr, nullptr);
        auto it = byHead_.find(key);
        if (it == byHead_.end()) {
            it = byHead_.emplace(key, words_.size()).first;
            words_.push_back({longest, "", {}, {}});
        }
        words_[it->second].phrases.push_back(std::move(p));
        ++stats_.phrasesOwnEntries;
    }
    phrases_.clear();
}

std::string BaseBuilder::lineOf(const Word& w, std::string& target) {
    // The line begins with the headword as b.dat holds it; the entry page
    // leaves it out, so it is never read as HTML.
    std::string line = w.head;
    if (!w.pronunciation.empty()) {
        line += " [" + escapeHtml(w.pronunciation) + "]";
        ++stats_.withPronunciation;
    }
    std::vector<std::string> expl;
    for (const auto& b : w.blocks) {
        if (!b.mark.empty()) line += " <i>" + b.mark + "</i>";
        int n = 0;
        for (const auto& s : b.senses) {
            ++n;
            line += " ";
            if (b.senses.size() > 1) line += std::to_string(n) + ". ";
            line += "<b>" + escapeHtml(s.translation) + "</b>";
            std::string e;
            for (const auto& x : s.explanations) {
                if (!e.empty()) e += "; ";
                e += withLabel(escapeHtml(x), stats_.subjectLabels);
            }
            if (!e.empty()) expl.push_back((b.senses.size() > 1 ? std::to_string(n) + ". " : "") + e);
        }
    }
    if (!expl.empty()) {
        line += " ~";
        for (std::size_t i = 0; i < expl.size(); ++i) {
            // Numbered senses carry their number; others are set apart by ";".
            bool numbered = !expl[i].empty() && expl[i][0] >= '0' && expl[i][0] <= '9';
            line += (i == 0 || numbered ? " " : "; ") + expl[i];
        }
    }
    // Phrases are usage examples: after the "~", or the entry itself when
    // the word is a headword only through them.
    for (std::size_t i = 0; i < w.phrases.size(); ++i) {
        const Phrase& p = w.phrases[i];
        if (i == 0 && !w.blocks.empty()) line += expl.empty() ? " ~ " : "<br>";
        else line += i == 0 ? " " : "<br>";
        line += "• <b>" + escapeHtml(p.text) + "</b>";
        if (!p.pronunciation.empty()) line += " [" + escapeHtml(p.pronunciation) + "]";
        line += " – <i>" + escapeHtml(p.translation) + "</i>";
    }
    // The first pointer to another headword of the base becomes the link.
    target.clear();
    for (const auto& b : w.blocks)
        for (const auto& s : b.senses)
            for (const auto& x : s.explanations)
                for (const char* p : kPointers) {
                    if (!target.empty()) break;
                    std::size_t at = x.find(p);
                    if (at == std::string::npos) continue;
                    std::string cand = wordAt(x, at + std::char_traits<char>::length(p));
                    if (cand.empty() || cand == w.head) continue;
                    std::string key = toAnsi(cand, nullptr, nullptr);
                    if (key != toAnsi(w.head, nullptr, nullptr) && byHead_.count(key)) target = cand;
                }
    if (!target.empty()) line += " <i>zob. <a href=" + target + ">" + target + "</a></i>";
    return line;
}

void BaseBuilder::finish() {
    placePhrases();
    struct Out {
        std::string head, line;
    };
    std::vector<Out> out;
    out.reserve(words_.size());
    for (const auto& w : words_) {
        std::string target;
        std::string line = lineOf(w, target);
        if (!target.empty()) ++stats_.crossReferences;
        // The headword is plain text (b.dat, the list, file names); the rest
        // of the line is HTML.
        std::string head = toAnsi(w.head, &stats_.replacedChars, &stats_.droppedChars);
        // What the code page lacks in the HTML (the IPA of the
        // pronunciations, Cyrillic, ...) becomes character references.
        std::size_t referenced = 0;
        out.push_back({head, head + text::encode(text::utf8ToUtf16(line.substr(w.head.size())),
                                                 text::CodePage::Windows1250, text::Lacking::Reference, &referenced)});
        stats_.referencedChars += referenced;
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Out& a, const Out& b) { return text::collate(a.head, b.head) < 0; });
    if (out.size() > MaxHeadwords) {
        stats_.overLimit = out.size() - MaxHeadwords;
        out.resize(MaxHeadwords);
    }
    headwords_.clear();
    lines_.clear();
    for (auto& o : out) {
        headwords_.push_back(std::move(o.head));
        lines_.push_back(std::move(o.line));
    }
    stats_.headwords = headwords_.size();
}

bool BaseBuilder::write(const std::filesystem::path& aDat, const std::filesystem::path& bDat,
                        std::string& error) const {
    if (!text::writeLines(aDat, lines_)) {
        error = "cannot write " + aDat.string();
        return false;
    }
    if (!text::writeLines(bDat, headwords_)) {
        error = "cannot write " + bDat.string();
        return false;
    }
    return true;
}

}  // namespace tools
