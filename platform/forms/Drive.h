#pragma once
// Driving forms from tests without a display: real widget events are sent to
// the controls, so the same paths run as when the user acts.
#include <functional>
#include <string>

namespace forms {
class Control;
class Form;

namespace drive {

// Called when a form starts to be shown modal, before its loop runs; setting
// the form's modal result there returns from showModal() at once.
void setModalHook(std::function<void(Form&)> hook);

// Key down, the typed character (if any) and key up, as the user's keyboard
// gives them to the control (which gets the focus first).
void pressKey(Control& c, int keyCode, int shift = 0);
// Types Windows-1250 text character by character.
void typeText(Control& c, const std::string& text);
// A left click in the middle of the control.
void click(Control& c);
void doubleClick(Control& c);
// Mouse positions in the form's scale, relative to the control or the form's
// client area.
void mouseMove(Control& c, int x, int y);
void mouseDown(Control& c, int x, int y);
void mouseUp(Control& c, int x, int y);
void mouseMoveOnForm(Form& f, int x, int y);
// Closes the window as its close box does.
void closeByUser(Form& f);
void processEvents();
// Saves a picture of the form's window as it is drawn (PNG); false when the
// form is not loaded or the file cannot be written.
bool saveScreenshot(Form& f, const std::string& path);

// Counts the paint events the form's window gets while the object lives.
// Every `everyMs` the window is marked for repainting, as a window moved
// over it would have the window system ask; the paints come only while the
// program's event loop runs.
class PaintCounter {
public:
    PaintCounter(Form& f, int everyMs);
    ~PaintCounter();
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;
    int count() const;

private:
    struct Impl;
    Impl* d;
};

}  // namespace drive
}  // namespace forms
