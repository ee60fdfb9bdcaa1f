#pragma once
// Where a control's logic sends its events: the component object that
// publishes the control raises them to the host's sinks.
#include <cstdint>
#include <vector>

#include "com/Dispatch.h"
#include "com/Variant.h"

namespace com {

class ControlEvents {
public:
    virtual ~ControlEvents() = default;

    // Calls the host's sinks; arguments as for IDispatch::Invoke. False when
    // the control has been closed, also by the host from inside this very
    // event: the control may then be gone, and the handler that raised the
    // event returns at once without touching it.
    virtual bool fire(DispId id, std::vector<Variant>& args) = 0;

    bool raise(DispId id) {
        std::vector<Variant> none;
        return fire(id, none);
    }
    // A mouse event: Button and Shift (16-bit), X and Y (Single), passed on
    // by reference as the control received them.
    bool raiseMouse(DispId id, std::int16_t button, std::int16_t shift, float x, float y) {
        Variant b = Variant::i2(button), s = Variant::i2(shift), vx = Variant::r4(x), vy = Variant::r4(y);
        std::vector<Variant> args = {Variant::byRef(&b), Variant::byRef(&s), Variant::byRef(&vx), Variant::byRef(&vy)};
        return fire(id, args);
    }
};

}  // namespace com
