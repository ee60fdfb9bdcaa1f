#pragma once
// The 18 topics of the grammar supplement in the order of the viewer's
// sorted topic list, and the page each one shows.
#include <string>
#include <vector>

namespace dictionary {

class GrammarTopics {
public:
    struct Topic {
        std::string title;  // Windows-1250
        std::string page;   // "gramm17.html"
    };
    static const std::vector<Topic>& all();
    // The page of the topic at a list position; "" outside 0 to 17.
    static std::string pageAt(int index);
};

}  // namespace dictionary
