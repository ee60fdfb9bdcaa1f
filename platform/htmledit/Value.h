#pragma once
// A command value as the control and the document pass it: empty, a truth
// value, an integer, a text (Windows-1250 bytes, or the page's own 8-bit
// charset) or a list of texts.
#include <string>
#include <vector>

namespace htmledit {

class Value {
public:
    enum class Kind { Empty, Bool, Int, Text, List };

    Value() = default;
    Value(bool b) : kind_(Kind::Bool), int_(b ? 1 : 0) {}
    Value(int i) : kind_(Kind::Int), int_(i) {}
    Value(long i) : kind_(Kind::Int), int_(i) {}
    Value(std::string s) : kind_(Kind::Text), text_(std::move(s)) {}
    Value(const char* s) : kind_(Kind::Text), text_(s) {}
    Value(std::vector<std::string> l) : kind_(Kind::List), list_(std::move(l)) {}

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }

    // Empty reads as false, 0 and "". A text reads as a number when it is one
    // (else 0) and as true when it is not empty; toInt of a text that is not a
    // whole number gives 0.
    bool toBool() const;
    long toInt() const;
    std::string toText() const;
    const std::vector<std::string>& list() const { return list_; }

    bool operator==(const Value& o) const;

private:
    Kind kind_ = Kind::Empty;
    long int_ = 0;
    std::string text_;
    std::vector<std::string> list_;
};

}  // namespace htmledit
