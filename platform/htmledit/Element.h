#pragma once
// An element of the edited document. A handle: copies refer to the same
// element; a handle from a document that has since been reloaded, or an
// empty handle (no element), fails every call with Error.
#include <memory>
#include <string>
#include <string_view>

#include "htmledit/Style.h"

namespace htmledit {

class ControlCore;

class Element {
public:
    Element() = default;
    Element(std::shared_ptr<ControlCore> core, unsigned generation, int id)
        : core_(std::move(core)), generation_(generation), id_(id) {}

    bool isNull() const { return id_ == 0; }
    explicit operator bool() const { return id_ != 0; }

    // Upper case, "IMG", "TABLE".
    std::string tagName() const;
    // The enclosing element; an empty handle above HTML.
    Element parentElement() const;
    // The element's markup in the classic form (see the control's DocumentHTML).
    std::string outerHTML() const;
    // Replaces the element by the markup; the handle then refers to the
    // removed element.
    void setOuterHTML(std::string_view html);
    std::string innerHTML() const;

    // The attribute's value as written, "" when the element has none. The
    // name is matched without regard to case.
    std::string getAttribute(std::string_view name) const;
    // An empty value is kept as an empty attribute.
    void setAttribute(std::string_view name, std::string_view value);
    void setAttribute(std::string_view name, long value);

    // The IMG width property.
    long width() const;
    void setWidth(long w);

    Style style() const;

    bool operator==(const Element& o) const { return core_ == o.core_ && generation_ == o.generation_ && id_ == o.id_; }

private:
    friend class Style;
    const ControlCore& core() const;
    ControlCore& core();

    std::shared_ptr<ControlCore> core_;
    unsigned generation_ = 0;
    int id_ = 0;
};

}  // namespace htmledit
