#include "pageeditor/dialogs/Tdlgfrm.h"

#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/TextBox.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/InputBoxResult.h"

namespace pageeditor {

Tdlgfrm::Tdlgfrm() : EditorDialog("Tdlgfrm", "", 360, 120) {}

void Tdlgfrm::createControls() {
    using namespace forms;
    Label1 = add<Label>("Label1");
    Label1->move(12, 12, 336, 20);
    Edit1 = add<TextBox>("Edit1");
    Edit1->move(12, 36, 336, 24);
    Button1 = add<CommandButton>("Button1");
    Button1->move(184, 78, 80, 28);
    Button1->setCaption("&OK");
    Button1->onClick = guarded([this] { setModalResult(1); });
    Button2 = add<CommandButton>("Button2");
    Button2->move(268, 78, 80, 28);
    Button2->setCaption("&Anuluj");
    Button2->onClick = guarded([this] { setModalResult(2); });
}

void Tdlgfrm::input_box(const std::string& caption, const std::string& prompt, std::string& result,
                        const std::string& cancelCaption, const std::string& okCaption, const std::string& defaultText) {
    load();
    setCaption(caption);
    Label1->setCaption(prompt);
    Edit1->setText(defaultText);
    Button1->setCaption(okCaption);
    Button2->setCaption(cancelCaption);
    Edit1->setFocus();
    int r = showModal();
    applyInputBoxResult(r, Edit1->text(), result);
}

}  // namespace pageeditor
