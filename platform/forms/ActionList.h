#pragma once
// The command objects of a form. While the form is loaded the list runs every
// command's update handler when the program is idle (a few times a second),
// and updateAll() runs them at once.
#include <memory>
#include <string>
#include <vector>

#include "forms/Component.h"

namespace forms {

class Action;

class ActionList : public Component {
public:
    ActionList(Form& form, std::string name);
    ~ActionList() override;

    const std::vector<Action*>& actions() const { return actions_; }
    void updateAll();

private:
    friend class Action;
    void add(Action* a) { actions_.push_back(a); }
    void remove(Action* a);
    std::vector<Action*> actions_;
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
