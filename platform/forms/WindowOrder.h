#pragma once
// Keeping a form's window above the program's other windows (a progress
// window that must stay in sight while the user works elsewhere).
namespace forms {

class Form;

// Takes effect at once on a loaded form; a form loaded afresh starts without it.
void setStayOnTop(Form& form, bool on);
bool stayOnTop(const Form& form);

}  // namespace forms
