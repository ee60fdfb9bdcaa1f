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
// keywords and description META tags (names in any case; character
// references of the markup read as the characters they stand for), and
// whether it declares a charset.
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
// declares no charset gets the ISO-8859-2 content type below them. Every
// other character of the document stays as it is. The values go in as given.
std::string ReplaceHeadMeta(std::string_view html, const std::optional<std::string>& keywords,
                            const std::optional<std::string>& description);

// Removes the first "<!--SIZE:" marker (through the next ">", or the end of
// the text) and puts `marker` directly before the first "</BODY>", or at the
// very beginning without one.
std::string PlaceSizeMarker(std::string_view html, std::string_view marker);
// The same for the first "<BGSOUND" tag and a new tag.
std::string PlaceBackgroundSound(std::string_view html, std::string_view tag);

// A value typed by the user as it goes into the document's text: "&", "<",
// ">" and the double quote as character references, line breaks as blanks.
// The document's text is the program's (Windows-1250, whatever the page
// declares), so the letters stay as they are.
std::string PageValue(std::string_view typed);

}  // namespace pageeditor
