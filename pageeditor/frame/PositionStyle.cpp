#include "pageeditor/frame/PositionStyle.h"

#include "htmledit/Element.h"
#include "htmledit/Style.h"
#include "text/CaseRules.h"

namespace pageeditor {

std::string positionStyleText(bool relativeToText, const std::string& geometry) {
    if (geometry.empty())
        return relativeToText ? std::string() : std::string("style=\"position: absolute;\"");
    if (relativeToText)
        return "style=\"" + geometry + "\"";
    return "style=\"position: absolute; " + geometry + "\"";
}

bool positionBoxTicked(const std::string& position) {
    // The browser treats the keyword without regard to case or surrounding
    // blanks, so "Absolute " places the element absolutely as well.
    std::size_t b = position.find_first_not_of(" \t\r\n");
    std::size_t e = position.find_last_not_of(" \t\r\n");
    if (b == std::string::npos)
        return true;
    return !text::equalsNoCase(position.substr(b, e - b + 1), "absolute");
}

std::string geometryText(const std::string& left, const std::string& top, const std::string& width,
                         const std::string& height) {
    std::string g;
    auto add = [&g](const char* label, const std::string& value) {
        if (!value.empty())
            g += label + value + "; ";
    };
    add("left: ", left);
    add("top: ", top);
    add("width: ", width);
    add("height: ", height);
    return g;
}

namespace {

PositionReadBack readBack(const htmledit::Element& element, bool sizeAttributes) {
    htmledit::Style s = element.style();
    PositionReadBack r;
    r.relativeToText = positionBoxTicked(s.position());
    std::string width = s.width(), height = s.height();
    if (sizeAttributes && width.empty()) width = attributeLength(element.getAttribute("width"));
    if (sizeAttributes && height.empty()) height = attributeLength(element.getAttribute("height"));
    r.geometry = geometryText(s.left(), s.top(), width, height);
    return r;
}

}  // namespace

PositionReadBack readPositionStyle(const htmledit::Element& element) { return readBack(element, false); }

PositionReadBack readPositionAndSize(const htmledit::Element& element) { return readBack(element, true); }

std::string attributeLength(const std::string& value) {
    std::size_t b = value.find_first_not_of(" \t\r\n\f");
    if (b == std::string::npos) return {};
    std::size_t e = b;
    while (e < value.size() && value[e] >= '0' && value[e] <= '9') ++e;
    if (e == b) return {};
    if (e + 1 < value.size() && value[e] == '.' && value[e + 1] >= '0' && value[e + 1] <= '9') {
        ++e;
        while (e < value.size() && value[e] >= '0' && value[e] <= '9') ++e;
    }
    return value.substr(b, e - b) + (e < value.size() && value[e] == '%' ? "%" : "px");
}

void setPositionBox(const htmledit::Element& element, bool relativeToText) {
    element.style().setPosition(relativeToText ? "" : "absolute");
}

}  // namespace pageeditor
