#include "htmledit/Value.h"

#include <charconv>

namespace htmledit {

bool Value::toBool() const {
    switch (kind_) {
    case Kind::Bool:
    case Kind::Int: return int_ != 0;
    case Kind::Text: return !text_.empty() && text_ != "0" && text_ != "false";
    case Kind::List: return !list_.empty();
    default: return false;
    }
}

long Value::toInt() const {
    switch (kind_) {
    case Kind::Bool:
    case Kind::Int: return int_;
    case Kind::Text: {
        long v = 0;
        auto [p, ec] = std::from_chars(text_.data(), text_.data() + text_.size(), v);
        return ec == std::errc() && p == text_.data() + text_.size() ? v : 0;
    }
    default: return 0;
    }
}

std::string Value::toText() const {
    switch (kind_) {
    case Kind::Bool: return int_ ? "true" : "false";
    case Kind::Int: return std::to_string(int_);
    case Kind::Text: return text_;
    default: return {};
    }
}

bool Value::operator==(const Value& o) const {
    if (kind_ != o.kind_) {
        // A truth value and an integer compare by their number, as the
        // command values of the document do.
        bool numeric = (kind_ == Kind::Bool || kind_ == Kind::Int) && (o.kind_ == Kind::Bool || o.kind_ == Kind::Int);
        return numeric && int_ == o.int_;
    }
    switch (kind_) {
    case Kind::Empty: return true;
    case Kind::Text: return text_ == o.text_;
    case Kind::List: return list_ == o.list_;
    default: return int_ == o.int_;
    }
}

}  // namespace htmledit
