#pragma once
// The style rule of positioned elements, shared by the image, table, Flash,
// scrolling-text, video and inline-frame dialogs. Their position box
// ("&Pozycja względem tekstu") ticked keeps the element in the text flow;
// cleared, the element is positioned absolutely. The geometry of an edited
// element (its non-empty left, top, width and height) is carried into the
// written style whether the box is ticked or not.
#include <string>

namespace htmledit {
class Element;
}

namespace pageeditor {

// The style text a dialog places in its template: without geometry, "" when
// the box is ticked and style="position: absolute;" when it is not; with a
// geometry text G, style="G" or style="position: absolute; G".
std::string positionStyleText(bool relativeToText, const std::string& geometry = {});

// The position box of an element whose style position is `position`:
// ticked for anything but "absolute" (an empty position included).
bool positionBoxTicked(const std::string& position);

// The geometry text of the four style values, in the order left, top,
// width, height: "left: 10px; width: 200px; " for each one that is not
// empty, no blank at the start and one at the end; "" when all are empty.
std::string geometryText(const std::string& left, const std::string& top, const std::string& width,
                         const std::string& height);

// What a dialog reads back from an edited element's style.
struct PositionReadBack {
    bool relativeToText = true;
    std::string geometry;
};
PositionReadBack readPositionStyle(const htmledit::Element& element);
// The same for the media elements, whose size a page may give by their width
// and height attributes: those stand in where the style gives no width or
// height, so the geometry holds the size the element is drawn at.
PositionReadBack readPositionAndSize(const htmledit::Element& element);
// A width or height attribute as a style length: its leading number with
// "px" ("300" and "300px" give 300px), or with "%" when one follows it
// ("50%"); "" when it starts with no number.
std::string attributeLength(const std::string& value);

// Sets the element's style position as the position box says: none when it
// is ticked, "absolute" when it is not; the other style properties stay.
void setPositionBox(const htmledit::Element& element, bool relativeToText);

}  // namespace pageeditor
