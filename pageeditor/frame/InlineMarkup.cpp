#include "pageeditor/frame/InlineMarkup.h"

#include "pageeditor/core/TextRoutines.h"
#include "text/CaseRules.h"

namespace pageeditor {

namespace {

struct Pair {
    const char* open;
    const char* close;
    const char* openUpper;
    const char* closeUpper;
};

const Pair& pairOf(InlineMarkup m) {
    static const Pair strike{"<strike>", "</strike>", "<STRIKE>", "</STRIKE>"};
    static const Pair sup{"<sup>", "</sup>", "<SUP>", "</SUP>"};
    static const Pair sub{"<sub>", "</sub>", "<SUB>", "</SUB>"};
    switch (m) {
    case InlineMarkup::Strike: return strike;
    case InlineMarkup::Superscript: return sup;
    case InlineMarkup::Subscript: break;
    }
    return sub;
}

}  // namespace

std::string toggleInlineMarkup(InlineMarkup markup, std::string_view selectedHtml) {
    const Pair& p = pairOf(markup);
    std::string lower = text::lower(selectedHtml);
    if (lower.find(p.open) != std::string::npos || lower.find(p.close) != std::string::npos)
        return repl(p.closeUpper, "", repl(p.openUpper, "", selectedHtml));
    return std::string(p.open) + std::string(selectedHtml) + p.close;
}

}  // namespace pageeditor
