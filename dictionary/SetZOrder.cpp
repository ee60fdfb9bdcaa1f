#include "dictionary/SetZOrder.h"

#include "forms/WindowOrder.h"

namespace dictionary {

void SetZOrder(forms::Form& window, int mode) {
    switch (mode) {
    case 1: forms::setWindowOrder(window, forms::WindowOrder::Topmost); break;
    case 2: forms::setWindowOrder(window, forms::WindowOrder::NotTopmost); break;
    case 3: forms::setWindowOrder(window, forms::WindowOrder::Top); break;
    default: break;
    }
}

}  // namespace dictionary
