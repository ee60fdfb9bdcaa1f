#pragma once
// Platform-internal: lets the window classes raise a form's own events.
#include "forms/Form.h"

namespace forms {

struct FormEvents {
    static void keyDown(Form& f, int& code, int shift) { f.onKeyDown(code, shift); }
    static void keyUp(Form& f, int& code, int shift) { f.onKeyUp(code, shift); }
    static void keyPress(Form& f, int& ascii) { f.onKeyPress(ascii); }
    static void mouseMove(Form& f, int b, int s, float x, float y) { f.onMouseMove(b, s, x, y); }
    static void mouseDown(Form& f, int b, int s, float x, float y) { f.onMouseDown(b, s, x, y); }
    static void mouseUp(Form& f, int b, int s, float x, float y) { f.onMouseUp(b, s, x, y); }
    static void click(Form& f) { f.onClick(); }
    static void dblClick(Form& f) { f.onDblClick(); }
    static void activate(Form& f) { f.onActivate(); }
    static void deactivate(Form& f) { f.onDeactivate(); }
    static void resize(Form& f) { f.onResize(); }
    static void shown(Form& f) { f.onShow(); }
    // The user closed the window: unload unless the form's code cancels.
    static bool userClose(Form& f);
};

}  // namespace forms
