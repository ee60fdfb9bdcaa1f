#pragma once
// Placing a child window of an MdiArea: its top-left corner inside the area,
// in the child form's scale. A child is placed by the area when it is added,
// from the size it has then; a window sized afterwards is moved with this.
namespace forms {
class Form;

// Nothing happens for a form that is not a child window of an area.
void moveMdiChild(Form& child, int left, int top);

}  // namespace forms
