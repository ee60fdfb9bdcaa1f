#pragma once
// A form control that hosts a component control its caller made itself: a
// library's own private class, which no registry knows and which only the
// library's forms place. Otherwise as OleControl: the control gets a site,
// is sized from the stored "_extentx"/"_extenty" entries, reads its stored
// properties (or starts as a new instance), and the form control follows
// the component's size. The form owns it; the component goes with it.
#include <memory>
#include <string>

#include "com/Dispatch.h"
#include "com/IPropertyBag.h"
#include "com/Ptr.h"
#include "com/WindowFunctions.h"
#include "forms/Control.h"

namespace com {

class ObjectControl : public forms::Control {
public:
    ObjectControl(forms::Form& form, std::string name, forms::Control* container = nullptr);
    ~ObjectControl() override;

    // Window functions for the component (before create); null for the
    // platform's.
    void setWindows(WindowFunctions* windows);
    // Hosts `object` (which must be a control with property persistence)
    // and hands it `stored` (null: a new instance). On failure the control
    // stays empty.
    HRESULT create(IUnknown* object, IPropertyBag* stored);
    bool created() const;
    Ptr<IUnknown> object() const;
    Ptr<IDispatch> dispatch() const;
    // The component's window.
    void* componentWidget() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace com
