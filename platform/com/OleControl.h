#pragma once
// A form control that hosts a component control created by its class name
// (through the registry) and loaded from its stored property entries. The
// form owns it like any other control; the component goes with it.
#include <memory>
#include <string>
#include <string_view>

#include "com/ControlContainer.h"
#include "com/PropertyBag.h"
#include "forms/Control.h"

namespace com {

class OleControl : public forms::Control {
public:
    OleControl(forms::Form& form, std::string name, forms::Control* container = nullptr);
    ~OleControl() override;

    // Creates the component `progId` inside this control and hands it
    // `stored` (null: a new instance). The control follows the component's
    // own size. On failure the control stays empty and the result says why
    // (see com::describe).
    HRESULT create(std::string_view progId, IPropertyBag* stored);
    bool created() const;
    ControlContainer& host() { return host_; }

private:
    struct Follow;
    ControlContainer host_;
    std::unique_ptr<Follow> follow_;
};

}  // namespace com
