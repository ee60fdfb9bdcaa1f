#include "pageeditor/frame/FrameLanguagePack.h"

#include "files/FileSystem.h"
#include "forms/Action.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/MenuItem.h"
#include "forms/Panel.h"
#include "forms/SpeedButton.h"
#include "forms/TabSheet.h"
#include "forms/TextBox.h"
#include "forms/ToolButton.h"
#include "pageeditor/app/LanguagePack.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/frame/OpenDialog.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "text/LineFile.h"

namespace pageeditor {

namespace {

int parseIndex(const std::string& line) {
    if (line.empty()) throw LanguagePackError("empty index line");
    std::size_t i = line[0] == '-' ? 1 : 0;
    if (i == line.size()) throw LanguagePackError("not a number: " + line);
    long long n = 0;
    for (; i < line.size(); ++i) {
        if (line[i] < '0' || line[i] > '9') throw LanguagePackError("not a number: " + line);
        n = n * 10 + (line[i] - '0');
        if (n > 1000000) throw LanguagePackError("index too large: " + line);
    }
    return static_cast<int>(line[0] == '-' ? -n : n);
}

// One triple, by the component's class; every class that matches applies.
void apply(forms::Component& c, const std::string& first, const std::string& second) {
    using namespace forms;
    if (auto* b = dynamic_cast<CommandButton*>(&c)) {
        b->setCaption(first);
        b->setToolTip(second);
    }
    if (auto* s = dynamic_cast<SpeedButton*>(&c)) {
        s->setCaption(first);
        s->setHint(second);
    }
    if (auto* t = dynamic_cast<ToolButton*>(&c)) {
        t->setCaption(first);
        t->setHint(second);
    }
    if (auto* l = dynamic_cast<Label*>(&c)) {
        l->setCaption(replace_chars("|", "\n", first));
        l->setToolTip(second);
    }
    if (auto* a = dynamic_cast<Action*>(&c)) {
        a->setCaption(first);
        a->setHint(second);
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
    if (auto* d = dynamic_cast<OpenDialog*>(&c)) {
        d->filter = first;
        d->title = second;
    }
    if (auto* p = dynamic_cast<Panel*>(&c); p && !dynamic_cast<THTMLEdit*>(&c)) {
        p->setCaption(first);
        p->setHint(second);
    }
    if (auto* e = dynamic_cast<TextBox*>(&c)) {
        e->setText(first);
        e->setToolTip(second);
    }
    if (auto* box = dynamic_cast<ComboBox*>(&c); box && box->name() != "cbFontName") {
        box->clear();
        for (const std::string& item : splitCommaText(first)) box->addItem(item);
        box->setToolTip(second);
    }
}

// The triple SaveDHTML writes for a component, or false for a class it leaves out.
bool describe(const forms::Component& c, std::string& first, std::string& second) {
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
    } else if (auto* m = dynamic_cast<const MenuItem*>(&c)) {
        first = m->caption();
        second.clear();
    } else if (auto* t = dynamic_cast<const TabSheet*>(&c)) {
        first = t->caption();
        second = t->hint();
    } else if (auto* d = dynamic_cast<const OpenDialog*>(&c)) {
        first = d->filter;
        second = d->title;
    } else if (auto* p = dynamic_cast<const Panel*>(&c); p && !dynamic_cast<const THTMLEdit*>(&c)) {
        first = p->caption();
        second = p->hint();
    } else if (auto* e = dynamic_cast<const TextBox*>(&c)) {
        first = e->text();
        second = e->toolTip();
    } else if (auto* box = dynamic_cast<const ComboBox*>(&c); box && box->name() != "cbFontName") {
        // The font list is the screen's own; the reader leaves it alone too.
        std::vector<std::string> items;
        for (int i = 0; i < box->listCount(); ++i) items.push_back(box->list(i));
        first = joinCommaText(items);
        second = box->toolTip();
    } else {
        return false;
    }
    return true;
}

}  // namespace

void SaveDHTML(const std::string& path, forms::Form& documentWindow) {
    std::vector<std::string> out{"[Verbatrix Language Translation PACK: US English v 1.5]", ""};
    const auto& windowList = documentWindow.components();
    for (std::size_t i = 0; i < windowList.size(); ++i) {
        auto* frame = dynamic_cast<const THTMLEdit*>(windowList[i].get());
        if (!frame) continue;
        out.insert(out.end(), {"#Win:", std::to_string(i), frame->caption(), frame->hint()});
        const auto& list = frame->components();
        for (std::size_t k = 0; k < list.size(); ++k) {
            std::string first, second;
            if (!describe(*list[k], first, second)) continue;
            out.insert(out.end(), {std::to_string(k), first, second});
        }
        out.insert(out.end(), {"}", "", "", ""});
    }
    if (!text::writeLines(files::realPath(path), out)) throw LanguagePackError("cannot write " + path);
}

void LoadDHTML(const std::string& path, forms::Form& documentWindow) {
    text::LineReader in(files::realPath(path));
    if (!in.isOpen()) throw LanguagePackError("cannot read " + path);
    // Past the end a read gives an empty line.
    auto read = [&in] {
        std::string l;
        in.next(l);
        return l;
    };
    read();  // header
    read();  // the application title is not the frame's
    while (!in.atEnd()) {
        if (read() != "#Win:") continue;
        int owner = parseIndex(read());
        read();  // caption and hint of the frame: not applied
        read();
        const auto& windowList = documentWindow.components();
        if (owner < 0 || owner >= static_cast<int>(windowList.size()))
            throw LanguagePackError("no component " + std::to_string(owner) + " on " + documentWindow.name());
        auto* frame = dynamic_cast<THTMLEdit*>(windowList[static_cast<std::size_t>(owner)].get());
        if (!frame) throw LanguagePackError("component " + std::to_string(owner) + " is not an editor frame");
        for (;;) {
            std::string a = read(), b = read(), c = read();
            if (a == "}" || b == "}" || c == "}") break;
            int index = parseIndex(a);
            const auto& list = frame->components();
            if (index < 0 || index >= static_cast<int>(list.size()))
                throw LanguagePackError("no component " + std::to_string(index) + " on " + frame->name());
            apply(*list[static_cast<std::size_t>(index)], b, c);
        }
    }
}

}  // namespace pageeditor
