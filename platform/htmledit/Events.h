#pragma once
// The events of the editing control. Each is raised on the user-interface
// thread, never while a call into the page is still running.
#include <functional>

namespace htmledit {

struct Events {
    std::function<void()> documentComplete;
    std::function<void()> displayChanged;
    // Screen position of the pointer; the engine's own menu is not shown.
    std::function<void(int x, int y)> showContextMenu;
    std::function<void()> onclick;
    std::function<void()> ondblclick;
    std::function<void(int keyCode)> onkeydown;
    std::function<void(int keyCode)> onkeyup;
    // The pointer came over the editing area, and left it.
    std::function<void()> onmouseover;
    std::function<void()> onmouseout;
};

}  // namespace htmledit
