#pragma once
// The menu bar of a form; its items are MenuItems made with it as parent.
#include <memory>
#include <string>

#include "forms/Component.h"

namespace forms {

class MainMenu : public Component {
public:
    MainMenu(Form& form, std::string name);
    ~MainMenu() override;

    struct Impl;
    Impl& impl() const { return *d_; }

private:
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
