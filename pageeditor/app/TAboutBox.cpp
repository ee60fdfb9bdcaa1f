#include "pageeditor/app/TAboutBox.h"

#include "forms/CommandButton.h"
#include "forms/ImageView.h"
#include "forms/Label.h"
#include "forms/ModalAnswers.h"
#include "forms/Panel.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "text/CodePage.h"

namespace pageeditor {

const char* const TAboutBox::kHomePage = "http://sitecraft.example.org/";
const char* const TAboutBox::kHelpPage = "http://sitecraft.example.org/pomoc/";

TAboutBox::TAboutBox() : EditorDialog("TAboutBox", "O programie:", 340, 262) {}

void TAboutBox::createControls() {
    using namespace forms;
    Panel1 = add<Panel>("Panel1");
    Panel1->move(8, 8, 324, 204);
    Panel1->setBevel(Panel::Bevel::Lowered);

    Image8 = add<ImageView>("Image8", Panel1);
    Image8->move(16, 16, 72, 72);
    Image8->setGlyph(Glyph::Logo, 64);
    Image8->setHandPointer(true);
    Image8->setHint(text::ansi("Strona domowa programu"));
    Image8->onClick = guarded([this] { Image8Click(); });

    Font big;
    big.size = 18;
    big.bold = true;
    ProductName = add<Label>("ProductName", Panel1);
    ProductName->move(104, 22, 210, 34);
    ProductName->setFont(big);
    ProductName->setCaption("Sitecraft");

    Version = add<Label>("Version", Panel1);
    Version->move(104, 58, 210, 20);
    Version->setCaption(text::ansi("Edytor stron WWW, wersja 1.0"));

    Copyright = add<Label>("Copyright", Panel1);
    Copyright->move(16, 100, 210, 92);
    Copyright->setCaption(text::ansi("Twórz, edytuj i publikuj\nwłasne strony internetowe.\n\nKliknij obrazek, aby odwiedzić\nstronę programu."));

    Image10 = add<ImageView>("Image10", Panel1);
    Image10->move(236, 104, 72, 72);
    Image10->setGlyph(Glyph::Publish, 56);
    Image10->setHandPointer(true);
    Image10->setHint(text::ansi("Pomoc w Sieci"));
    Image10->onClick = guarded([this] { Image10Click(); });

    OKButton = add<CommandButton>("OKButton");
    OKButton->move(132, 222, 76, 28);
    OKButton->setCaption("OK");
    OKButton->onClick = guarded([this] { setModalResult(1); });
}

void TAboutBox::Image8Click() { forms::modal().shellExecute("open", kHomePage, "", ""); }
void TAboutBox::Image10Click() { forms::modal().shellExecute("open", kHelpPage, "", ""); }

}  // namespace pageeditor
