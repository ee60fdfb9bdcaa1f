// The rewrites of whole page texts: the charset a page declares, its bytes
// decoded and encoded again, the conversions between the page's letters and
// the program's, the replacements run over a whole document, the editor
// frame's rewrites (title, keywords and description, page-size marker,
// background sound), the body dialog's style background, and the notes the
// editing control's markup gets before the engine parses it.
// Input: find NUL replacement NUL document NUL title NUL keywords NUL
// description NUL picture NUL colour NUL style NUL marker.
//
// Each rewrite keeps the rest of the page: what it does not own stays byte
// for byte. What it writes reads back as what was typed: the title between
// the title tags, the keywords and description through the head's reader,
// the size marker through the frame's, and the background picture and
// colour through the body dialog's reader of the style.
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "htmledit/MarkupNotes.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "pageeditor/dialogs/TagText.h"
#include "pageeditor/dialogs/Tbody.h"
#include "pageeditor/frame/DocumentRewrite.h"
#include "text/CaseRules.h"
#include "text/PageCharset.h"

using namespace pageeditor;

namespace {

// A typed value as a reader of the page gives it back: line breaks are
// blanks.
std::string asRead(std::string_view typed) {
    std::string out;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') ++i;
        out += typed[i] == '\r' || typed[i] == '\n' ? ' ' : typed[i];
    }
    return out;
}

void titleKeepsThePage(const std::string& html, const std::string& typed) {
    const std::string value = PageValue(typed);
    std::string out = html;
    const bool set = SetTitleText(out, value);
    if (!set) {
        fuzzing::expect(out == html, "a title that cannot be set changes nothing");
        return;
    }
    const std::string lower = text::lower(out);
    const std::size_t open = lower.find("<title>"), close = lower.find("</title>", open);
    fuzzing::expect(open != std::string::npos && close != std::string::npos, "the title element is there");
    fuzzing::expect(out.substr(open + 7, close - open - 7) == value, "the title reads back as it was written");
    // Without the title's text (and the element, when it was added), the
    // page is the one it was.
    std::string rest = out.substr(0, open + 7) + out.substr(close);
    const std::string before = text::lower(html);
    const std::size_t oldOpen = before.find("<title>"), oldClose = before.find("</title>", oldOpen);
    if (oldOpen != std::string::npos && oldClose != std::string::npos) {
        fuzzing::expect(rest == html.substr(0, oldOpen + 7) + html.substr(oldClose),
                        "the title keeps the rest of the page");
    } else {
        const std::string added = "\r\n<TITLE></TITLE>";
        fuzzing::expect(
            open >= 2 && rest.compare(open - 2, added.size(), added) == 0 && rest.erase(open - 2, added.size()) == html,
            "a title element added keeps the rest of the page");
    }
}

// A head whose every tag ends at its first ">": no "<" inside a tag and
// every quote of a tag closed in it. (Of a head where a quote runs on past
// its tag's end, what is a tag is a guess, and the rewrite's only duty is to
// end.)
bool plainHead(std::string_view head) {
    for (std::size_t at = head.find('<'); at != std::string_view::npos; at = head.find('<', at + 1)) {
        const std::size_t end = head.find_first_of("<>", at + 1);
        if (end == std::string_view::npos || head[end] != '>') return false;
        const std::string_view tag = head.substr(at, end - at);
        if (fuzzing::count(tag, "\"") % 2 || fuzzing::count(tag, "'") % 2) return false;
    }
    return true;
}

void headMetaKeepsThePage(const std::string& html, const std::vector<std::string>& in) {
    auto typed = [&](std::size_t i) { return in.size() > i ? std::optional<std::string>(in[i]) : std::nullopt; };
    const std::optional<std::string> keywords = typed(4), description = typed(5);
    auto value = [](const std::optional<std::string>& t) {
        return t ? std::optional<std::string>(PageValue(*t)) : std::nullopt;
    };
    const std::string out = ReplaceHeadMeta(html, value(keywords), value(description));
    const std::string upper = text::upper(html);
    const std::size_t headEnd = upper.find("</HEAD>");
    if (headEnd == std::string::npos || !plainHead(std::string_view(html).substr(0, headEnd + 7))) return;
    fuzzing::expect(ReplaceHeadMeta(out, value(keywords), value(description)) == out,
                    "the same keywords and description again change nothing");
    fuzzing::expect(out.size() >= html.size() - headEnd &&
                        out.compare(out.size() - (html.size() - headEnd), std::string::npos, html, headEnd) == 0,
                    "the keywords and description keep the rest of the page");
    std::size_t head = upper.find("<HEAD>");
    if (head == std::string::npos) head = upper.find("<HEAD ");
    if (head == std::string::npos || head > headEnd || tagEnd(html, head) > headEnd) return;
    const HeadMeta read = ReadHeadMeta(out);
    if (keywords) fuzzing::expect(read.keywords == asRead(*keywords), "the keywords read back as they were typed");
    if (description)
        fuzzing::expect(read.description == asRead(*description), "the description reads back as it was typed");
}

// The size marker and the background sound go directly before the first
// "</BODY>" in place of the page's first one; the rest of the page stays.
void placedKeepsThePage(const std::string& html, const std::string& out, std::string_view start, std::string_view tag) {
    std::string expected = html;
    if (std::size_t p = expected.find(start); p != std::string::npos) {
        std::size_t end = expected.find('>', p);
        expected.erase(p, end == std::string::npos ? std::string::npos : end - p + 1);
    }
    const std::size_t body = expected.find("</BODY>");
    const std::size_t at = body == std::string::npos ? 0 : body;
    fuzzing::expect(out.compare(at, tag.size(), tag) == 0, "the tag stands directly before the body's end");
    fuzzing::expect(out.substr(0, at) + out.substr(at + tag.size()) == expected,
                    "the marker or sound keeps the rest of the page");
}

void sizeMarkerKeepsThePage(const std::string& html, const std::string& choice) {
    const int index = choice.empty() ? 0 : static_cast<unsigned char>(choice[0]) % 3;
    const std::string marker = pageSizeAt(index)->marker;
    const std::string out = PlaceSizeMarker(html, marker);
    placedKeepsThePage(html, out, "<!--SIZE:", marker);
    if (fuzzing::count(out, "<!--SIZE:") == 1) {
        // The frame's reader takes the size of each of the three markers
        // the page holds.
        for (int n = 0; n < 3; ++n)
            fuzzing::expect((out.find(pageSizeAt(n)->marker) != std::string::npos) == (n == index),
                            "the size marker reads back as it was chosen");
        fuzzing::expect(PlaceSizeMarker(out, marker) == out, "the same size again changes nothing");
    }
    const std::string sound = "<BGSOUND SRC=\"" + PageValue(choice) + "\" LOOP=\"INFINITE\">";
    placedKeepsThePage(html, PlaceBackgroundSound(html, sound), "<BGSOUND", sound);
}

void backgroundReadsBack(const std::string& picture, const std::string& colourBytes, const std::string& style) {
    Tbody::splitStyleBackground(style);
    if (picture.empty()) return;
    // A colour as the dialog writes it, or none.
    std::string colour;
    if (colourBytes.size() >= 3) {
        static const char* hex = "0123456789ABCDEF";
        colour = "#";
        for (int i = 0; i < 3; ++i) {
            const unsigned char c = static_cast<unsigned char>(colourBytes[i]);
            colour += hex[c >> 4];
            colour += hex[c & 15];
        }
    }
    const Tbody::StyleBackground read = Tbody::splitStyleBackground(Tbody::styleBackgroundOf(colour, picture));
    const std::string address = withSeparators(picture, '/');
    fuzzing::expect(read.picture == (isWebAddress(address) ? address : withSeparators(picture, '\\')),
                    "the background picture reads back as it was written");
    fuzzing::expect(read.colour == colour, "the background colour reads back as it was written");
}

// The notes: the markup as it was, with a note after some tags' names and
// the self-closed formatting elements closed, and nothing else.
void notesKeepTheMarkup(std::u16string_view in) {
    const std::u16string out = htmledit::MarkupNotes::annotate(in);
    const std::u16string note = u" " + std::u16string(htmledit::MarkupNotes::kNoteName) + u"=\"";
    std::size_t i = 0, j = 0;
    while (i < in.size() || j < out.size()) {
        if (out.compare(j, note.size(), note) == 0 && in.compare(i, note.size(), note) != 0) {
            const std::size_t end = out.find(u'"', j + note.size());
            fuzzing::expect(end != std::u16string::npos, "a note ends");
            j = end + 1;
        } else if (in.compare(i, 2, u"/>") == 0 && out.compare(j, 3, u"></") == 0) {
            const std::size_t end = out.find(u'>', j + 3);
            fuzzing::expect(end != std::u16string::npos, "a closed element ends");
            i += 2;
            j = end + 1;
        } else {
            fuzzing::expect(i < in.size() && j < out.size() && in[i] == out[j], "the notes keep the markup");
            ++i;
            ++j;
        }
    }
    fuzzing::expect(htmledit::MarkupNotes::annotate(out) == out, "markup with its notes gets no more");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> in = fuzzing::parts(fuzzing::asText(data, size), 3);
    auto part = [&](std::size_t i) { return i < in.size() ? in[i] : std::string(); };
    const std::string& doc = in[2];
    text::PageCharset cs = text::PageCharset::declaredIn(doc);
    std::u16string wide = cs.decodeFile(doc);
    cs.encodeFile(wide);
    text::PageCharset::declaredIn(wide);
    text::PageCharset::toProgram(wide);
    text::PageCharset::toProgramMarkup(wide);
    text::PageCharset::fromName(in[0]);
    iso(doc);
    win(doc);
    repl(in[0], in[1], doc);
    replace_all(in[0], in[1], doc);
    replace_chars(in[0], in[1], doc);
    ext_of(in[0]);

    titleKeepsThePage(doc, part(3));
    headMetaKeepsThePage(doc, in);
    sizeMarkerKeepsThePage(doc, part(9));
    backgroundReadsBack(part(6), part(7), part(8));
    notesKeepTheMarkup(wide);
    return 0;
}
