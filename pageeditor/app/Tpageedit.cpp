#include "pageeditor/app/Tpageedit.h"

#include "forms/Label.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "text/CodePage.h"

namespace pageeditor {

Tpageedit::Tpageedit() : EditorDialog("Tpageedit", text::ansi("Ustawienia projektu strony:"), 380, 330, EditorDialog::EnterAndEsc) {}

void Tpageedit::createControls() {
    using namespace forms;
    using text::ansi;
    int y = 10;
    auto row = [this, &y](Label*& label, const char* labelName, const char* caption, TextBox*& edit,
                          const char* editName) {
        label = add<Label>(labelName);
        label->move(12, y + 4, 170, 18);
        label->setShowAccelChar(true);
        label->setCaption(ansi(caption));
        edit = add<TextBox>(editName);
        edit->move(186, y, 182, 24);
        y += 32;
    };
    row(Label1, "Label1", "&Nazwa stronki:", Edit971, "Edit971");
    row(Label2, "Label2", "&Autor:", Edit972, "Edit972");
    row(Label3, "Label3", "&E-mail:", Edit973, "Edit973");
    row(Label4, "Label4", "&Serwer FTP:", Edit974, "Edit974");
    row(Label5, "Label5", "&Użytkownik:", Edit975, "Edit975");
    row(Label6, "Label6", "&Hasło:", Edit976, "Edit976");
    Edit976->setPasswordChar('*');
    Label8 = add<Label>("Label8");
    Label8->move(12, y - 6, 356, 18);
    Label8->setForeColor(0x000000C0);
    Label8->setCaption(ansi("Pamiętaj przechowywanie haseł nie jest bezpieczne!"));
    y += 18;
    row(Label7, "Label7", "&Katalog dokumentów WWW:", Edit977, "Edit977");

    SpeedButton1 = add<SpeedButton>("SpeedButton1");
    SpeedButton1->move(196, 290, 84, 30);
    SpeedButton1->setCaption("&OK");
    SpeedButton1->setFlat(false);
    SpeedButton1->onClick = guarded([this] { SpeedButton1Click(); });
    SpeedButton2 = add<SpeedButton>("SpeedButton2");
    SpeedButton2->move(284, 290, 84, 30);
    SpeedButton2->setCaption("&Anuluj");
    SpeedButton2->setFlat(false);
    SpeedButton2->onClick = guarded([this] { setModalResult(2); });
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
    Edit971->setReadOnly(!nameEditable_);
}

void Tpageedit::onKeyDown(int& keyCode, int shift) {
    // Enter is the OK button, with its checks.
    if (keyCode == forms::key::Return) {
        keyCode = 0;
        runHandler([this] { SpeedButton1Click(); });
        return;
    }
    EditorDialog::onKeyDown(keyCode, shift);
}

ProjectSettings Tpageedit::fields() const {
    ProjectSettings f;
    f.author = Edit972->text();
    f.name = Edit971->text();
    f.email = Edit973->text();
    f.host = Edit974->text();
    f.user = Edit975->text();
    f.pass = Edit976->text();
    f.dir = Edit977->text();
    return f;
}

void Tpageedit::setFields(const ProjectSettings& f) {
    Edit972->setText(f.author);
    Edit971->setText(f.name);
    Edit973->setText(f.email);
    Edit974->setText(f.host);
    Edit975->setText(f.user);
    Edit976->setText(f.pass);
    Edit977->setText(f.dir);
}

void Tpageedit::setNameEditable(bool on) {
    nameEditable_ = on;
    if (Edit971) Edit971->setReadOnly(!on);
}

void Tpageedit::prepareForNewSite() {
    setNameEditable(true);
    if (Edit976) Edit976->setText("");
}

void Tpageedit::SpeedButton1Click() {
    TMainForm* main = MainForm();
    if (!main || main->sites.acceptSiteDialog(fields(), nameEditable_)) setModalResult(1);
}

}  // namespace pageeditor
