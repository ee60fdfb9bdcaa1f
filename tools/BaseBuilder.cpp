#include "tools/BaseBuilder.h"

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
    std::string pos;
    if (auto lt = header.rfind(" <"); lt != std::string::npos && header.back() == '>') {
        pos = header.substr(lt + 2, header.size() - lt - 3);
        header.resize(lt);
    }
    if (auto sl = header.find(" /"); sl != std::string::npos) header.resize(sl);
    std::string head = trim(header);
    if (head.empty()) return;
    if (head.find(' ') != std::string::npos || head.find('\t') != std::string::npos) {
        ++stats_.withSpaces;
        return;
    }
    std::size_t lost = 0;
    toAnsi(head, nullptr, &lost);
    if (lost) {
        ++stats_.unencodableHeadwords;
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
    if (block.senses.empty()) return;

    auto it = byHead_.find(head);
    if (it == byHead_.end()) {
        byHead_[head] = words_.size();
        words_.push_back({head, {std::move(block)}});
    } else {
        ++stats_.mergedEntries;
        words_[it->second].blocks.push_back(std::move(block));
    }
}

std::string BaseBuilder::lineOf(const Word& w, std::string& target) const {
    std::string line = escapeHtml(w.head);
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
                e += x;
            }
            if (!e.empty()) expl.push_back((b.senses.size() > 1 ? std::to_string(n) + ". " : "") + escapeHtml(e));
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
                    if (!cand.empty() && cand != w.head && byHead_.count(cand)) target = cand;
                }
    if (!target.empty()) line += " <i>zob. <a href=" + target + ">" + target + "</a></i>";
    return line;
}

void BaseBuilder::finish() {
    struct Out {
        std::string head, line;
    };
    std::vector<Out> out;
    out.reserve(words_.size());
    for (const auto& w : words_) {
        std::string target;
        std::string line = lineOf(w, target);
        if (!target.empty()) ++stats_.crossReferences;
        out.push_back({toAnsi(w.head, nullptr, nullptr),
                       toAnsi(line, &stats_.replacedChars, &stats_.droppedChars)});
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
