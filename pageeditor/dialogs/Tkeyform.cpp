#include "pageeditor/dialogs/Tkeyform.h"

#include "forms/Label.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "text/CodePage.h"

namespace pageeditor {

Tkeyform::Tkeyform() : EditorDialog("Tkeyform", text::ansi("Słowa kluczowe i opis dokumentu:"), 400, 300) {}

void Tkeyform::createControls() {
    using namespace forms;
    using text::ansi;
    Label1 = add<Label>("Label1");
    Label1->move(12, 10, 376, 18);
    Label1->setShowAccelChar(true);
    Label1->setCaption(ansi("&Słowa kluczowe:"));
    Memo1 = add<TextBox>("Memo1", nullptr, TextBox::Kind::MultiLine);
    Memo1->move(12, 30, 376, 70);
    Label2 = add<Label>("Label2");
    Label2->move(12, 108, 376, 18);
    Label2->setShowAccelChar(true);
    Label2->setCaption(ansi("&Opis dokumentu:"));
    Memo2 = add<TextBox>("Memo2", nullptr, TextBox::Kind::MultiLine);
    Memo2->move(12, 128, 376, 70);
    Label3 = add<Label>("Label3");
    Label3->move(12, 206, 376, 18);
    Label3->setCaption(ansi("Te dane mogą być przydatne przy dodawaniu strony do"));
    Label4 = add<Label>("Label4");
    Label4->move(12, 224, 376, 18);
    Label4->setCaption(ansi("wyszukiwarek i katalogów."));
    SpeedButton1 = add<SpeedButton>("SpeedButton1");
    SpeedButton1->move(216, 258, 84, 30);
    SpeedButton1->setCaption("&OK");
    SpeedButton1->setFlat(false);
    SpeedButton1->onClick = guarded([this] { setModalResult(1); });
    SpeedButton2 = add<SpeedButton>("SpeedButton2");
    SpeedButton2->move(304, 258, 84, 30);
    SpeedButton2->setCaption("&Anuluj");
    SpeedButton2->setFlat(false);
    SpeedButton2->onClick = guarded([this] { setModalResult(2); });
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
}

}  // namespace pageeditor
