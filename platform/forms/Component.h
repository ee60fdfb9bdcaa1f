#pragma once
// Anything a form owns by name: its controls and its timers.
#include <string>

namespace forms {

class Form;

class Component {
public:
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& name() const { return name_; }
    Form& form() const { return *form_; }

protected:
    Component(Form& form, std::string name) : form_(&form), name_(std::move(name)) {}

private:
    Form* form_;
    std::string name_;
};

}  // namespace forms
