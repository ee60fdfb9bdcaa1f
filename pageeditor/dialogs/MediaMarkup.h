#pragma once
// The tags of the positioned media dialogs and of the background sound. Each
// takes the style text S of the position box (empty, or a whole
// style="..." attribute) and places it where its template says. Typed names
// and addresses are written so that a quote or bracket in them stays inside
// their attribute.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pageeditor {

// The Flash movie: an OBJECT with its PARAMs and an EMBED, both carrying S.
// The quality is quoted, so that a value with a blank ("auto high") reads back whole.
std::string flashTag(std::string_view style, std::string_view file, std::string_view quality);

struct MarqueeValues {
    std::string text;  // HTML allowed, written as it is
    std::string align, direction, behavior;
    std::string bgcolor;  // colour text ("" for none)
    int scrollAmount = 1, scrollDelay = 1, loop = 1;
    bool endless = false;
    bool operator==(const MarqueeValues&) const = default;
};
std::string marqueeTag(std::string_view style, const MarqueeValues& v);

// The video: an EMBED that starts by itself.
std::string movieTag(std::string_view style, std::string_view file);

struct IframeValues {
    std::string name, source, align;
    bool border = false;
    bool operator==(const IframeValues&) const = default;
};
// The inline frame's opening tag; no closing tag is written.
std::string iframeTag(std::string_view style, const IframeValues& v);

// One attribute a dialog sets on the element it edits. An attribute the
// element has keeps its own spelling; a new one is spelt as the dialog's tag
// for a new element spells it.
struct AttributeChange {
    std::string name, value;
    bool operator==(const AttributeChange&) const = default;
};
using AttributeChanges = std::vector<AttributeChange>;

// What OK sets on an edited marquee: the attribute of each value that differs
// from the one the dialog showed (the text, which is the element's content,
// is not among them). The behaviour is written as the word of the list it
// names without regard to case, or empty (the engine's own) for any other
// text; a loop as "INFINITE" or the count.
AttributeChanges marqueeChanges(const MarqueeValues& shown, const MarqueeValues& now);
// A marquee's loop attribute as the engine plays it: a count of at least 1
// written as digits, or for ever (nullopt) for anything else: none,
// "infinite", "0", "-1", "abc".
std::optional<long> marqueeLoopCount(const std::string& loop);

// What OK sets on an edited inline frame; a border cleared is
// FRAMEBORDER="0", which the engine draws without one.
AttributeChanges iframeChanges(const IframeValues& shown, const IframeValues& now);

// A Flash OBJECT's markup with the movie and the quality (those given) set
// wherever it names them: the object's own data and movie attributes, its
// movie, src and quality PARAMs and the EMBED inside it. A PARAM it lacks is
// added right after the object's start tag, as the tag for a new movie writes
// it; everything else stays as it is.
std::string flashWithChanges(const std::string& objectHTML, const std::optional<std::string>& file,
                             const std::optional<std::string>& quality);

// The background sound: "<BGSOUND SRC=\"file\" LOOP=\"INFINITE\">" or with the
// repeat count; no SRC without a file.
std::string soundTag(std::string_view file, bool endless, int count);

}  // namespace pageeditor
