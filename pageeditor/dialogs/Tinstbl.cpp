#include "pageeditor/dialogs/Tinstbl.h"

#include "forms/CheckBox.h"
#include "forms/Label.h"
#include "forms/ModalAnswers.h"
#include "forms/Panel.h"
#include "forms/SpeedButton.h"
#include "forms/Types.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/DialogSupport.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/dialogs/WholeNumber.h"
#include "text/CodePage.h"

namespace pageeditor {

using text::ansi;

namespace {
constexpr long kMaxCells = 10000;
}  // namespace

Tinstbl::Tinstbl()
    : EditorDialog("Tinstbl", ansi("Tabelka:"), 400, 330, EditorDialog::EnterAndEsc), color_(clBtnFace) {}

void Tinstbl::createControls() {
    using namespace forms;
    int y = 12;
    auto row = [this, &y](Label*& label, const char* labelName, const char* caption, SpinEdit*& spin,
                          const char* spinName, long initial) {
        label = add<Label>(labelName);
        label->move(14, y + 4, 150, 18);
        label->setShowAccelChar(true);
        label->setCaption(ansi(caption));
        spin = add<SpinEdit>(spinName, nullptr, 0, kMaxFieldValue, static_cast<int>(initial));
        spin->move(170, y, 80, 24);
        spin->setValue(initial);
        SpinEdit* s = spin;
        s->onChange = [this, s] { runHandler([this, s] { SpinEdit4Change(*s); }); };
        y += 32;
    };
    row(Label1, "Label1", "&Wierszy:", SpinEdit1, "SpinEdit1", 1);
    row(Label2, "Label2", "&Kolumn:", SpinEdit2, "SpinEdit2", 0);
    row(Label3, "Label3", "Obramowanie:", SpinEdit3, "SpinEdit3", 0);
    row(Label4, "Label4", "&Odst. komórek:", SpinEdit4, "SpinEdit4", 0);
    row(Label5, "Label5", "&Cień komórek:", SpinEdit5, "SpinEdit5", 0);

    Label6 = add<Label>("Label6");
    Label6->move(14, y + 4, 150, 18);
    Label6->setShowAccelChar(true);
    Label6->setCaption(ansi("&Kolor tła:"));
    Panel1 = add<Panel>("Panel1");
    Panel1->move(170, y, 80, 24);
    Panel1->setBevel(Panel::Bevel::Lowered);
    Panel1->onClick = guarded([this] { Panel1Click(); });
    SpeedButton3 = add<SpeedButton>("SpeedButton3");
    SpeedButton3->move(256, y, 24, 24);
    SpeedButton3->setCaption("X");
    SpeedButton3->setHint(ansi("Bez koloru"));
    SpeedButton3->onClick = guarded([this] { SpeedButton3Click(); });
    y += 36;

    CheckBox3 = add<CheckBox>("CheckBox3");
    CheckBox3->move(14, y, 260, 22);
    CheckBox3->setCaption(ansi("&Pozycja względem tekstu"));
    CheckBox3->setValue(1);

    SpeedButton1 = addButton("SpeedButton1", "&OK", 250, 260, 64, 64, [this] { SpeedButton1Click(); });
    SpeedButton2 = addButton("SpeedButton2", "&Anuluj", 322, 260, 64, 64, [this] { SpeedButton2Click(); });
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
    setColor(color_);
}

void Tinstbl::onKeyDown(int& keyCode, int /*shift*/) {
    okCancelKeys(keyCode, [this] { SpeedButton1Click(); }, [this] { SpeedButton2Click(); });
}

void Tinstbl::setColor(std::uint32_t c) {
    color_ = c;
    if (Panel1) Panel1->setBackColor(c == clBtnFace ? 0x8000000Fu : c);
}

void Tinstbl::SpeedButton3Click() { setColor(clBtnFace); }

void Tinstbl::Panel1Click() {
    std::uint32_t chosen = 0;
    if (forms::modal().colorDialog(color_ == clBtnFace ? 0x00FFFFFFu : color_, chosen)) setColor(chosen & 0x00FFFFFFu);
}

void Tinstbl::SpinEdit4Change(SpinEdit& edit) {
    long v = 0;
    if (parseWholeNumber(edit.text(), v) && v < 0) edit.setValue(0);
}

void Tinstbl::SpeedButton1Click() {
    for (SpinEdit* s : {SpinEdit1, SpinEdit2, SpinEdit3, SpinEdit4, SpinEdit5}) {
        if (!isWholeNumber(s->text())) {
            editorMessageBox(ansi("Wartości tabelki muszą być liczbami całkowitymi."), ansi("Informacja:"), 64);
            s->setFocus();
            return;
        }
    }
    // A table the editing control could not hold is refused before anything
    // is built.
    if (static_cast<long long>(SpinEdit1->value()) * SpinEdit2->value() > kMaxCells) {
        editorMessageBox(ansi("Tabelka może mieć najwyżej 10000 komórek."), ansi("Informacja:"), 64);
        SpinEdit1->setFocus();
        return;
    }
    if (TableEditMode == 1 && (SpinEdit1->value() != OrigRows || SpinEdit2->value() != OrigCols)) {
        std::string q = ansi(
            "Zmieniono ilość wierszy/kolumn. Ta zmiana spowoduje usunięcie treści tabeli. Czy kontynuować?");
        if (editorMessageBox(q, ansi("Pytanie:"), 36) != forms::mb::Yes) {
            SpinEdit1->setValue(OrigRows);
            SpinEdit2->setValue(OrigCols);
            return;
        }
    }
    setModalResult(1);
}

void Tinstbl::SpeedButton2Click() { setModalResult(2); }

}  // namespace pageeditor
