#include "pageeditor/dialogs/LanguagePack.h"

#include "files/FileSystem.h"
#include "forms/Action.h"
#include "forms/Application.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/ModalAnswers.h"
#include "forms/MenuItem.h"
#include "forms/Panel.h"
#include "forms/SpeedButton.h"
#include "forms/TabSheet.h"
#include "forms/TextBox.h"
#include "forms/ToolButton.h"
#include "pageeditor/dialogs/FileChooser.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/core/TextRoutines.h"
#include "text/LineFile.h"

namespace pageeditor {

int parsePackIndex(const std::string& line) {
    if (line.empty()) throw LanguagePackError("empty index line");
    std::size_t i = 0;
    bool neg = line[0] == '-';
    if (neg) i = 1;
    if (i == line.size()) throw LanguagePackError("not a number: " + line);
    long long n = 0;
    for (; i < line.size(); ++i) {
        if (line[i] < '0' || line[i] > '9') throw LanguagePackError("not a number: " + line);
        n = n * 10 + (line[i] - '0');
        if (n > 1000000) throw LanguagePackError("index too large: " + line);
    }
    return static_cast<int>(neg ? -n : n);
}

void applyTriple(forms::Component& c, const std::string& first, const std::string& second) {
    using namespace forms;
    if (auto* b = dynamic_cast<CommandButton*>(&c)) {
        b->setCaption(first);
        b->setToolTip(second);
    }
    if (auto* s = dynamic_cast<SpeedButton*>(&c)) {
        s->setCaption(first);
        s->setHint(second);
    }
    if (auto* l = dynamic_cast<Label*>(&c)) {
        // "|" stands for a line break.
        l->setCaption(replace_chars("|", "\n", first));
        l->setToolTip(second);
    }
    if (auto* a = dynamic_cast<Action*>(&c)) {
        a->setCaption(first);
        a->setHint(second);
    }
    if (auto* t = dynamic_cast<ToolButton*>(&c)) {
        t->setCaption(first);
        t->setHint(second);
    }
    if (auto* k = dynamic_cast<CheckBox*>(&c)) {
        k->setCaption(first);
        k->setToolTip(second);
    }
    if (auto* m = dynamic_cast<MenuItem*>(&c)) m->setCaption(first);
    if (auto* t = dynamic_cast<TabSheet*>(&c)) {
        t->setCaption(first);
        t->setHint(second);
    }
    if (auto* p = dynamic_cast<Panel*>(&c)) {
        p->setCaption(first);
        p->setHint(second);
    }
    if (auto* e = dynamic_cast<TextBox*>(&c)) {
        e->setText(first);
        e->setToolTip(second);
    }
    if (auto* box = dynamic_cast<ComboBox*>(&c)) {
        // The items are translated in place: the choice the form made stays.
        const int chosen = box->listIndex();
        box->clear();
        for (const std::string& item : splitCommaText(first)) box->addItem(item);
        if (chosen >= 0 && chosen < box->listCount()) box->setListIndex(chosen);
        box->setToolTip(second);
    }
}

bool describeTriple(const forms::Component& c, std::string& first, std::string& second) {
    using namespace forms;
    if (auto* b = dynamic_cast<const CommandButton*>(&c)) {
        first = b->caption();
        second = b->toolTip();
    } else if (auto* s = dynamic_cast<const SpeedButton*>(&c)) {
        first = s->caption();
        second = s->hint();
    } else if (auto* l = dynamic_cast<const Label*>(&c)) {
        first = replace_chars("\n", "|", l->caption());
        second = l->toolTip();
    } else if (auto* a = dynamic_cast<const Action*>(&c)) {
        first = a->caption();
        second = a->hint();
    } else if (auto* k = dynamic_cast<const CheckBox*>(&c)) {
        first = k->caption();
        second = k->toolTip();
    } else if (auto* t = dynamic_cast<const ToolButton*>(&c)) {
        first = t->caption();
        second = t->hint();
    } else if (auto* m = dynamic_cast<const MenuItem*>(&c)) {
        if (m->action()) return false;  // shown through its command
        first = m->caption();
        second.clear();
    } else if (auto* tab = dynamic_cast<const TabSheet*>(&c)) {
        first = tab->caption();
        second = tab->hint();
    } else if (auto* p = dynamic_cast<const Panel*>(&c)) {
        first = p->caption();
        second = p->hint();
    } else if (auto* e = dynamic_cast<const TextBox*>(&c)) {
        first = e->text();
        second = e->toolTip();
    } else if (auto* box = dynamic_cast<const ComboBox*>(&c)) {
        std::vector<std::string> items;
        for (int i = 0; i < box->listCount(); ++i) items.push_back(box->list(i));
        first = joinCommaText(items);
        second = box->toolTip();
    } else {
        return false;
    }
    return true;
}

namespace {


// Applies one triple to a component of the application's forms.
void apply(forms::Component& c, const std::string& first, const std::string& second) {
    // A spin edit is an edit of its own class, which packs leave alone.
    if (dynamic_cast<SpinEdit*>(&c)) return;
    if (auto* d = dynamic_cast<FileChooser*>(&c)) {
        d->filter = first;
        d->title = second;
    }
    applyTriple(c, first, second);
}

// The triple a writer gives a component of the application's forms, or
// false for a class packs leave alone.
bool describe(const forms::Component& c, std::string& first, std::string& second) {
    if (dynamic_cast<const SpinEdit*>(&c)) return false;
    if (auto* d = dynamic_cast<const FileChooser*>(&c)) {
        first = d->filter;
        second = d->title;
        return true;
    }
    return describeTriple(c, first, second);
}

}  // namespace

std::vector<std::string> splitCommaText(const std::string& line) {
    std::vector<std::string> out;
    auto blank = [](char c) { return c != 0 && static_cast<unsigned char>(c) <= ' '; };
    std::size_t i = 0, n = line.size();
    while (i < n && blank(line[i])) ++i;
    while (i < n) {
        std::string item;
        if (line[i] == '"') {
            ++i;
            while (i < n) {
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += line[i++];
            }
        } else {
            while (i < n && !blank(line[i]) && line[i] != ',') item += line[i++];
        }
        out.push_back(item);
        while (i < n && blank(line[i])) ++i;
        if (i < n && line[i] == ',') {
            if (i + 1 == n) out.emplace_back();
            ++i;
            while (i < n && blank(line[i])) ++i;
        }
    }
    return out;
}

std::string joinCommaText(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string& item = items[i];
        if (i) out += ',';
        bool quote = item.empty();
        for (char ch : item)
            if (ch == ',' || ch == '"' || (ch != 0 && static_cast<unsigned char>(ch) <= ' ')) quote = true;
        if (!quote) {
            out += item;
            continue;
        }
        out += '"';
        for (char ch : item) {
            if (ch == '"') out += '"';
            out += ch;
        }
        out += '"';
    }
    return out;
}

void loadLANG(const std::string& path, const std::vector<forms::Form*>& owned) {
    text::LineReader in(files::realPath(path));
    if (!in.isOpen()) throw LanguagePackError("cannot read " + path);
    std::string line;
    in.next(line);  // header
    if (!in.next(line)) return;
    forms::Application::setTitle(line);
    // Past the end a read gives an empty line, as the platform's reader does.
    auto read = [&in] {
        std::string l;
        in.next(l);
        return l;
    };
    while (!in.atEnd()) {
        if (read() != "#Win:") continue;
        int owner = parsePackIndex(read());
        std::string caption = read();
        std::string hint = read();
        if (owner < 0 || owner >= static_cast<int>(owned.size())) throw LanguagePackError("no form " + std::to_string(owner));
        forms::Form& form = *owned[static_cast<std::size_t>(owner)];
        form.setCaption(caption);
        (void)hint;  // forms show no hint of their own
        for (;;) {
            std::string a = read(), b = read(), c = read();
            if (a == "}" || b == "}" || c == "}") break;
            // An empty index line ends the routine like any bad index. (No
            // box with a bare count of the lines read: that was a debugging
            // aid, meaningless to the user.)
            int index = parsePackIndex(a);
            const auto& list = form.components();
            if (index < 0 || index >= static_cast<int>(list.size()))
                throw LanguagePackError("no component " + std::to_string(index) + " on " + form.name());
            apply(*list[static_cast<std::size_t>(index)], b, c);
        }
    }
}

void SaveLANG(const std::string& path, const std::vector<forms::Form*>& owned) {
    std::vector<std::string> out{"[Verbatrix Language Translation PACK: US English v 1.5]",
                                 forms::Application::title()};
    for (std::size_t i = 0; i < owned.size(); ++i) {
        forms::Form& f = *owned[i];
        out.push_back("#Win:");
        out.push_back(std::to_string(i));
        out.push_back(f.caption());
        out.push_back("");
        const auto& list = f.components();
        for (std::size_t k = 0; k < list.size(); ++k) {
            std::string first, second;
            if (!describe(*list[k], first, second)) continue;
            out.push_back(std::to_string(k));
            out.push_back(first);
            out.push_back(second);
        }
        out.insert(out.end(), {"}", "", "", ""});
    }
    savePackLines(path, out);
}

void savePackLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    std::error_code failure;
    if (!files::writeFile(files::realPath(path), bytes, files::Access::Normal, &failure))
        throw LanguagePackError(files::saveFailedText(path, failure));
}

}  // namespace pageeditor
