#pragma once
// The classic form of markup: the engine's own serialization (lower-case
// tags, every value in double quotes) rewritten with upper-case tag names and
// each attribute as the markup wrote it, from the notes MarkupNotes left on
// the element. Comments, text and the content of raw-text elements pass
// unchanged but for what the parser would read otherwise: a carriage return
// of a text or a value is written as a reference, and a line break that
// begins the content of PRE, TEXTAREA or LISTING gets one more before it.
// Elements inside SVG or MathML keep their case.
#include <string>
#include <string_view>

namespace htmledit {

class ClassicMarkup {
public:
    static std::u16string fromEngine(std::u16string_view engineMarkup);

    // One attribute in the classic form, with its leading blank. `quote` is
    // d, s, u or b as in the notes; `before` and `after` are the blanks
    // around '='. A value is written unescaped where the parser reads it back
    // unchanged, else in double quotes with &, " and carriage returns escaped.
    static std::u16string attribute(std::u16string_view name, std::u16string_view value, char16_t quote = u'd',
                                    int before = 0, int after = 0);
};

}  // namespace htmledit
