#pragma once
// The area of a main window that holds its document windows: forms shown as
// child windows inside it, with the window commands (cascade, tile, minimise
// all, arrange) and the list of open windows in a menu.
#include <functional>
#include <memory>
#include <vector>

#include "forms/Control.h"

namespace forms {

class MenuItem;

class MdiArea : public Control {
public:
    MdiArea(Form& form, std::string name, Control* container = nullptr);
    ~MdiArea() override;

    // Loads the form (when needed) and shows it as a child window, which
    // becomes the active one, on top of the others whatever their state
    // (while the active one is maximised, the new one opens maximised). The
    // child leaves the area when it unloads.
    void addChild(Form& child);
    // The open child windows, oldest first.
    std::vector<Form*> children() const;
    // The active child window (the current one, also while another window
    // has the focus), or null.
    Form* activeChild() const;
    // Makes the child the active window, on top of the others; a minimised
    // one is restored.
    void activateChild(Form& child);
    // Sizes a child window so that its client area has the given size (the
    // child form's scale).
    void setChildClientSize(Form& child, int width, int height);

    void cascade();
    // One window above another, each as wide as the area.
    void tileHorizontal();
    // Side by side, each as high as the area.
    void tileVertical();
    void minimizeAll();
    // Lines the minimised windows up along the foot of the area.
    void arrangeIcons();

    // The menu that lists the open windows below its own items.
    void setWindowMenu(MenuItem& menu);

    // Runs when a child window is added, activated or removed.
    std::function<void()> onChildrenChanged;

    struct Impl;
    Impl& areaImpl() const { return *a_; }

private:
    std::unique_ptr<Impl> a_;
};

}  // namespace forms
