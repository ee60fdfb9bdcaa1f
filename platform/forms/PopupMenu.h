#pragma once
// A context menu; its items are MenuItems made with it as parent. Attached to
// a control, it opens on a right click (or the menu key) over the control.
#include <functional>
#include <memory>
#include <string>

#include "forms/Component.h"

namespace forms {

class Control;

class PopupMenu : public Component {
public:
    PopupMenu(Form& form, std::string name);
    ~PopupMenu() override;

    void attachTo(Control& control);
    // Opens the menu at the mouse pointer.
    void popup();
    std::function<void()> onPopup;

    struct Impl;
    Impl& impl() const { return *d_; }

private:
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
