#include "pageeditor/app/Tpageopen.h"

#include "forms/ListView.h"
#include "forms/SpeedButton.h"
#include "forms/Types.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "text/CodePage.h"

namespace pageeditor {

Tpageopen::Tpageopen() : EditorDialog("Tpageopen", text::ansi("Otwórz projekt strony:"), 360, 300, EditorDialog::EnterAndEsc) {}

void Tpageopen::createControls() {
    using namespace forms;
    using text::ansi;
    ListView1 = add<ListView>("ListView1");
    ListView1->move(10, 10, 340, 236);
    ListView1->setViewStyle(ListView::ViewStyle::Icon);
    if (TMainForm* m = MainForm(); m && m->ImageList3) {
        ListView1->setLargeImages(*m->ImageList3);
        ListView1->setSmallImages(*m->ImageList3);
    }
    ListView1->onDblClick = guarded([this] { SpeedButton1Click(); });
    SpeedButton1 = add<SpeedButton>("SpeedButton1");
    SpeedButton1->move(178, 258, 84, 30);
    SpeedButton1->setCaption("&OK");
    SpeedButton1->setFlat(false);
    SpeedButton1->onClick = guarded([this] { SpeedButton1Click(); });
    SpeedButton2 = add<SpeedButton>("SpeedButton2");
    SpeedButton2->move(266, 258, 84, 30);
    SpeedButton2->setCaption("&Anuluj");
    SpeedButton2->setFlat(false);
    SpeedButton2->onClick = guarded([this] { setModalResult(2); });
    SpeedButton3 = add<SpeedButton>("SpeedButton3");
    SpeedButton3->move(10, 258, 120, 30);
    SpeedButton3->setCaption(ansi("&Usuń stronę"));
    SpeedButton3->setFlat(false);
    SpeedButton3->onClick = guarded([this] { SpeedButton3Click(); });
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
}

void Tpageopen::onShow() { runHandler([this] { fill(); }); }

void Tpageopen::onKeyDown(int& keyCode, int shift) {
    if (keyCode == forms::key::Return) {
        keyCode = 0;
        runHandler([this] { SpeedButton1Click(); });
        return;
    }
    EditorDialog::onKeyDown(keyCode, shift);
}

std::string Tpageopen::selected() const {
    int i = ListView1 ? ListView1->selectedIndex() : -1;
    return i < 0 ? std::string() : ListView1->caption(i);
}

void Tpageopen::fill() {
    TMainForm* m = MainForm();
    if (!m || !ListView1) return;
    TMainForm::showItems(*ListView1, m->sites.siteList());
}

void Tpageopen::SpeedButton1Click() { setModalResult(selected().empty() ? 2 : 1); }

void Tpageopen::SpeedButton3Click() {
    TMainForm* m = MainForm();
    std::string name = selected();
    if (!m || name.empty()) return;
    m->sites.deleteSite(name);
    fill();
}

}  // namespace pageeditor
