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
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/LanguagePack.h"
#include "pageeditor/frame/OpenDialog.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "text/LineFile.h"

namespace pageeditor {

namespace {

// One triple for a component of the frame: the frame itself (a panel) and
// the screen-font list are left alone.
void apply(forms::Component& c, const std::string& first, const std::string& second) {
    if (dynamic_cast<THTMLEdit*>(&c)) return;
    if (auto* box = dynamic_cast<forms::ComboBox*>(&c); box && box->name() == "cbFontName") return;
    if (auto* d = dynamic_cast<OpenDialog*>(&c)) {
        d->filter = first;
        d->title = second;
    }
    applyTriple(c, first, second);
}

// The triple SaveDHTML writes for a component, or false for a class it
// leaves out: the frame itself and the screen-font list, which the reader
// leaves alone too.
bool describe(const forms::Component& c, std::string& first, std::string& second) {
    if (dynamic_cast<const THTMLEdit*>(&c)) return false;
    if (auto* box = dynamic_cast<const forms::ComboBox*>(&c); box && box->name() == "cbFontName") return false;
    if (auto* d = dynamic_cast<const OpenDialog*>(&c)) {
        first = d->filter;
        second = d->title;
        return true;
    }
    return describeTriple(c, first, second);
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
    savePackLines(path, out);
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
        int owner = parsePackIndex(read());
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
            int index = parsePackIndex(a);
            const auto& list = frame->components();
            if (index < 0 || index >= static_cast<int>(list.size()))
                throw LanguagePackError("no component " + std::to_string(index) + " on " + frame->name());
            apply(*list[static_cast<std::size_t>(index)], b, c);
        }
    }
}

}  // namespace pageeditor
