#pragma once
// The editing control as a control of a form: the control's view placed in a
// container of the form (docked like any other control) and destroyed with
// the form's controls. Also the pointer position that an editor guards while
// typing, and the names of the screen fonts for a font list.
#include <memory>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "htmledit/EditControl.h"

namespace htmledit {

class EditHost : public forms::Control {
public:
    EditHost(forms::Form& form, std::string name, forms::Control* container = nullptr);
    ~EditHost() override;

    EditControl& control() { return *control_; }
    // Where the editing area lies on the screen, in pixels.
    void screenRect(int& x, int& y, int& width, int& height) const;

private:
    std::unique_ptr<EditControl> control_;
};

// The mouse pointer in screen pixels, and moving it.
void pointerPosition(int& x, int& y);
void setPointerPosition(int x, int y);

// The font families of the screen (Windows-1250 names; names without a form
// there are left out).
std::vector<std::string> screenFonts();

}  // namespace htmledit
