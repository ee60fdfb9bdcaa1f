// The style rule of positioned elements: the written style text and the
// geometry read back from an element's style values and size attributes.
#include <gtest/gtest.h>

#include "pageeditor/frame/PositionStyle.h"

namespace pageeditor {
namespace {

TEST(PositionStyle, StyleTextForBoxAndGeometry) {
    struct Case {
        bool relative;
        std::string geometry, expected;
    };
    const Case cases[] = {
        {true, "", ""},
        {false, "", "style=\"position: absolute;\""},
        {true, "left: 10px; width: 200px; ", "style=\"left: 10px; width: 200px; \""},
        {false, "left: 10px; top: 20px; ", "style=\"position: absolute; left: 10px; top: 20px; \""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(positionStyleText(c.relative, c.geometry), c.expected) << c.relative << " [" << c.geometry << "]";
}

TEST(PositionStyle, BoxTickedForAnythingButAbsolute) {
    struct Case {
        std::string position;
        bool ticked;
    };
    const Case cases[] = {
        {"", true},          {"static", true},      {"relative", true},  {"absolute", false},
        {"ABSOLUTE", false}, {" absolute ", false}, {"absolutely", true},
    };
    for (const Case& c : cases) EXPECT_EQ(positionBoxTicked(c.position), c.ticked) << "[" << c.position << "]";
}

TEST(PositionStyle, GeometryInFixedOrderOfNonEmptyValues) {
    struct Case {
        std::string left, top, width, height, expected;
    };
    const Case cases[] = {
        {"", "", "", "", ""},
        {"10px", "", "200px", "", "left: 10px; width: 200px; "},
        {"10px", "20px", "", "", "left: 10px; top: 20px; "},
        {"1px", "2px", "3px", "4px", "left: 1px; top: 2px; width: 3px; height: 4px; "},
        {"", "", "", "50%", "height: 50%; "},
    };
    for (const Case& c : cases) EXPECT_EQ(geometryText(c.left, c.top, c.width, c.height), c.expected);
}

// A media element's width and height attributes as the engine draws them,
// for the geometry of one whose style gives no size.
TEST(PositionStyle, SizeAttributesAsStyleLengths) {
    struct Case {
        std::string attribute, length;
    };
    const Case cases[] = {
        {"300", "300px"}, {"300px", "300px"}, {" 40 ", "40px"}, {"50%", "50%"}, {"12.5%", "12.5%"},
        {"7.", "7px"},    {"", ""},           {"auto", ""},     {"-5", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(attributeLength(c.attribute), c.length) << "[" << c.attribute << "]";
}

}  // namespace
}  // namespace pageeditor
