#include "pageeditor/dialogs/Tflashins.h"

#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Label.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "pageeditor/dialogs/DialogSupport.h"
#include "pageeditor/dialogs/FileChooser.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "text/CodePage.h"

namespace pageeditor {

Tflashins::Tflashins() : EditorDialog("Tflashins", "Wstaw FLASH:", 420, 200) {}

void Tflashins::createControls() {
    using namespace forms;
    using text::ansi;
    Label1 = add<Label>("Label1");
    Label1->move(12, 14, 130, 18);
    Label1->setShowAccelChar(true);
    Label1->setCaption("&Nazwa pliku:");
    Edit1 = add<TextBox>("Edit1");
    Edit1->move(146, 10, 226, 24);
    SpeedButton1 = addButton("SpeedButton1", "...", 378, 10, 30, 24, [this] { SpeedButton1Click(); });
    Label2 = add<Label>("Label2");
    Label2->move(12, 48, 130, 18);
    Label2->setShowAccelChar(true);
    Label2->setCaption(ansi("&Jakość odtwarzania:"));
    ComboBox1 = add<ComboBox>("ComboBox1", nullptr, ComboBox::Style::DropDownList);
    ComboBox1->move(146, 44, 140, 24);
    for (const char* q : {"high", "low", "auto low", "auto high"}) ComboBox1->addItem(q);
    ComboBox1->setListIndex(0);
    CheckBox3 = add<CheckBox>("CheckBox3");
    CheckBox3->move(12, 82, 396, 20);
    CheckBox3->setCaption(ansi("&Pozycja względem tekstu"));
    SpeedButton2 = addButton("SpeedButton2", "&OK", 216, 150, 92, 40, [this] { SpeedButton2Click(); });
    SpeedButton3 = addButton("SpeedButton3", "&Anuluj", 316, 150, 92, 40, [this] { SpeedButton3Click(); });
    OpenDialog1 = add<FileChooser>("OpenDialog1", "Filmy FLASH (*.swf)|*.swf", "Wybierz plik:");
    setOkCancelGlyphs(SpeedButton2, SpeedButton3);
}

void Tflashins::onKeyDown(int& keyCode, int /*shift*/) {
    okCancelKeys(keyCode, [this] { SpeedButton2Click(); }, [this] { SpeedButton3Click(); });
}

void Tflashins::SpeedButton1Click() {
    OpenDialog1->initialDir = currentAppDir() + "data\\library\\";
    OpenDialog1->executeInto(*Edit1);
}

void Tflashins::SpeedButton2Click() {
    std::string file = Edit1->text();
    if (file != PageFile) {
        copyIntoFolder(file, siteMediaFolder(currentAppDir(), currentSiteName()));
        if (!isWebAddress(file)) Edit1->setText("data\\" + bareFileName(file));
    }
    setModalResult(1);
}

void Tflashins::SpeedButton3Click() { setModalResult(2); }

}  // namespace pageeditor
