#pragma once
// The host's side of hosting a control: through its site the control reads
// its container's ambient font, tells of property changes, reaches the window
// functions and the shell.
#include <string>

#include "com/Font.h"
#include "com/WindowFunctions.h"

namespace com {

// Implemented by the host, one per control; it must outlive the control's
// use of it (until IControl::Close or SetClientSite(nullptr)).
class IControlSite {
public:
    // The container's font; null when it has none.
    virtual Ptr<IFont> ambientFont() = 0;
    // A persisted property changed (the form needs saving).
    virtual void propertyChanged(const std::string& name) = 0;
    // The window functions the control is to use; null for the platform's.
    virtual WindowFunctions* windows() = 0;
    // Opens a target with the shell on the host's behalf (so the host's
    // answers are used); the platform's result, above 32 on success.
    virtual int shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory, int show) = 0;
    // The control changed its own size (pixels).
    virtual void sizeChanged(int width, int height) = 0;

protected:
    ~IControlSite() = default;
};

}  // namespace com
