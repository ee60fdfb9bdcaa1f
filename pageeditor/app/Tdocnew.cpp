#include "pageeditor/app/Tdocnew.h"

#include "files/FileSystem.h"
#include "forms/ImageView.h"
#include "forms/Label.h"
#include "forms/ListView.h"
#include "forms/Panel.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "text/CodePage.h"

namespace pageeditor {

Tdocnew::Tdocnew() : EditorDialog("Tdocnew", text::ansi("Nowy dokument:"), 460, 360, EditorDialog::EscOnly) {}

void Tdocnew::createControls() {
    using namespace forms;
    using text::ansi;
    auto label = [this](const char* name, int x, int y, int w, const char* caption) {
        Label* l = add<Label>(name);
        l->move(x, y, w, 18);
        l->setShowAccelChar(true);
        l->setCaption(ansi(caption));
        return l;
    };
    Label1 = label("Label1", 12, 10, 210, "&Tytuł dokumentu:");
    Edit971 = add<TextBox>("Edit971");
    Edit971->move(12, 30, 210, 24);
    Label2 = label("Label2", 238, 10, 210, "&Nazwa pliku:");
    Edit972 = add<TextBox>("Edit972");
    Edit972->move(238, 30, 210, 24);
    Label3 = label("Label3", 12, 64, 210, "&Wybierz szablon graficzny:");
    ListView1 = add<ListView>("ListView1");
    ListView1->move(12, 84, 210, 222);
    ListView1->setViewStyle(ListView::ViewStyle::List);
    if (TMainForm* m = MainForm(); m && m->ImageList3) {
        ListView1->setLargeImages(*m->ImageList3);
        ListView1->setSmallImages(*m->ImageList3);
    }
    ListView1->onChange = guarded([this] { ListView1Change(); });
    ListView1->onDblClick = guarded([this] { SpeedButton1Click(); });
    Label4 = label("Label4", 238, 64, 210, "Podgląd");
    Panel1 = add<Panel>("Panel1");
    Panel1->move(238, 84, 210, 222);
    Panel1->setBevel(Panel::Bevel::Lowered);
    Image2 = add<ImageView>("Image2", Panel1);
    Image2->setAlign(Align::Client);
    Image2->setFit(ImageView::Fit::Proportional);

    SpeedButton1 = add<SpeedButton>("SpeedButton1");
    SpeedButton1->move(276, 318, 84, 30);
    SpeedButton1->setCaption("&OK");
    SpeedButton1->setFlat(false);
    SpeedButton1->onClick = guarded([this] { SpeedButton1Click(); });
    SpeedButton2 = add<SpeedButton>("SpeedButton2");
    SpeedButton2->move(364, 318, 84, 30);
    SpeedButton2->setCaption("&Anuluj");
    SpeedButton2->setFlat(false);
    SpeedButton2->onClick = guarded([this] { setModalResult(2); });
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
}

void Tdocnew::onShow() { runHandler([this] { fill(); }); }

NewPage::Fields Tdocnew::fields() const {
    NewPage::Fields f;
    f.title = Edit971->text();
    f.fileName = Edit972->text();
    f.fileNameShown = fileNameShown_;
    return f;
}

void Tdocnew::setFields(const NewPage::Fields& f) {
    load();
    Edit971->setText(f.title);
    Edit972->setText(f.fileName);
    fileNameShown_ = f.fileNameShown;
    Edit972->setVisible(f.fileNameShown);
    Label2->setVisible(f.fileNameShown);
}

std::string Tdocnew::selectedTemplate() const {
    int i = ListView1 ? ListView1->selectedIndex() : -1;
    return i < 0 ? std::string() : ListView1->caption(i);
}

void Tdocnew::fill() {
    TMainForm* m = MainForm();
    if (!m || !ListView1) return;
    TMainForm::showItems(*ListView1, m->newPage.templates());
}

void Tdocnew::ListView1Change() {
    TMainForm* m = MainForm();
    std::string t = selectedTemplate();
    // A missing or unreadable picture leaves the last one shown.
    if (m && !t.empty()) Image2->loadFile(files::realPath(m->newPage.thumbPath(t)).string());
}

void Tdocnew::SpeedButton1Click() {
    TMainForm* m = MainForm();
    if (!m || m->newPage.accept(fields(), selectedTemplate())) setModalResult(1);
}

}  // namespace pageeditor
