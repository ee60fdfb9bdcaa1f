#pragma once
// A form control that hosts a component control: one created by its class
// name through the registry, or one its caller made itself (a library's own
// private class, which no registry knows and which only the library's forms
// place). The control gets a site, is sized from the stored "_extentx" and
// "_extenty" entries, reads its stored properties (or starts as a new
// instance), and the form control follows the component's own size. The
// form owns the host; the component goes with it.
#include <memory>
#include <string>
#include <string_view>

#include "com/Dispatch.h"
#include "com/IPropertyBag.h"
#include "com/PropertyBag.h"
#include "com/Ptr.h"
#include "com/WindowFunctions.h"
#include "forms/Control.h"

namespace com {

class OleControl : public forms::Control {
public:
    OleControl(forms::Form& form, std::string name, forms::Control* container = nullptr);
    ~OleControl() override;

    // Window functions for the component (before create); null for the
    // platform's.
    void setWindows(WindowFunctions* windows);

    // Creates the component `progId` and hands it `stored` (null: a new
    // instance). On failure the control stays empty and the result says why
    // (see com::describe).
    HRESULT create(std::string_view progId, IPropertyBag* stored);
    // Hosts `object` (which must be a control with property persistence).
    HRESULT create(IUnknown* object, IPropertyBag* stored);
    bool created() const;

    // Writes "_extentx" and "_extenty" (HIMETRIC), then the component's own
    // entries, all keys in lower case.
    HRESULT save(PropertyBag& bag);

    // The component's automation interface, object and window.
    Ptr<IDispatch> dispatch() const;
    Ptr<IUnknown> object() const;
    void* componentWidget() const;
    // True when the component reported a property change since creation.
    bool dirty() const;

    // Closes and releases the component now; the libraries nothing uses
    // any more are unloaded from the event loop.
    void close();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// HIMETRIC (1/100 mm) from twips and back, to the nearest unit.
int twipsToHimetric(int twips);
int himetricToTwips(int himetric);

}  // namespace com
