#pragma once
// The dictionary's z-order routine for its small windows: mode 1 keeps the
// window above every window that is not itself kept on top, mode 2 takes
// that away, mode 3 brings it to the top of its group; any other mode does
// nothing.
namespace forms {
class Form;
}

namespace dictionary {

void SetZOrder(forms::Form& window, int mode);

}  // namespace dictionary
