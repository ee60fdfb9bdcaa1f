#include "pageeditor/dialogs/Tinsert_snd.h"

#include "forms/CheckBox.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/Shape.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "forms/WindowOrder.h"
#include "pageeditor/dialogs/DialogSupport.h"
#include "pageeditor/dialogs/FileChooser.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/MediaMarkup.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "text/CodePage.h"

namespace pageeditor {

Tinsert_snd::Tinsert_snd() : EditorDialog("Tinsert_snd", text::ansi("Wstaw muzykę, dźwiek:"), 400, 170) {}

void Tinsert_snd::createControls() {
    using namespace forms;
    using text::ansi;
    Bevel1 = add<Shape>("Bevel1");
    Bevel1->move(6, 6, 388, 104);
    Bevel1->setFillStyle(Shape::Fill::Transparent);
    Label1 = add<Label>("Label1");
    Label1->move(16, 18, 60, 18);
    Label1->setShowAccelChar(true);
    Label1->setCaption("&Plik:");
    SpeedButton1 = addButton("SpeedButton1", "...", 352, 14, 30, 24, [this] { SpeedButton1Click(); });
    Label2 = add<Label>("Label2");
    Label2->move(16, 54, 80, 18);
    Label2->setCaption("Powtarzaj:");
    SpeedButton2 = addButton("SpeedButton2", "&OK", 200, 120, 92, 40, [this] { SpeedButton2Click(); });
    SpeedButton3 = addButton("SpeedButton3", "&Anuluj", 300, 120, 92, 40, [this] { SpeedButton3Click(); });
    Image2 = add<Image>("Image2");
    Image2->move(16, 84, 16, 16);
    Image2->setToolTip(ansi("działa tylko w IE"));
    SpinEdit1 = add<SpinEdit>("SpinEdit1", nullptr, 0, 10000, 0);
    SpinEdit1->move(100, 50, 70, 24);
    CheckBox1 = add<CheckBox>("CheckBox1");
    CheckBox1->move(184, 52, 190, 20);
    CheckBox1->setCaption(ansi("w &nieskończoność"));
    CheckBox1->onClick = guarded([this] { CheckBox1Click(); });
    Edit1 = add<TextBox>("Edit1");
    Edit1->move(80, 14, 266, 24);
    OpenDialog1 = add<FileChooser>("OpenDialog1", ansi("Pliki dźwiękowe (*.mid;*.wav;*.au)|*.mid;*.wav;*.au"));
}

void Tinsert_snd::onShow() {
    EditorDialog::onShow();
    forms::setWindowOrder(*this, forms::WindowOrder::Topmost);  // stays in sight above the document windows
    setOkCancelGlyphs(SpeedButton2, SpeedButton3);
}

void Tinsert_snd::onKeyDown(int& keyCode, int /*shift*/) {
    okCancelKeys(keyCode, [this] { SpeedButton2Click(); }, [this] { SpeedButton3Click(); });
}

std::string Tinsert_snd::snd_getsnd() {
    if (showModal() != 1) return {};
    return soundTag(Edit1->text(), CheckBox1->checked(), SpinEdit1->value());
}

void Tinsert_snd::SpeedButton1Click() {
    OpenDialog1->initialDir = currentAppDir() + "data\\library\\";
    OpenDialog1->executeInto(*Edit1);
}

void Tinsert_snd::SpeedButton2Click() {
    bringIntoSite(*Edit1, SitePlace::Pages);
    setModalResult(1);
}

void Tinsert_snd::SpeedButton3Click() { setModalResult(2); }

void Tinsert_snd::CheckBox1Click() { SpinEdit1->setEnabled(!CheckBox1->checked()); }

}  // namespace pageeditor
