#pragma once
// The whole-document rewrites of the editor frame as text operations on the
// document's 8-bit text: the page title, the META lines of the head, the
// page-size marker before "</BODY>" and the background sound.
#include <optional>
#include <string>
#include <string_view>

namespace pageeditor {

// The page-size markers: "<!--SIZE:0-->" (800x600) to "<!--SIZE:2-->"
// (1280x1024), and the client size of a document window for each.
struct PageSize {
    const char* marker;
    int width, height;
};
// Index 0, 1 or 2; null for any other.
const PageSize* pageSizeAt(int index);

// Puts `title` between the document's first "<title>" and the "</title>"
// after it (tags in any case). A document without a title element gets one
// directly after its "<HEAD>" tag; without either, false and nothing changes.
bool SetTitleText(std::string& html, std::string_view title);

// What the head of a document says of the page: the content of its
// keywords and description META tags (names in any case; read as
// MarkupText gives them), and whether it declares a charset.
struct HeadMeta {
    std::string keywords, description;
    bool charsetDeclared = false;
};
HeadMeta ReadHeadMeta(std::string_view html);

// The document with its keywords META line replaced by
// <META NAME ="Keywords" CONTENT="..."> when `keywords` is given, and its
// description META line by <META NAME="Description" content="..."> when
// `description` is given; an empty value removes the line. A new line takes
// the place of the page's own; without one it goes directly below the
// "<HEAD>" line, the keywords above the description, and a head that
// declares no charset gets the ISO-8859-2 content type below them, unless
// the page's charset is declared outside its text (`charsetDeclared`: by the
// byte order mark of its file). Every other character of the document stays
// as it is. The values go in as given.
std::string ReplaceHeadMeta(std::string_view html, const std::optional<std::string>& keywords,
                            const std::optional<std::string>& description, bool charsetDeclared = false);

// Removes the first "<!--SIZE:" marker (through the next ">", or the end of
// the text) and puts `marker` directly before the first "</BODY>", or at the
// very beginning without one.
std::string PlaceSizeMarker(std::string_view html, std::string_view marker);
// The same for the first "<BGSOUND" tag and a new tag.
std::string PlaceBackgroundSound(std::string_view html, std::string_view tag);

// A value typed by the user as it goes into the document's text: "&", "<",
// ">" and the double quote as character references, line breaks as blanks.
// The document's text is the program's (Windows-1250, whatever the page
// declares), so the letters stay as they are, but for the six signs
// ± ¶ ¦ ˇ ¬ Ľ: their bytes the document's text reads as the letters
// ISO-8859-2 has there (see PageCharset), so they go in as numeric
// references ("&#177;"), which the page keeps as the signs.
std::string PageValue(std::string_view typed);

// An attribute value of the document's text as the user is shown it: a
// character reference to a character the program's text holds reads as that
// character (the six signs too); one to a character it lacks (the text
// carries those as references, "&#1082;") stays as it is written, and so
// does every other "&". A byte of the six reads as the ISO-8859-2 letter
// the document's text means by it.
std::string MarkupText(std::string_view value);
// A value shown as MarkupText shows it, as it goes back into the document's
// text: as PageValue, but a reference to a character the program's text
// lacks stays as it is, so that what the user left of the shown value means
// what it meant. MarkupText reads back what was typed, whatever it is
// ("&amp;" and "&#261;" as typed too).
std::string MarkupValue(std::string_view shown);

}  // namespace pageeditor
