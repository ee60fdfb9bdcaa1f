#include "dictionary/frmDodaj.h"

#include "dictionary/Program.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/ModalAnswers.h"
#include "forms/OptionButton.h"
#include "forms/Shape.h"
#include "forms/TextBox.h"
#include "text/CodePage.h"
#include "text/Paths.h"

namespace dictionary {

using namespace text::literals;

frmDodaj::frmDodaj() : forms::Form("frmDodaj") {}

void frmDodaj::createControls() {
    setCaption("Edycja bazy wyrazów użytkownika"_w);
    setBorder(Border::Fixed);
    setMaxButton(false);
    setBackColor(forms::color::White);
    setClientSize(7185, 5715);

    const forms::Font big{"Arial", 9.75}, small{"Arial", 8.25};
    auto frame = [&](const char* name, const char* caption, int l, int t, int w, int h) {
        auto* f = add<forms::Frame>(name);
        f->move(l, t, w, h);
        f->setFont(big);
        f->setBackColor(forms::color::White);
        f->setCaption(text::ansi(caption));
        return f;
    };
    auto box = [&](const char* name, forms::Frame* in, int l, int t, int w, int h) {
        auto* b = add<forms::TextBox>(name, in);
        b->move(l, t, w, h);
        b->setFont(big);
        return b;
    };

    Frame1 = frame("Frame1", "Część mowy", 45, 90, 2355, 690);
    Combo1 = add<forms::ComboBox>("Combo1", Frame1, forms::ComboBox::Style::DropDownList);
    Combo1->move(90, 270, 2130, 360);
    Combo1->setFont(big);
    for (const char* p :
         {"rzeczownik", "czasownik", "przymiotnik", "przysłówek", "zaimek", "przyimek", "liczebnik", "wykrzyknik"})
        Combo1->addItem(text::ansi(p));
    Combo1->onClick = [this] { Combo1_Click(); };

    Frame2 = frame("Frame2", "Wyraz - język niemiecki", 2475, 90, 3075, 690);
    txtNiem = box("txtNiem", Frame2, 90, 315, 2895, 285);
    txtNiem->onChange = [this] { txtNiem_Change(); };

    Frame3 = frame("Frame3", "Tłumaczenie na język polski", 45, 900, 5505, 645);
    txtPol = box("txtPol", Frame3, 90, 270, 5325, 285);

    Frame4 = frame("Frame4", "Rzeczownik", 45, 1665, 5505, 825);
    chkPlural = add<forms::CheckBox>("chkPlural", Frame4);
    // A little wider than the captions need with the original fonts, so that
    // "Plural" and "Rodzajnik:" are not cut here.
    chkPlural->move(135, 225, 900, 195);
    chkPlural->setFont(small);
    chkPlural->setBackColor(forms::color::White);
    chkPlural->setCaption("Plural");
    chkPlural->setValue(1);
    txtPL = box("txtPL", Frame4, 135, 450, 2490, 285);
    Label2 = add<forms::Label>("Label2", Frame4);
    Label2->move(2745, 225, 900, 240);
    Label2->setFont(small);
    Label2->setCaption("Rodzajnik:");
    struct Article {
        forms::OptionButton** button;
        const char* name;
        const char* caption;
        int left, width, height;
    };
    const Article articles[] = {
        {&optDer, "optDer", "der", 2745, 600, 240},
        {&optDie, "optDie", "die", 3330, 510, 210},
        {&optDas, "optDas", "das", 3915, 600, 195},
        {&optDerDie, "optDerDie", "der/die", 4545, 825, 240},
    };
    for (const auto& a : articles) {
        auto* o = add<forms::OptionButton>(a.name, Frame4);
        o->move(a.left, 495, a.width, a.height);
        o->setFont(small);
        o->setBackColor(forms::color::White);
        o->setCaption(a.caption);
        *a.button = o;
    }

    Frame5 = frame("Frame5", "Czasownik - koniugacja", 90, 2610, 5460, 645);
    txtKon = box("txtKon", Frame5, 90, 270, 5325, 285);

    Frame6 = frame("Frame6", "Lista wyrazów", 90, 3375, 7035, 2265);
    // The editor keeps the two lists in step itself (see OwnWordBase), so
    // they are filled in its order.
    lstWyrazy = add<forms::ListBox>("lstWyrazy", Frame6, false);
    lstWyrazy->move(135, 315, 1815, 1500);
    lstWyrazy->setFont(small);
    lstWyrazy->onClick = [this] { lstWyrazy_Click(); };
    lstZnaczenia = add<forms::ListBox>("lstZnaczenia", Frame6, false);
    lstZnaczenia->move(2025, 315, 4875, 1500);
    lstZnaczenia->setFont(small);
    lstZnaczenia->onClick = [this] { lstZnaczenia_Click(); };
    txtZmien = box("txtZmien", Frame6, 135, 1890, 6765, 285);

    for (forms::TextBox* b : {txtNiem, txtPL, txtKon, txtZmien})
        b->onKeyDown = [this, b](int& k, int) { special_KeyDown(*b, k); };

    placeButtons();
    Frame4->setEnabled(false);
    Frame5->setEnabled(false);
    centre();
}

void frmDodaj::placeButtons() {
    struct Button {
        forms::Label** label;
        const char* name;
        const char* caption;
        forms::Shape** shape;
        const char* shapeName;
        int top;
        void (frmDodaj::*click)();
    };
    const Button buttons[] = {
        {&lblDodaj, "lblDodaj", "Dodaj", &Shape2, "Shape2", 675, &frmDodaj::lblDodaj_Click},
        {&Label13, "Label13", "Usuń", &Shape3, "Shape3", 1125, &frmDodaj::Label13_Click},
        {&Label1, "Label1", "Zmień", &Shape1, "Shape1", 1575, &frmDodaj::Label1_Click},
        {&Label14, "Label14", "Zapisz", &Shape4, "Shape4", 2025, &frmDodaj::Label14_Click},
        {&Label3, "Label3", "Pomoc", &Shape5, "Shape5", 2475, &frmDodaj::Label3_Click},
    };
    for (const auto& b : buttons) {
        auto* s = add<forms::Shape>(b.shapeName);
        s->move(5805, b.top, 1140, 330);
        s->setKind(forms::Shape::Kind::RoundedRectangle);
        s->setFillStyle(forms::Shape::Fill::Solid);
        s->setFillColor(forms::color::White);
        *b.shape = s;
    }
    for (const auto& b : buttons) {
        auto* l = add<forms::Label>(b.name);
        l->move(5850, b.top + 45, 1050, 240);
        l->setFont({"Arial", 9.75});
        l->setAlignment(forms::Alignment::Center);
        l->setTransparent(true);
        l->setForeColor(forms::color::Black);
        l->setCaption(text::ansi(b.caption));
        auto click = b.click;
        l->onClick = [this, click] { (this->*click)(); };
        forms::Shape* s = *b.shape;
        l->onMouseMove = [s, l](int, int, float, float) {
            s->setFillColor(forms::color::Black);
            l->setForeColor(forms::color::White);
        };
        l->onMouseDown = [l](int, int, float, float) { l->setForeColor(forms::color::Red); };
        l->onMouseUp = [l](int, int, float, float) { l->setForeColor(forms::color::Black); };
        *b.label = l;
    }
}

void frmDodaj::Form_Load() {
    const auto& folder = Program::current().folder();
    setIcon((folder / "ikona.ico").string());
    Combo1->setText("rzeczownik");
    const OwnWordBase::LoadReport r = base_.load(folder);
    std::vector<std::string> heads, lines;
    heads.reserve(base_.size());
    lines.reserve(base_.size());
    for (const auto& p : base_.pairs()) {
        heads.push_back(p.headword);
        lines.push_back(p.line);
    }
    lstWyrazy->addItems(std::move(heads));
    lstZnaczenia->addItems(std::move(lines));
    modified_ = false;
    saveBlocked_ = false;
    std::string unreadable;
    if (r.headwords == OwnWordBase::FileState::Unreadable) unreadable = "y.dat";
    if (r.lines == OwnWordBase::FileState::Unreadable) unreadable += unreadable.empty() ? "x.dat" : " i x.dat";
    if (!unreadable.empty()) {
        // Saving now would put the lists shown in place of words that could
        // not be read.
        saveBlocked_ = true;
        forms::modal().messageBox("Nie można odczytać pliku "_w + unreadable +
                                      " z Twoimi wyrazami. Zapisywanie jest wyłączone, aby nie utracić zapisanych "
                                      "wyrazów."_w,
                                  "", forms::mb::Exclamation);
    } else if (r.headwordCount != r.lineCount) {
        forms::modal().messageBox("Pliki y.dat i x.dat mają różną liczbę wierszy ("_w + std::to_string(r.headwordCount) +
                                      " i " + std::to_string(r.lineCount) +
                                      "). Wyrazy bez pary stoją obok pustego wiersza drugiej listy; uzupełnij je "
                                      "przez \"Zmień\" albo usuń."_w,
                                  "", forms::mb::Exclamation);
    }
}

void frmDodaj::Combo1_Click() {
    const std::string p = Combo1->text();
    Frame4->setEnabled(p == "rzeczownik");
    Frame5->setEnabled(p == "czasownik");
}

void frmDodaj::txtNiem_Change() {
    const std::string p = Combo1->text();
    if (p == "rzeczownik") {
        txtPL->setText(txtNiem->text());
    } else if (p == "czasownik") {
        std::string k;
        if (OwnEntryLine::conjugationFor(txtNiem->text(), k)) txtKon->setText(k);
    }
}

void frmDodaj::special_KeyDown(forms::TextBox& box, int& keyCode) {
    const char* letter = nullptr;
    switch (keyCode) {
    case forms::key::F1: letter = "ä"; break;
    case forms::key::F2: letter = "ö"; break;
    case forms::key::F3: letter = "ü"; break;
    case forms::key::F4: letter = "ß"; break;
    default: return;
    }
    box.setSelText(text::ansi(letter));
    box.setFocus();
}

void frmDodaj::insertPair(std::size_t i) {
    const auto& p = base_.at(i);
    lstWyrazy->addItem(p.headword, static_cast<int>(i));
    lstZnaczenia->addItem(p.line, static_cast<int>(i));
}

void frmDodaj::removePair(std::size_t i) {
    // Removing the selected pair leaves no pair selected.
    lstWyrazy->removeItem(static_cast<int>(i));
    lstZnaczenia->removeItem(static_cast<int>(i));
}

void frmDodaj::lblDodaj_Click() {
    OwnEntryLine::Fields f;
    f.partOfSpeech = Combo1->text();
    f.word = txtNiem->text();
    f.translation = txtPol->text();
    const forms::OptionButton* options[] = {optDer, optDie, optDas, optDerDie};
    for (int i = 0; i < 4; ++i)
        if (options[i]->value()) {
            f.article = i;
            break;
        }
    f.plural = chkPlural->checked();
    f.pluralForm = txtPL->text();
    f.conjugation = txtKon->text();
    entry.compose(f);
    insertPair(base_.add({entry.strWyraz, entry.strLinia}));
    modified_ = true;
}

void frmDodaj::lstWyrazy_Click() {
    const int i = lstWyrazy->listIndex();
    if (lstZnaczenia->listIndex() != i) lstZnaczenia->setListIndex(i);
}

void frmDodaj::lstZnaczenia_Click() {
    const int i = lstZnaczenia->listIndex();
    txtZmien->setText(lstZnaczenia->list(i));
    if (lstWyrazy->listIndex() != i) lstWyrazy->setListIndex(i);
}

void frmDodaj::Label1_Click() {
    // By the selection rather than the headword's text, so that an entry
    // without a headword can be mended too.
    const int i = lstWyrazy->listIndex();
    if (i < 0 || lstZnaczenia->listIndex() != i || txtZmien->text().empty()) return;
    const std::string line = txtZmien->text();
    removePair(static_cast<std::size_t>(i));
    const std::size_t j = base_.change(static_cast<std::size_t>(i), line);
    insertPair(j);
    modified_ = true;
    lstZnaczenia->setListIndex(static_cast<int>(j));
}

void frmDodaj::Label13_Click() {
    // By the selection rather than its text: an entry with an empty headword
    // (added with an empty German word) can be removed too.
    const int i = lstWyrazy->listIndex();
    if (i < 0 || lstZnaczenia->listIndex() != i) return;
    removePair(static_cast<std::size_t>(i));
    base_.remove(static_cast<std::size_t>(i));
    modified_ = true;
}

bool frmDodaj::save() {
    if (saveBlocked_) {
        forms::modal().messageBox("Twoich wyrazów nie można zapisać: pliki bazy nie dały się odczytać przy otwieraniu "
                                  "okna. Zamknij okno, sprawdź pliki x.dat i y.dat i otwórz je ponownie."_w,
                                  "", forms::mb::Exclamation);
        return false;
    }
    if (!base_.save(Program::current().folder())) {
        forms::modal().messageBox("Nie można zapisać plików x.dat i y.dat w folderze programu. Twoje zmiany nie "
                                  "zostały zapisane; sprawdź, czy folder programu nie jest tylko do odczytu."_w,
                                  "", forms::mb::Exclamation);
        return false;
    }
    modified_ = false;
    return true;
}

void frmDodaj::Label14_Click() { save(); }

void frmDodaj::Label3_Click() {
    forms::modal().shellExecute("Open", text::pathText(Program::current().folder() / "edycjabaz.txt"), "", "");
}

void frmDodaj::Form_MouseMove() {
    for (forms::Shape* s : {Shape2, Shape3, Shape1, Shape4, Shape5})
        if (s) s->setFillColor(forms::color::White);
    for (forms::Label* l : {lblDodaj, Label13, Label1, Label14, Label3})
        if (l) l->setForeColor(forms::color::Black);
}

bool frmDodaj::confirmClose() {
    if (!isLoaded() || !modified_) return true;
    int r = forms::modal().messageBox(
        "Lista Twoich wyrazów ma niezapisane zmiany. Czy zapisać je przed zamknięciem okna?"_w, "",
        static_cast<int>(forms::mb::YesNoCancel) | forms::mb::Question);
    if (r == forms::mb::Yes) return save();
    return r == forms::mb::No;
}

void frmDodaj::onQueryUnload(bool& cancel, bool fromUser) {
    if (fromUser && !confirmClose()) cancel = true;
}

}  // namespace dictionary
