#include "htmledit/Element.h"

#include "htmledit/ControlCore.h"
#include "htmledit/Error.h"
#include "htmledit/MarkupNotes.h"

namespace htmledit {

const ControlCore& Element::core() const {
    if (!core_ || id_ == 0) throw Error("no element");
    core_->checkGeneration(generation_);
    return *core_;
}

ControlCore& Element::core() {
    return const_cast<ControlCore&>(static_cast<const Element*>(this)->core());
}

namespace {
ControlCore& mut(const ControlCore& c) { return const_cast<ControlCore&>(c); }
}

std::string Element::tagName() const {
    auto& c = mut(core());
    return c.out(c.call("tagName", {id_}).toString());
}

Element Element::parentElement() const {
    auto& c = mut(core());
    int p = c.call("parent", {id_}).toInt();
    return p ? Element(core_, generation_, p) : Element();
}

std::string Element::outerHTML() const {
    auto& c = mut(core());
    return c.classic(c.call("outer", {id_}).toString());
}

void Element::setOuterHTML(std::string_view html) {
    auto& c = core();
    QString markup = QString::fromStdU16String(MarkupNotes::annotate(c.in(html).toStdU16String()));
    c.call("setOuter", {id_, markup});
}

std::string Element::innerHTML() const {
    auto& c = mut(core());
    return c.classic(c.call("inner", {id_}).toString());
}

std::string Element::getAttribute(std::string_view name) const {
    auto& c = mut(core());
    return c.out(c.call("getAttr", {id_, c.in(name)}).toString());
}

void Element::setAttribute(std::string_view name, std::string_view value) {
    auto& c = core();
    c.call("setAttr", {id_, c.in(name), c.in(value)});
}

void Element::setAttribute(std::string_view name, long value) {
    setAttribute(name, std::to_string(value));
}

long Element::width() const {
    auto& c = mut(core());
    return c.call("getWidth", {id_}).toLongLong();
}

void Element::setWidth(long w) {
    auto& c = core();
    c.call("setWidth", {id_, static_cast<qint64>(w)});
}

Style Element::style() const {
    core();
    return Style(*this);
}

Style::Style(const Element& element) : element_(std::make_unique<Element>(element)) {}
Style::~Style() = default;
Style::Style(const Style& o) : element_(std::make_unique<Element>(*o.element_)) {}
Style& Style::operator=(const Style& o) {
    element_ = std::make_unique<Element>(*o.element_);
    return *this;
}

std::string Style::get(std::string_view property) const {
    auto& c = mut(element_->core());
    return c.out(c.call("styleGet", {element_->id_, c.in(property)}).toString());
}

void Style::set(std::string_view property, std::string_view value) {
    auto& c = element_->core();
    c.call("styleSet", {element_->id_, c.in(property), c.in(value)});
}

}  // namespace htmledit
