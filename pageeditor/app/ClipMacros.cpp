#include "pageeditor/app/ClipMacros.h"

#include <algorithm>

#include "files/FileSystem.h"

namespace pageeditor {

void macro_names(const std::string& text, std::vector<std::string>& list) {
    bool inside = false;
    std::string name;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        char a = text[i], b = text[i + 1];
        if (!inside && a == '%' && b == '(') {
            name.clear();
            inside = true;
            ++i;  // the "(" is not part of the name
            continue;
        }
        if (inside && a == ')' && b == '%') {
            list.push_back(name);
            inside = false;
            continue;
        }
        if (inside) name += a;
    }
}

ClipMacros::ClipMacros(std::string text, const Translate& tr) : text_(std::move(text)), tr_(tr) {
    std::vector<std::string> names;
    macro_names(text_, names);
    auto addOnce = [](std::vector<std::string>& to, const std::string& s) {
        if (std::find(to.begin(), to.end(), s) == to.end()) to.push_back(s);
    };
    for (const std::string& n : names) {
        if (n.empty()) continue;
        if (n[0] == 'v') addOnce(keys_, tr_(n.substr(1)));
        else if (n[0] == 'c') addOnce(files_, n.substr(1));
    }
}

std::string ClipMacros::fill(const std::map<std::string, std::string>& values) const {
    // One pass over the text with the same reading of "%(" and ")%" as
    // macro_names: each macro is written out as its replacement, so what a
    // replacement brings in is never scanned again.
    std::string out;
    const std::string& t = text_;
    std::size_t i = 0;
    while (i < t.size()) {
        std::size_t open = t.find("%(", i);
        if (open == std::string::npos) break;
        std::size_t close = t.find(")%", open + 2);
        if (close == std::string::npos) break;
        out.append(t, i, open - i);
        std::string name = t.substr(open + 2, close - open - 2);
        char kind = name.empty() ? '\0' : name[0];
        std::string arg = name.empty() ? std::string() : name.substr(1);
        if (kind == 't') {
            out += tr_(arg);
        } else if (kind == 'v') {
            auto it = values.find(tr_(arg));
            out += asHtmlText(it == values.end() ? std::string() : it->second);
        } else if (kind == 'c') {
            // removed
        } else {
            out.append(t, open, close + 2 - open);
        }
        i = close + 2;
    }
    out.append(t, i, std::string::npos);
    return out;
}

bool ClipMacros::safeRelativeName(const std::string& name) {
    if (name.empty() || name[0] == '\\' || name[0] == '/' || name.find(':') != std::string::npos) return false;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = name.find_first_of("\\/", start);
        std::string step = name.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (step.empty() || step == "." || step == "..") return false;
        if (end == std::string::npos) return true;
        start = end + 1;
    }
}

std::string ClipMacros::asHtmlText(const std::string& value) {
    std::string out;
    for (char c : value) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

void ClipMacros::copyFiles(const std::string& resources, const std::string& site) const {
    for (const std::string& f : files_) {
        if (!safeRelativeName(f)) continue;
        try {
            files::copyFile(files::realPath(resources + f), files::realPath(site + f));
        } catch (...) {
        }
    }
}

}  // namespace pageeditor
