#pragma once
// A button of a ToolBar, or a separator between buttons. Bound to a command
// object it shows and runs that command.
#include <functional>
#include <memory>
#include <string>

#include "forms/Component.h"

namespace forms {

class Action;
class ToolBar;

class ToolButton : public Component {
public:
    enum class Style { Button, Separator };
    ToolButton(Form& form, std::string name, ToolBar& bar, Style style = Style::Button);
    ~ToolButton() override;

    void setCaption(const std::string& caption);
    std::string caption() const;
    void setHint(const std::string& hint);  // "short|long"
    std::string hint() const;
    void setImageIndex(int index);  // into the toolbar's images
    void setEnabled(bool on);
    bool enabled() const;
    void setVisible(bool on);
    bool visible() const;
    void setAction(Action& action);
    Style style() const { return style_; }

    // Clicks the button as the user would (only when it is enabled).
    void click();
    std::function<void()> onClick;

    struct Impl;
    Impl& impl() const { return *d_; }

private:
    Style style_;
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
