#include "pageeditor/app/Tpubf.h"

#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Label.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/publish/PublishSettings.h"
#include "text/CodePage.h"

namespace pageeditor {

Tpubf::Tpubf() : EditorDialog("Tpubf", text::ansi("Publikacja strony w Sieci:"), 420, 318) {}

void Tpubf::createControls() {
    using namespace forms;
    using text::ansi;
    auto label = [this](const char* name, int x, int y, int w, const char* caption, bool accel) {
        Label* l = add<Label>(name);
        l->move(x, y, w, 18);
        l->setShowAccelChar(accel);
        l->setCaption(ansi(caption));
        return l;
    };
    auto edit = [this](const char* name, int y) {
        TextBox* e = add<TextBox>(name);
        e->move(132, y, 276, 24);
        return e;
    };
    Label2 = label("Label2", 12, 16, 116, "&Serwer FTP:", true);
    Edit974 = edit("Edit974", 12);
    Label3 = label("Label3", 12, 46, 116, "&Użytkownik:", true);
    Edit975 = edit("Edit975", 42);
    Label4 = label("Label4", 12, 76, 116, "&Hasło:", true);
    Edit976 = edit("Edit976", 72);
    Edit976->setPasswordChar('*');
    Label6 = label("Label6", 132, 100, 276, "Pamiętaj przechowywanie haseł nie jest bezpieczne!", false);
    Label6->setForeColor(0x000000C0);

    CheckBox1 = add<CheckBox>("CheckBox1");
    CheckBox1->move(12, 130, 396, 22);
    CheckBox1->setCaption(ansi("Automatyczne wykrywanie katalogu, lub:"));
    CheckBox1->setValue(1);
    Label8 = label("Label8", 12, 160, 396, "&Katalog dokumentów WWW:", true);
    ComboBox1 = add<ComboBox>("ComboBox1");
    ComboBox1->move(12, 180, 396, 24);
    for (const std::string& item : PublishSettings::folderItems()) ComboBox1->addItem(item);
    Label5 = label("Label5", 12, 210, 396, "Tutaj zostanie wgrana strona WWW. Ściezka to tego folderu musi być", false);
    Label1 = label("Label1", 12, 228, 396, "bezwzględna czyli np.: /public_html, /www/moja_strona1 itp.", false);

    SpeedButton1 = add<SpeedButton>("SpeedButton1");
    SpeedButton1->move(236, 274, 84, 30);
    SpeedButton1->setCaption("&OK");
    SpeedButton1->setFlat(false);
    SpeedButton1->onClick = guarded([this] { SpeedButton1Click(); });
    SpeedButton2 = add<SpeedButton>("SpeedButton2");
    SpeedButton2->move(324, 274, 84, 30);
    SpeedButton2->setCaption("&Anuluj");
    SpeedButton2->setFlat(false);
    SpeedButton2->onClick = guarded([this] { SpeedButton2Click(); });
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
    // Set after the box's first value, so that it matches the box from the start.
    CheckBox1->onClick = guarded([this] { CheckBox1Click(); });
    CheckBox1Click();
}

bool Tpubf::execute(PublishSettings& settings, const MessageList& messages) {
    load();
    messages_ = &messages;
    Edit974->setText(settings.host);
    Edit975->setText(settings.user);
    Edit976->setText(settings.password);
    CheckBox1->setValue(settings.autoDetect ? 1 : 0);
    ComboBox1->setText(settings.folder);
    CheckBox1Click();
    Edit974->setFocus();
    bool ok = showModal() == 1;
    if (ok) readInto(settings);
    // The box and the folder keep their state for the next showing, whatever
    // the answer (the other fields come from the project file each time).
    settings.autoDetect = CheckBox1->checked();
    settings.folder = ComboBox1->text();
    return ok;
}

void Tpubf::readInto(PublishSettings& s) const {
    s.host = Edit974->text();
    s.user = Edit975->text();
    s.password = Edit976->text();
    s.autoDetect = CheckBox1->checked();
    s.folder = ComboBox1->text();
}

void Tpubf::CheckBox1Click() {
    bool on = !CheckBox1->checked();
    for (forms::Control* c : {static_cast<forms::Control*>(Label8), static_cast<forms::Control*>(Label5),
                              static_cast<forms::Control*>(Label1), static_cast<forms::Control*>(ComboBox1)})
        c->setEnabled(on);
}

void Tpubf::SpeedButton1Click() {
    PublishSettings typed;
    readInto(typed);
    if (messages_ && !typed.accept(*messages_)) return;  // the message was shown; the dialog stays open
    setModalResult(1);
}

void Tpubf::SpeedButton2Click() { setModalResult(2); }

void Tpubf::onKeyDown(int& keyCode, int /*shift*/) {
    okCancelKeys(keyCode, [this] { SpeedButton1Click(); }, [this] { setModalResult(2); });
}

}  // namespace pageeditor
