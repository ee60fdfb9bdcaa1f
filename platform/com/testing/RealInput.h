#pragma once
// Input and pixels at the window system's edge, for tests that drive a
// control as a user does: mouse events go in through the widget's window (so
// the toolkit picks the receiver, gives click focus and tracks the buttons as
// for a real pointer), and what the widget shows is read back as pixels.
#include <cstdint>
#include <vector>

namespace com::real {

// Mouse buttons as the platform numbers them (1 left, 2 right, 4 middle).
void click(void* widget, int x, int y, int button = 1);
// Two clicks in quick succession, which the toolkit makes a double click.
void doubleClick(void* widget, int x, int y, int button = 1);
void press(void* widget, int x, int y, int button = 1);
void release(void* widget, int x, int y, int button = 1);
void move(void* widget, int x, int y);
// Shows the widget's window and waits until it is the active window; false
// when it did not become active.
bool activate(void* widget);
// The widget that has the keyboard focus now, or null.
void* focusWidget();
// What the widget shows now, as its pixels (0xRRGGBB) row by row.
struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
};
Image grab(void* widget);
// How many pixels of the image's outline are not the platform's focus
// rectangle on the back colour `back` (every other pixel inverted, from the
// top-left corner on), or, with `framed` false, not plain `back`.
int outlineFaults(const Image& image, std::uint32_t back, bool framed);

}  // namespace com::real
