#pragma once
// The inline style of an element, read and written as the style attribute
// says it: a value reads back exactly as it was set (a background url(...) is
// left unquoted, backslashes and all), a bare number given for a length reads
// back with "px", and setting "" removes the property.
#include <memory>
#include <string>
#include <string_view>

namespace htmledit {

class Element;
class ControlCore;

class Style {
public:
    explicit Style(const Element& element);
    ~Style();
    Style(const Style&);
    Style& operator=(const Style&);

    std::string get(std::string_view property) const;
    void set(std::string_view property, std::string_view value);

    std::string position() const { return get("position"); }
    std::string left() const { return get("left"); }
    std::string top() const { return get("top"); }
    std::string width() const { return get("width"); }
    std::string height() const { return get("height"); }
    std::string background() const { return get("background"); }
    void setPosition(std::string_view v) { set("position", v); }
    void setLeft(std::string_view v) { set("left", v); }
    void setTop(std::string_view v) { set("top", v); }
    void setWidth(std::string_view v) { set("width", v); }
    void setHeight(std::string_view v) { set("height", v); }
    void setBackground(std::string_view v) { set("background", v); }

private:
    std::unique_ptr<Element> element_;
};

}  // namespace htmledit
