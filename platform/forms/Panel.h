#pragma once
// A container with an optional bevel and a centred caption; its docked
// children are laid out whenever it changes size.
#include <string>

#include "forms/Control.h"

namespace forms {

class Panel : public Control {
public:
    enum class Bevel { None, Raised, Lowered };
    Panel(Form& form, std::string name, Control* container = nullptr);
    void setCaption(const std::string& caption);
    std::string caption() const;
    void setHint(const std::string& hint);
    std::string hint() const { return hint_; }
    void setBevel(Bevel b);

private:
    std::string caption_, hint_;
};

}  // namespace forms
