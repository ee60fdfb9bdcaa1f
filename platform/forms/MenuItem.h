#pragma once
// One item of a menu bar, a pop-up menu or a submenu. The caption "-" makes a
// separator. An item bound to a command object shows the command's caption,
// shortcut and state and runs the command when chosen.
#include <functional>
#include <memory>
#include <string>

#include "forms/Component.h"

namespace forms {

class Action;
class ImageList;
class MainMenu;
class PopupMenu;

class MenuItem : public Component {
public:
    MenuItem(Form& form, std::string name, MainMenu& parent);
    MenuItem(Form& form, std::string name, PopupMenu& parent);
    MenuItem(Form& form, std::string name, MenuItem& parent);
    ~MenuItem() override;

    void setCaption(const std::string& caption);  // "&" marks the access key
    std::string caption() const;
    void addShortcut(int keyCode, int shift);
    // The shortcut as it is shown in the menu ("Ctrl+Shift+N"), empty without one.
    std::string shortcutText() const;
    void setEnabled(bool on);
    bool enabled() const;
    void setVisible(bool on);
    bool visible() const;
    void setChecked(bool on);
    // The default item of a pop-up menu, shown in bold; one per menu.
    void setDefault(bool on);
    bool isDefault() const;
    void setImage(const ImageList& list, int index);
    void setAction(Action& action);
    Action* action() const;

    // Runs the item as if the user chose it (only when it is enabled).
    void click();
    std::function<void()> onClick;

    struct Impl;
    Impl& impl() const { return *d_; }

private:
    void init();
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
