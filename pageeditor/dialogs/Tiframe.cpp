#include "pageeditor/dialogs/Tiframe.h"

#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Label.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "forms/WindowOrder.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/DialogForms.h"
#include "pageeditor/dialogs/DialogSupport.h"
#include "pageeditor/dialogs/FileChooser.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "pageeditor/dialogs/Tlinkinsert.h"
#include "text/CodePage.h"

namespace pageeditor {

Tiframe::Tiframe() : EditorDialog("Tiframe", text::ansi("Edytor pływajacych ramek:"), 440, 220) {}

void Tiframe::createControls() {
    using namespace forms;
    using text::ansi;
    Label1 = add<Label>("Label1");
    Label1->move(12, 14, 170, 18);
    Label1->setShowAccelChar(true);
    Label1->setCaption("&Nazwa ramki:");
    Edit1 = add<TextBox>("Edit1");
    Edit1->move(186, 10, 242, 24);
    Label2 = add<Label>("Label2");
    Label2->move(12, 48, 170, 18);
    Label2->setShowAccelChar(true);
    Label2->setCaption(ansi("&Dokument źródłowy ramki:"));
    FilenameEdit1 = add<TextBox>("FilenameEdit1");
    FilenameEdit1->move(186, 44, 206, 24);
    FilenameEdit1->onChange = guarded([this] { FilenameEdit1Change(); });
    FilenameButton = addButton("FilenameButton", "...", 398, 44, 30, 24, [this] { FilenameBrowse(); });
    FilenameDialog = add<FileChooser>("FilenameDialog", "Dokumenty HTMl (*.htm;*.html)|*.htm;*.html");
    Label3 = add<Label>("Label3");
    Label3->move(12, 82, 170, 18);
    Label3->setShowAccelChar(true);
    Label3->setCaption(ansi("Wy&równanie:"));
    ComboBox1 = add<ComboBox>("ComboBox1");
    ComboBox1->move(186, 78, 140, 24);
    for (const char* s : {"LEFT", "RIGHT", "TOP", "BOTTOM", "CENTER"}) ComboBox1->addItem(s);
    CheckBox1 = add<CheckBox>("CheckBox1");
    CheckBox1->move(12, 112, 416, 20);
    CheckBox1->setCaption(ansi("&Obramowanie wokół ramki"));
    CheckBox3 = add<CheckBox>("CheckBox3");
    CheckBox3->move(12, 138, 416, 20);
    CheckBox3->setCaption(ansi("&Pozycja względem tekstu"));
    SpeedButton1 = addButton("SpeedButton1", "&OK", 236, 170, 92, 40, [this] { SpeedButton1Click(); });
    SpeedButton2 = addButton("SpeedButton2", "&Anuluj", 336, 170, 92, 40, [this] { SpeedButton2Click(); });
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
}

void Tiframe::onShow() {
    EditorDialog::onShow();
    forms::setWindowOrder(*this, forms::WindowOrder::Topmost);  // stays in sight above the document windows
    try {
        FormShow();
    } catch (...) {
    }
}

void Tiframe::onKeyDown(int& keyCode, int /*shift*/) {
    okCancelKeys(keyCode, [this] { SpeedButton1Click(); }, [this] { SpeedButton2Click(); });
}

IframeValues Tiframe::values() const {
    IframeValues v;
    v.name = Edit1->text();
    v.source = FilenameEdit1->text();
    v.align = ComboBox1->text();
    v.border = CheckBox1->checked();
    return v;
}

void Tiframe::FormShow() {
    // The chooser takes the link dialog's title and filter.
    if (DialogForms* all = dialogForms(); all && all->linkinsert && all->linkinsert->OpenDialog1) {
        FilenameDialog->title = all->linkinsert->OpenDialog1->title;
        FilenameDialog->filter = all->linkinsert->OpenDialog1->filter;
    }
    FilenameDialog->initialDir = siteFolder(currentAppDir(), currentSiteName());
}

void Tiframe::FilenameEdit1Change() {
    std::string t = FilenameEdit1->text();
    if (t.find('"') != std::string::npos) FilenameEdit1->setText(replace_all("\"", "", t));
    FilenameDialog->initialDir = siteFolder(currentAppDir(), currentSiteName());
}

void Tiframe::FilenameBrowse() {
    FilenameDialog->executeInto(*FilenameEdit1);
}

void Tiframe::SpeedButton1Click() {
    if (PageSource.empty() || FilenameEdit1->text() != PageSource) bringIntoSite(*FilenameEdit1, SitePlace::Pages);
    setModalResult(1);
}

void Tiframe::SpeedButton2Click() { setModalResult(2); }

}  // namespace pageeditor
