#include "pageeditor/frame/DocumentRewrite.h"

#include <algorithm>
#include <vector>

#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace pageeditor {

namespace {

constexpr PageSize kPageSizes[] = {
    {"<!--SIZE:0-->", 800, 660},
    {"<!--SIZE:1-->", 1024, 828},
    {"<!--SIZE:2-->", 1280, 1084},
};

// Lines as a string list takes them: ended by CR LF, a lone CR or a lone LF;
// a last line without an end counts, an end at the very end adds no line.
std::vector<std::string> splitLines(std::string_view s) {
    std::vector<std::string> lines;
    std::size_t start = 0, i = 0;
    while (i < s.size()) {
        char c = s[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(s.substr(start, i - start));
            if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < s.size()) lines.emplace_back(s.substr(start));
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool containsNoCase(std::string_view s, std::string_view what) {
    return text::upper(s).find(text::upper(what)) != std::string::npos;
}

// Removes from the first `start` through the next ">" (through the end of
// the text when no ">" follows), then puts `insert` before the first
// "</BODY>", or at the beginning.
std::string replaceBeforeBody(std::string_view html, std::string_view start, std::string_view insert) {
    std::string s(html);
    std::size_t p = s.find(start);
    if (p != std::string::npos) {
        std::size_t end = s.find('>', p);
        s.erase(p, end == std::string::npos ? std::string::npos : end - p + 1);
    }
    std::size_t body = s.find("</BODY>");
    s.insert(body == std::string::npos ? 0 : body, insert);
    return s;
}

}  // namespace

const PageSize* pageSizeAt(int index) {
    if (index < 0 || index > 2) return nullptr;
    return &kPageSizes[index];
}

bool SetTitleText(std::string& html, std::string_view title) {
    std::string lower = text::lower(html);
    std::size_t open = lower.find("<title>");
    std::size_t close = lower.find("</title>");
    if (open != std::string::npos && close != std::string::npos && close >= open + 7) {
        html = html.substr(0, open + 7) + std::string(title) + html.substr(close);
        return true;
    }
    // A page without a title element gets one at the top of its head, so
    // that the command is not silently lost.
    if (open == std::string::npos && close == std::string::npos) {
        std::size_t head = lower.find("<head>");
        if (head == std::string::npos) return false;
        html.insert(head + 6, "\r\n<TITLE>" + std::string(title) + "</TITLE>");
        return true;
    }
    return false;
}

std::string WriteHeadMeta(std::string_view html, std::string_view, std::string_view charsetCondition,
                          std::string_view keywords, std::string_view description, std::string_view title,
                          std::string_view author) {
    std::string doc;
    try {
        doc = joinLines(splitLines(html));
        std::size_t p = text::upper(doc).find("</HEAD>");
        std::size_t headLength = p == std::string::npos ? 6 : p + 7;
        headLength = std::min(headLength, doc.size());
        std::vector<std::string> head = splitLines(std::string_view(doc).substr(0, headLength));
        std::vector<std::string> rest = splitLines(std::string_view(doc).substr(headLength));

        // Every META tag of the head goes; what stands around it stays. A
        // line is done in one go (neither of the lines it leaves holds a
        // META tag), so one pass over the head does them all.
        std::vector<std::string> kept;
        kept.reserve(head.size());
        for (std::string& l : head) {
            const std::string upper = text::upper(l);
            std::size_t meta = upper.find("<META");
            if (meta == std::string::npos) {
                kept.push_back(std::move(l));
                continue;
            }
            if (std::count(l.begin(), l.end(), '>') == 1) continue;
            // Cut through one '>' after another while a META tag follows.
            const std::size_t lastMeta = upper.rfind("<META");
            std::size_t cut = 0;
            do {
                std::size_t gt = l.find('>', cut);
                cut = gt == std::string::npos ? l.size() : gt + 1;
            } while (lastMeta >= cut);
            std::string remainder = l.substr(cut);
            l.resize(meta);
            kept.push_back(std::move(l));
            kept.push_back(std::move(remainder));
        }
        head = std::move(kept);

        auto at = std::find_if(head.begin(), head.end(), [](const std::string& l) { return containsNoCase(l, "<HEAD>"); });
        if (at != head.end()) {
            std::size_t below = static_cast<std::size_t>(at - head.begin()) + 1;
            auto insert = [&](const std::string& l) { head.insert(head.begin() + static_cast<std::ptrdiff_t>(below), l); };
            if (!charsetCondition.empty())
                insert("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">");
            if (!author.empty()) insert("<META NAME=\"Author\" content=\"" + std::string(author) + "\">");
            if (!title.empty()) insert("<META NAME=\"Title\" content=\"" + std::string(title) + "\">");
            if (!description.empty())
                insert("<META NAME=\"Description\" content=\"" + std::string(description) + "\">");
            if (!keywords.empty()) insert("<META NAME =\"Keywords\" CONTENT=\"" + std::string(keywords) + "\">");
        }
        head.insert(head.end(), rest.begin(), rest.end());
        return joinLines(head);
    } catch (...) {
        return doc;
    }
}

std::string PlaceSizeMarker(std::string_view html, std::string_view marker) {
    return replaceBeforeBody(html, "<!--SIZE:", marker);
}

std::string PlaceBackgroundSound(std::string_view html, std::string_view tag) {
    return replaceBeforeBody(html, "<BGSOUND", tag);
}

std::string PageValue(std::string_view typed) {
    std::string escaped;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        char c = typed[i];
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\r':
            if (i + 1 < typed.size() && typed[i + 1] == '\n') ++i;
            escaped += ' ';
            break;
        case '\n': escaped += ' '; break;
        default: escaped += c;
        }
    }
    return escaped;
}

}  // namespace pageeditor
