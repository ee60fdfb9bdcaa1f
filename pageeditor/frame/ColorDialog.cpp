#include "pageeditor/frame/ColorDialog.h"

#include "forms/ModalAnswers.h"

namespace pageeditor {

ColorDialog::ColorDialog(forms::Form& form, std::string name) : forms::Component(form, std::move(name)) {}

bool ColorDialog::execute() {
    std::uint32_t chosen = color;
    if (!forms::modal().colorDialog(color, chosen)) return false;
    color = chosen;
    return true;
}

}  // namespace pageeditor
