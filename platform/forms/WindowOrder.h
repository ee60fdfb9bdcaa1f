#pragma once
// A window's place in the z-order of the desktop: kept above every window
// that is not itself kept on top (topmost), released from that, or brought
// to the top of its group.
namespace forms {

class Form;

enum class WindowOrder { Topmost = 1, NotTopmost = 2, Top = 3 };

// Applies `order` to the form's window; nothing happens while the form is
// not loaded.
void setWindowOrder(Form& form, WindowOrder order);
// Whether the form's window is kept on top.
bool isTopmost(const Form& form);

}  // namespace forms
