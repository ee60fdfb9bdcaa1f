#pragma once
// The host's side of one control on a form: creates the control by its class
// name through the registry, gives it a site, loads its stored properties
// (or a new instance's), places its window on the form and saves it back.
// The container owns the control and frees it with itself.
#include <memory>
#include <string>
#include <string_view>

#include "com/Dispatch.h"
#include "com/Font.h"
#include "com/PropertyBag.h"
#include "com/Ptr.h"
#include "com/WindowFunctions.h"

namespace com {

class ControlContainer {
public:
    ControlContainer();
    ~ControlContainer();
    ControlContainer(const ControlContainer&) = delete;
    ControlContainer& operator=(const ControlContainer&) = delete;

    // The font the form lends its controls (before create).
    void setAmbientFont(const FontDesc& font);
    // Window functions for the control (tests); null for the platform's.
    void setWindows(WindowFunctions* windows);

    // Creates the control `progId` on `parentWidget` at (x, y) pixels. With
    // `stored`, the control reads its properties from it (the host's own
    // "_extentx"/"_extenty" entries give the first size); without, it starts
    // as a new instance. Failure leaves nothing behind.
    HRESULT create(std::string_view progId, void* parentWidget, int x, int y, IPropertyBag* stored);
    bool created() const;

    // Writes "_extentx" and "_extenty" (HIMETRIC), then the control's own
    // entries, all keys in lower case.
    HRESULT save(PropertyBag& bag);

    // The control's automation interface and window.
    Ptr<IDispatch> dispatch() const;
    Ptr<IUnknown> object() const;
    void* widget() const;
    // True when the control reported a property change since creation.
    bool dirty() const;

    // Closes and releases the control now.
    void close();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// HIMETRIC (1/100 mm) from twips and back, to the nearest unit.
int twipsToHimetric(int twips);
int himetricToTwips(int himetric);

}  // namespace com
