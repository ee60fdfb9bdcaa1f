#include "pageeditor/dialogs/Tlinkinsert.h"

#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Label.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "pageeditor/dialogs/DialogSupport.h"
#include "pageeditor/dialogs/FileChooser.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/LinkMarkup.h"
#include "pageeditor/dialogs/IDialogHost.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "pageeditor/core/TextRoutines.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace pageeditor {

std::string Tlinkinsert::LastLink;

Tlinkinsert::Tlinkinsert() : EditorDialog("Tlinkinsert", text::ansi("Wstaw odnośnik:"), 420, 250) {
    LinkTargets = {"", "_blank"};
}

void Tlinkinsert::createControls() {
    using namespace forms;
    using text::ansi;
    Label1 = add<Label>("Label1");
    Label1->move(12, 14, 80, 18);
    Label1->setShowAccelChar(true);
    Label1->setCaption(ansi("&Adres:"));
    edit971 = add<ComboBox>("edit971", nullptr, ComboBox::Style::DropDown);
    edit971->move(96, 10, 276, 24);
    edit971->onChange = guarded([this] { Edit971Change(); });
    SpeedButton3 = add<SpeedButton>("SpeedButton3");
    SpeedButton3->move(378, 10, 30, 24);
    SpeedButton3->setCaption("...");
    SpeedButton3->setHint(ansi("Wybierz plik"));
    SpeedButton3->onClick = guarded([this] { SpeedButton3Click(); });
    Label2 = add<Label>("Label2");
    Label2->move(12, 48, 80, 18);
    Label2->setShowAccelChar(true);
    Label2->setCaption(ansi("&Opis:"));
    Edit972 = add<TextBox>("Edit972");
    Edit972->move(96, 44, 312, 24);
    Label3 = add<Label>("Label3");
    Label3->move(12, 82, 80, 18);
    Label3->setShowAccelChar(true);
    Label3->setCaption(ansi("&Otwórz w:"));
    ComboBox1 = add<ComboBox>("ComboBox1", nullptr, ComboBox::Style::DropDownList);
    ComboBox1->move(96, 78, 312, 24);
    ComboBox1->addItem(ansi("W tym samym oknie"));
    ComboBox1->addItem(ansi("W nowym oknie przeglądarki"));
    ComboBox1->setListIndex(0);
    CheckBox1 = add<CheckBox>("CheckBox1");
    CheckBox1->move(12, 112, 396, 20);
    CheckBox1->setCaption(ansi("Wstaw dodatkowy odnośnik do pobrania "));
    CheckBox1->setVisible(false);
    Label4 = add<Label>("Label4");
    Label4->move(30, 132, 378, 18);
    Label4->setCaption(ansi("przeglądarki plików tego formatu"));
    Label4->setVisible(false);
    SpeedButton1 = addButton("SpeedButton1", "&OK", 204, 176, 100, 64, [this] { SpeedButton1Click(); });
    SpeedButton2 = addButton("SpeedButton2", "&Anuluj", 308, 176, 100, 64, [this] { SpeedButton2Click(); });
    OpenDialog1 = add<FileChooser>(
        "OpenDialog1",
        ansi("Dokumenty HTML (*.htm;*.html)|*.htm;*.html|Archiwa (*.zip;*.rar;*.arj;*.ace)|*.zip;*.rar;*.arj;*.ace|"
             "Pliku muzyczne (*.mp3;*.wav;*.ogg;*.mid)|*.mp3;*.wav;*.ogg|Dokumenty Word (*.doc)|*.doc|"
             "Pliki PDF (*.pdf)|*.pdf|Wszystkie pliki (*.*)|*.*"),
        ansi("Wstaw link:"));
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
}

void Tlinkinsert::onShow() {
    EditorDialog::onShow();
    try {
        FormShow();
    } catch (...) {
    }
}

void Tlinkinsert::onKeyDown(int& keyCode, int /*shift*/) {
    okCancelKeys(keyCode, [this] { SpeedButton1Click(); }, [this] { SpeedButton2Click(); });
}

int Tlinkinsert::targetIndex(const std::string& target) const {
    std::string t = text::lower(target);
    for (std::size_t i = 0; i < LinkTargets.size(); ++i)
        if (LinkTargets[i] == t) return static_cast<int>(i);
    return -1;
}

std::string Tlinkinsert::downloadNoteFor(const std::string& address) const {
    if (!CheckBox1->checked()) return {};
    return downloadNote(address, iso(translated(text::ansi("Aby uruchomić ten plik pobierz program ze strony producenta"))));
}

void Tlinkinsert::FormShow() {
    // The site's pages, once each, in the order of the main window's list.
    std::string address = edit971->text();
    edit971->clear();
    if (IDialogHost* host = dialogHost())
        for (const std::string& page : host->pageNames()) edit971->addItem(page);
    // A file address read back from the page is shown as the file's name.
    if (address.rfind("file://", 0) == 0) address = address.substr(7);
    edit971->setText(address);
    Edit972->setText(win(Edit972->text()));
    CheckBox1->setValue(0);
    CheckBox1->setVisible(false);
    Label4->setVisible(false);
}

void Tlinkinsert::Edit971Change() {
    if (NewLink != 1) return;
    bool show = offersDownloadNote(edit971->text());
    CheckBox1->setVisible(show);
    Label4->setVisible(show);
}

void Tlinkinsert::SpeedButton1Click() {
    std::string address = edit971->text();
    // A local file is brought into the site (an existing one stays) and the
    // link then names it bare, as it lies beside the pages.
    copyIntoFolder(address, siteFolder(currentAppDir(), currentSiteName()));
    if (!isWebAddress(address) && fileExists(address)) edit971->setText(bareFileName(address));
    Edit972->setText(iso(Edit972->text()));
    setModalResult(1);
}

void Tlinkinsert::SpeedButton2Click() { setModalResult(2); }

void Tlinkinsert::SpeedButton3Click() {
    if (OpenDialog1->execute() && !OpenDialog1->fileName.empty()) LastLink = OpenDialog1->fileName;
    edit971->setText(LastLink);
}

}  // namespace pageeditor
