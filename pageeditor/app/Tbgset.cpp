#include "pageeditor/app/Tbgset.h"

#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "pageeditor/dialogs/ColourChooser.h"
#include "pageeditor/dialogs/FileChooser.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "text/CodePage.h"

namespace pageeditor {

Tbgset::Tbgset() : EditorDialog("Tbgset", text::ansi("Ustawienia tła:"), 360, 150, EditorDialog::EnterAndEsc) {}

void Tbgset::createControls() {
    using namespace forms;
    using text::ansi;
    Label1 = add<Label>("Label1");
    Label1->move(12, 16, 100, 18);
    Label1->setCaption(ansi("Kolor tła:"));
    Panel1 = add<Panel>("Panel1");
    Panel1->move(116, 12, 60, 24);
    Panel1->setBevel(Panel::Bevel::Lowered);
    Panel1->setBackColor(0xFFFFFF);
    Panel1->onClick = guarded([this] {
        ColorDialog1->color = Panel1->backColor();
        if (ColorDialog1->execute()) Panel1->setBackColor(ColorDialog1->color);
    });
    Label2 = add<Label>("Label2");
    Label2->move(12, 52, 100, 18);
    Label2->setCaption("Obrazek:");
    Edit1 = add<TextBox>("Edit1");
    Edit1->move(116, 48, 196, 24);
    SpeedButton3 = add<SpeedButton>("SpeedButton3");
    SpeedButton3->move(318, 48, 30, 24);
    SpeedButton3->setCaption("...");
    SpeedButton3->onClick = guarded([this] {
        OpenPictureDialog1->executeInto(*Edit1);
    });
    SpeedButton1 = addButton("SpeedButton1", "&OK", 156, 100, 92, 40, [this] { setModalResult(1); });
    SpeedButton2 = addButton("SpeedButton2", "&Anuluj", 256, 100, 92, 40, [this] { setModalResult(2); });
    OpenPictureDialog1 = add<FileChooser>("OpenPictureDialog1", "Obrazy (*.jpg;*.jpeg;*.gif;*.bmp)|*.jpg;*.jpeg;*.gif;*.bmp");
    ColorDialog1 = add<ColourChooser>("ColorDialog1");
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
}

}  // namespace pageeditor
