#pragma once
// A command object: one command with its caption, hint, shortcut, picture and
// enabled state, shared by the menu items and toolbar buttons bound to it.
// Its update handler runs while the program is idle (see ActionList), so
// the command follows the program's state.
#include <functional>
#include <memory>
#include <string>

#include "forms/Component.h"

namespace forms {

class ActionList;
class ImageList;

class Action : public Component {
public:
    Action(Form& form, std::string name, ActionList* list = nullptr);
    ~Action() override;

    void setCaption(const std::string& caption);  // "&" marks the access key
    std::string caption() const;
    // "short|long": tool tip and status-bar text.
    void setHint(const std::string& hint);
    std::string hint() const;
    // Key code and shift state (forms::key, forms::shift); further calls add
    // more shortcuts.
    void addShortcut(int keyCode, int shift);
    void setEnabled(bool on);
    bool enabled() const;
    void setVisible(bool on);
    bool visible() const;
    void setImage(const ImageList& list, int index);

    // Runs onExecute when the command is enabled.
    void execute();
    // Runs onUpdate.
    void update();

    std::function<void()> onExecute;
    std::function<void()> onUpdate;

    struct Impl;
    Impl& impl() const { return *d_; }

private:
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
