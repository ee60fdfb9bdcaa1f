#pragma once
// Hosting a control: the host gives each control a site (IControlSite) and
// places the control's window on a form.
#include "com/IControlSite.h"
#include "com/Unknown.h"

namespace com {

class IControl : public IUnknown {
public:
    virtual HRESULT SetClientSite(IControlSite* site) = 0;
    // The control's window (a widget), placed into `parentWidget` (a widget
    // of the host). The window belongs to the control and goes with it.
    virtual void* Window(void* parentWidget) = 0;
    // Lets go of the site and the event sinks and destroys the window; the
    // host then releases its references.
    virtual HRESULT Close() = 0;

protected:
    ~IControl() = default;
};

extern const Guid IID_IControl;

}  // namespace com
