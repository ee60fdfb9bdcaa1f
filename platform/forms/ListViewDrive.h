#pragma once
// Driving a list view from tests: a double click on one of its items, where
// the item is drawn (Drive's doubleClick aims at the middle of the control,
// which in a list of few items is empty space and clears the selection).
namespace forms {
class ListView;

namespace drive {

// Press, release, double click and release over the item; nothing for an
// index outside the list.
void doubleClickItem(ListView& list, int index);
// Where the middle of the item is drawn on the screen, for a click through
// the window system; false for an index outside the list.
bool itemOnScreen(ListView& list, int index, int& x, int& y);

}  // namespace drive
}  // namespace forms
