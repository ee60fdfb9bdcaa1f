// The readers of page text behind the element dialogs, on pages written
// anywhere: the attributes and the end of a tag, an attribute set in a start
// tag, a table's rows and cells, its border and spacing, its cells replaced
// under its own start tag, a Flash movie's name and quality set in its
// markup, the body's style background, and the values of the head's META
// lines as the memos show them and as they go back. Nothing throws; what is
// written reads back as it was written; a second identical rewrite changes
// nothing; and what a rewrite does not own stays byte for byte.
// Input: name NUL value NUL markup; an input without NUL is markup alone (a
// page of the seeds), the name and value then taken from it.
#include <algorithm>
#include <functional>
#include <string>

#include "FuzzInput.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/MediaMarkup.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "pageeditor/dialogs/TableMarkup.h"
#include "pageeditor/dialogs/TagText.h"
#include "pageeditor/dialogs/Tbody.h"
#include "pageeditor/dialogs/WholeNumber.h"
#include "pageeditor/frame/DocumentRewrite.h"
#include "text/CaseRules.h"

using namespace pageeditor;
using fuzzing::expect;

namespace {

// An attribute name made of the input: letters, digits and "-" only, never
// empty.
std::string attributeName(const std::string& s) {
    std::string n = "n";
    for (char c : s.substr(0, 24))
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-') n += c;
    return n;
}

std::string without(std::string s, const std::string& chars) {
    s.erase(std::remove_if(s.begin(), s.end(), [&](char c) { return chars.find(c) != std::string::npos; }), s.end());
    return s;
}

void tags(const std::string& name, const std::string& value, const std::string& markup) {
    // Every tag of the markup ends after its start, inside the text.
    for (std::size_t at = markup.find('<'); at != std::string::npos; at = markup.find('<', at + 1)) {
        const std::size_t end = tagEnd(markup, at);
        expect(end > at && end <= markup.size(), "a tag ends after its start, inside the text");
        tagAttribute(markup.substr(at, end - at), name);
    }
    // An attribute written in each way the pages write one reads back as
    // written, its name in any case, whatever stands after it.
    const std::string upper = text::upper(name);
    const std::string tail = " " + without(markup.substr(0, 200), ">") + ">";
    const std::string inDouble = without(value, "\""), inSingle = without(value, "'");
    std::string bare = without(value, " \t\r\n>");
    bare.erase(0, bare.find_first_not_of("\"'"));  // a quote there would open a quoted value
    const struct {
        std::string written, value;
    } forms[] = {
        {"\"" + inDouble + "\"", inDouble},
        {"'" + inSingle + "'", inSingle},
        {bare, bare},
    };
    for (const auto& f : forms) {
        if (f.written.empty()) continue;  // a bare name is read with what follows it
        const std::string start = "<TABLE " + upper + "=" + f.written;
        const auto read = findTagAttribute(start + tail, name);
        expect(read && *read == f.value, "an attribute reads back as it was written");
        if (f.written != bare)
            expect(tagEnd(start + ">" + markup, 0) == start.size() + 1, "a tag ends at its > past its quoted values");
    }
    expect(!findTagAttribute("<TABLE summary=\"" + inDouble + "\">", name + "x-"), "an attribute not written is not read");
}

void mediaElements(const std::string& name, const std::string& value, const std::string& markup) {
    // An attribute set in a start tag reads back as set, the same again
    // changes nothing, and the tag still ends at its own ">".
    const std::string tag = "<EMBED " + without(markup.substr(0, 200), "<>\"'") + ">";
    const std::string plain = without(value, "\"'<>&");
    const std::string set = withTagAttribute(tag, name, plain, name);
    expect(findTagAttribute(set, name) == plain, "an attribute set reads back as set");
    expect(withTagAttribute(set, name, plain, name) == set, "the same value again changes nothing");
    expect(tagEnd(set, 0) == set.size(), "the tag ends at its own >");
    withTagAttribute(markup.substr(0, tagEnd(markup, 0)), name, value, name);

    // A Flash movie's markup: no change leaves any markup byte for byte. On
    // an object as the engine writes one (every value whole in its quotes),
    // the movie and quality set read back where the object names them, the
    // same change again changes nothing, and the object's own attributes
    // stay.
    expect(flashWithChanges(markup, std::nullopt, std::nullopt) == markup, "no change leaves the markup");
    flashWithChanges(markup, value, plain);
    const std::string cls = without(markup.substr(0, 40), "\"<>&");
    const std::string object = "<OBJECT class=\"" + cls + "\" width=400><PARAM name=\"movie\" value='" +
                               without(value, "'<>&") + "'><EMBED src=\"" + plain + "\" quality=high></OBJECT>";
    const std::string once = flashWithChanges(object, value, plain);
    expect(flashWithChanges(once, value, plain) == once, "the same change again changes nothing");
    const std::string written = quotedAttributeValue(value, '"');
    expect(once.find("src=\"" + written + "\"") != std::string::npos, "the EMBED names the movie set");
    expect(once.rfind("<OBJECT class=\"" + cls + "\" width=400>", 0) == 0, "the object's own attributes stay");
}

void tables(const std::string& value, const std::string& markup) {
    const TableGrid grid = countTableGrid(markup);
    expect(grid.rows >= 0 && grid.cols >= 0, "a table has no fewer than no rows and cells");
    // The cells the dialog writes are counted as it wrote them.
    const long rows = value.empty() ? 0 : static_cast<unsigned char>(value[0]) % 40;
    const long cols = value.size() < 2 ? 1 : static_cast<unsigned char>(value[1]) % 40;
    const TableGrid made = countTableGrid(tableBody(rows, cols));
    expect(made.rows == rows && made.cols == (rows ? cols : 0), "the cells written are the cells counted");

    // New cells under a table's own start tag: the start tag stays byte for
    // byte, the cells read back, and the same cells again change nothing.
    const std::string start = "<TABLE " + without(value, ">") + ">";
    const std::string outer = start + markup + "</TABLE>";
    const std::string body = tableBody(rows, cols);
    const std::string rebuilt = withTableBody(outer, markup, body);
    expect(rebuilt == start + body + "</TABLE>", "the start tag stays and the cells are the new ones");
    expect(withTableBody(rebuilt, body, body) == rebuilt, "the same cells again change nothing");
    expect(withTableBody(rebuilt, body, markup) == outer, "the old cells read back");
    // Any markup: a result keeps all before the cells and ends the table.
    const std::string any = withTableBody(markup, value, body);
    if (!any.empty()) {
        const std::size_t kept = markup.size() - value.size() - 8;
        expect(any.compare(0, kept, markup, 0, kept) == 0, "all before the cells stays");
        expect(any.size() == kept + body.size() + 8, "only the cells are replaced");
    }

    // Border, spacing and padding: a number written with a unit reads back.
    const long n = static_cast<long>(std::hash<std::string>{}(value) % (kMaxFieldValue + 1ul));
    std::string unit = value.substr(0, 8);
    while (!unit.empty() && unit[0] >= '0' && unit[0] <= '9') unit.erase(0, 1);
    expect(tableNumber(std::to_string(n) + unit, 0, 1) == n, "a number written reads back");
    const long border = tableBorder(findTagAttribute(markup.substr(0, tagEnd(markup, 0)), "border"));
    expect(border >= 0 && border <= kMaxFieldValue, "a border is a number the field holds");
}

void backgrounds(const std::string& value, const std::string& markup) {
    Tbody::splitStyleBackground(markup);
    // What the dialog writes: a colour of its own (or none) and a picture
    // named as the dialog names one.
    const std::string colour = value.size() < 3 ? std::string() : util_getcolor(static_cast<unsigned char>(value[0]) |
                                                                               static_cast<unsigned char>(value[1]) << 8 |
                                                                               static_cast<unsigned char>(value[2]) << 16);
    // A picture of the media folder (a name the platform allows), or an
    // address the page keeps as typed.
    std::string picture;
    const std::string head = markup.substr(0, 200);
    if (isWebAddress(head) && head.find('\\') == std::string::npos) {
        picture = head;
    } else {
        std::string bare;
        for (char c : head.substr(0, 64))
            if (static_cast<unsigned char>(c) >= 0x20 && std::string(":<>|?*\"\\/").find(c) == std::string::npos) bare += c;
        if (!bare.empty()) picture = "data\\" + bare;
    }
    const std::string style = Tbody::styleBackgroundOf(colour, picture);
    const Tbody::StyleBackground back = Tbody::splitStyleBackground(style);
    expect(back.picture == picture && back.colour == colour, "the background reads back as written");
    expect(Tbody::styleBackgroundOf(back.colour, back.picture) == style, "written again, the background is the same");
}

void metaValues(const std::string& value) {
    // The memos show a value; what the user types goes back as what was
    // typed, whatever it holds ("&amp;", "&#261;", a lone "&", the six signs
    // whose bytes the document's text reads as other letters), line breaks
    // as blanks.
    std::string flat;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
        flat += value[i] == '\r' || value[i] == '\n' ? ' ' : value[i];
    }
    const std::string written = MarkupValue(value);
    expect(MarkupText(written) == flat, "a value written reads back as it was typed");
    expect(MarkupValue(MarkupText(written)) == written, "shown and written again, a value stays");
    expect(written.find_first_of("<>\"\r\n") == std::string::npos, "a value written cannot end its attribute or tag");
    const std::string title = PageValue(value);
    expect(title.find_first_of("<>\"\r\n") == std::string::npos, "a title written cannot end its element");
    for (const std::string* w : {&written, &title})
        expect(w->find_first_of("\xB1\xB6\xA6\xA1\xAC\xBC") == std::string::npos,
               "no sign goes in as a byte read as another letter");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto in = fuzzing::parts(fuzzing::asText(data, size));
    const std::string markup = in.back();
    const std::string name = in.size() > 1 ? in[0] : markup.substr(0, 12);
    const std::string value = in.size() > 2 ? in[1] : markup.substr(markup.size() / 2, 40);
    tags(attributeName(name), value, markup);
    mediaElements(attributeName(name), value, markup);
    tables(value, markup);
    backgrounds(value, markup);
    metaValues(value);
    metaValues(markup);
    return 0;
}
