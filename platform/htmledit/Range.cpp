#include "htmledit/Range.h"

#include "htmledit/ControlCore.h"
#include "htmledit/Error.h"
#include "htmledit/MarkupNotes.h"
#include "htmledit/ValueBridge.h"

namespace htmledit {

Range::Range(std::shared_ptr<ControlCore> core, unsigned generation, int id, bool control)
    : core_(std::move(core)), generation_(generation), id_(id), control_(control) {
    std::weak_ptr<ControlCore> weak = core_;
    lease_ = std::shared_ptr<void>(nullptr, [weak, generation, id](void*) {
        if (auto c = weak.lock()) c->releaseRange(generation, id);
    });
}

ControlCore& Range::core() const {
    if (!core_) throw Error("no range");
    core_->checkGeneration(generation_);
    return *core_;
}

std::string Range::htmlText() const {
    auto& c = core();
    return c.classic(c.call("rangeHtml", {id_}).toString());
}

void Range::pasteHTML(std::string_view html) {
    auto& c = core();
    QString markup = QString::fromStdU16String(MarkupNotes::annotate(c.in(html).toStdU16String()));
    c.call("rangePaste", {id_, markup});
}

Element Range::parentElement() const {
    auto& c = core();
    int id = c.call("rangeParent", {id_}).toInt();
    return id ? Element(core_, generation_, id) : Element();
}

Element Range::commonParentElement() const {
    auto& c = core();
    int id = c.call("rangeCommon", {id_}).toInt();
    return id ? Element(core_, generation_, id) : Element();
}

Value Range::queryCommandValue(std::string_view name) const {
    auto& c = core();
    return fromVariant(c, c.call("rangeQuery", {id_, c.in(name)}));
}

void Range::select() {
    auto& c = core();
    c.call("rangeSelect", {id_});
}

}  // namespace htmledit
