#pragma once
// The tags of the positioned media dialogs and of the background sound. Each
// takes the style text S of the position box (empty, or a whole
// style="..." attribute) and places it where its template says. Typed names
// and addresses are written so that a quote or bracket in them stays inside
// their attribute.
#include <string>
#include <string_view>

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

// The background sound: "<BGSOUND SRC=\"file\" LOOP=\"INFINITE\">" or with the
// repeat count; no SRC without a file.
std::string soundTag(std::string_view file, bool endless, int count);

}  // namespace pageeditor
