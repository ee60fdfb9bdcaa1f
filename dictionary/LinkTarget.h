#pragma once
// The cross-reference target of an entry line, as link following reads it:
// the line ends with href=, W, >, W and eight characters of closing markup;
// only the first "href" counts.
#include <string>

namespace dictionary {

class LinkTarget {
public:
    // False when the line holds no "href" or is too short for the shape;
    // then nothing is to be selected.
    static bool of(const std::string& line, std::string& target);
};

}  // namespace dictionary
