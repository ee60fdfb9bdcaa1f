#include "pageeditor/dialogs/Tmovie.h"

#include "forms/CheckBox.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "pageeditor/dialogs/DialogSupport.h"
#include "pageeditor/dialogs/FileChooser.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/MediaMarkup.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "text/CodePage.h"

namespace pageeditor {

std::string (*Tmovie::styleText)(bool, const std::string&) = nullptr;

Tmovie::Tmovie() : EditorDialog("Tmovie", "Wstaw film:", 420, 170) {}

void Tmovie::createControls() {
    using namespace forms;
    using text::ansi;
    Label1 = add<Label>("Label1");
    Label1->move(12, 14, 60, 18);
    Label1->setShowAccelChar(true);
    Label1->setCaption("&Plik:");
    Edit1 = add<TextBox>("Edit1");
    Edit1->move(76, 10, 296, 24);
    SpeedButton1 = addButton("SpeedButton1", "...", 378, 10, 30, 24, [this] { SpeedButton1Click(); });
    Image2 = add<Image>("Image2");
    Image2->move(12, 48, 16, 16);
    Image2->setToolTip(ansi("działa tylko w IE"));
    CheckBox3 = add<CheckBox>("CheckBox3");
    CheckBox3->move(36, 46, 372, 20);
    CheckBox3->setCaption(ansi("&Pozycja względem tekstu"));
    SpeedButton2 = addButton("SpeedButton2", "&Ok", 216, 120, 92, 40, [this] { SpeedButton2Click(); });
    SpeedButton3 = addButton("SpeedButton3", "&Anuluj", 316, 120, 92, 40, [this] { SpeedButton3Click(); });
    OpenDialog1 = add<FileChooser>("OpenDialog1", "Pliki wideo (*.mov;*.avi;*.mpg;*.mpeg)|*.mov;*.avi;*.mpg;*.mpeg");
    setOkCancelGlyphs(SpeedButton2, SpeedButton3);
}

void Tmovie::onKeyDown(int& keyCode, int /*shift*/) {
    okCancelKeys(keyCode, [this] { SpeedButton2Click(); }, [this] { SpeedButton3Click(); });
}

std::string Tmovie::movie_getmovie() {
    if (showModal() != 1) return {};
    std::string s = styleText ? styleText(CheckBox3->checked(), Geometry) : std::string();
    return movieTag(s, Edit1->text());
}

void Tmovie::SpeedButton1Click() {
    OpenDialog1->initialDir = siteFolder(currentAppDir(), currentSiteName());
    OpenDialog1->executeInto(*Edit1);
}

void Tmovie::SpeedButton2Click() {
    if (PageFile.empty() || Edit1->text() != PageFile) bringIntoSite(*Edit1, SitePlace::Pages);
    setModalResult(1);
}

void Tmovie::SpeedButton3Click() { setModalResult(2); }

}  // namespace pageeditor
