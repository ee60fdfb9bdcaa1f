#pragma once
// What a control library's own forms need of the window system beyond the
// form runtime: the window handle of a form, the outer rectangle of the
// window that holds a control's window, and a cursor image as a form
// control's pointer.
#include "com/Picture.h"
#include "com/WindowFunctions.h"

namespace forms {
class Control;
class Form;
}  // namespace forms

namespace com {

// The form's top-level window; 0 while it is not loaded.
WindowHandle formWindow(const forms::Form& form);
// The form's client area, where its background takes the mouse (for tests
// that send it input); null while the form is not loaded.
void* formClient(const forms::Form& form);
// The outer rectangle (screen pixels) of the shown top-level window that
// holds `w`; false when there is none (no window, or not shown).
bool ownerRect(WindowHandle w, Rect& r);
// The form's window is not shown in the taskbar (a tool window); for a
// loaded form, after its border is set.
void keepOffTaskbar(const forms::Form& form);
// The control shows `image` as its mouse pointer.
void setControlCursor(forms::Control& control, const CursorImage& image);

}  // namespace com
