#include "dictionary/Form2.h"

#include "dictionary/Form1.h"
#include "dictionary/Program.h"
#include "forms/Application.h"
#include "forms/CommandButton.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/ModalAnswers.h"
#include "forms/OptionButton.h"
#include "forms/Shape.h"
#include "forms/TextBox.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace dictionary {

using namespace text::literals;

namespace {
constexpr std::uint32_t LightGrey = forms::color::rgb(0xE0, 0xE0, 0xE0);
}

Form2::Form2() : forms::Form("Form2") {}

void Form2::createControls() {
    setCaption("Indeks polsko-niemiecki");
    setBorder(Border::Fixed);
    setMinButton(false);
    setMaxButton(false);
    setBackColor(forms::color::White);
    setClientSize(4365, 4125);

    const forms::Font arial{"Arial", 8.25};

    Frame1 = add<forms::Frame>("Frame1");
    Frame1->move(120, 60, 4125, 645);
    Frame1->setFont(arial);
    Frame1->setBackColor(forms::color::White);
    Frame1->setCaption("Wpisz słowo po polsku:"_w);
    Text1 = add<forms::TextBox>("Text1", Frame1);
    Text1->move(120, 270, 3885, 300);
    Text1->setFont({"Arial", 9.75});
    Text1->setTabIndex(0);

    Frame2 = add<forms::Frame>("Frame2");
    Frame2->move(120, 765, 2775, 1965);
    Frame2->setFont(arial);
    Frame2->setBackColor(forms::color::White);
    Frame2->setCaption("Znalezione wyrazy:");
    List1 = add<forms::ListBox>("List1", Frame2, true);
    List1->move(120, 255, 2535, 1590);
    List1->setFont({"Arial", 9.75});
    List1->onDblClick = [this] { List1_DblClick(); };
    List1->onKeyDown = [this](int& k, int s) { List1_KeyDown(k, s); };

    Command1 = add<forms::CommandButton>("Command1");
    Command1->move(3015, 855, 1230, 375);
    Command1->setFont(arial);
    Command1->setCaption("Szukaj");
    Command1->setDefault(true);
    Command1->onClick = [this] { Command1_Click(); };
    Command2 = add<forms::CommandButton>("Command2");
    Command2->move(3015, 1335, 1230, 375);
    Command2->setFont(arial);
    Command2->setCaption("Przejdź"_w);
    Command2->onClick = [this] { Command2_Click(); };

    Frame3 = add<forms::Frame>("Frame3");
    Frame3->move(120, 2790, 4125, 1050);
    Frame3->setFont(arial);
    Frame3->setBackColor(forms::color::White);
    Frame3->setCaption("Szukaj wyrazu:");
    struct Choice {
        forms::OptionButton** button;
        const char* name;
        const char* caption;
        int top, height;
        void (Form2::*advice)();
    };
    // The third caption is longer than the frame is wide: the button shows
    // it on two lines.
    const Choice choices[] = {
        {&Option1, "Option1", "jako dokładnego tłumaczenia słowa", 225, 225, &Form2::Option1_DblClick},
        {&Option2, "Option2", "jako fragmentu tłumaczenia słowa (zalecane)", 450, 225, &Form2::Option2_DblClick},
        {&Option3, "Option3", "jako fragmentu tłumaczenia słowa lub tłumaczenia przykładu jego użycia", 675, 360,
         &Form2::Option3_DblClick},
    };
    for (const auto& c : choices) {
        auto* o = add<forms::OptionButton>(c.name, Frame3);
        o->move(105, c.top, 3915, c.height);
        o->setFont(arial);
        o->setBackColor(forms::color::White);
        o->setCaption(text::ansi(c.caption));
        auto advice = c.advice;
        o->onDblClick = [this, advice] { (this->*advice)(); };
        *c.button = o;
    }
    Option2->setValue(true);

    Shape1 = add<forms::Shape>("Shape1", Frame3);
    Shape1->move(3750, 0, 315, 315);
    Shape1->setKind(forms::Shape::Kind::Circle);
    Shape1->setFillStyle(forms::Shape::Fill::Solid);
    Shape1->setFillColor(forms::color::White);
    Label1 = add<forms::Label>("Label1", Frame3);
    Label1->move(3750, 30, 315, 285);
    Label1->setFont({"Arial", 12, true});
    Label1->setAlignment(forms::Alignment::Center);
    Label1->setTransparent(true);
    Label1->setCaption("?");
    Label1->onClick = [this] { Label1_Click(); };
    Label1->onMouseDown = [this](int, int, float, float) { Label1_MouseDown(); };
    Label1->onMouseMove = [this](int, int, float, float) { Label1_MouseMove(); };
    Label1->onMouseUp = [this](int, int, float, float) { Label1_MouseUp(); };

    Label2 = add<forms::Label>("Label2");
    Label2->move(120, 3870, 4125, 225);
    Label2->setFont(arial);
}

void Form2::Form_Load() {
    using forms::Application;
    move(Application::screenWidth() / 2, Application::screenHeight() / 2 - 500);
    setIcon((Program::current().folder() / "ikona.ico").string());
    Text1->setFocus();
}

ReverseSearch::Mode Form2::mode() const {
    if (Option1->value()) return ReverseSearch::Mode::Exact;
    if (Option2->value()) return ReverseSearch::Mode::Fragment;
    return ReverseSearch::Mode::Everywhere;
}

void Form2::showInLookup(const std::string& headword) {
    Form1& f = Program::current().form1();
    if (!f.isLoaded()) f.load();
    forms::ListBox& lst = *f.lstWort;
    // Headwords that differ only in case stand side by side in the list;
    // the one found is the one of exactly this spelling.
    const auto& items = lst.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == headword) {
            lst.setListIndex(static_cast<int>(i));
            return;
        }
    }
    lst.setText(headword);
}

void Form2::Command1_Click() {
    const ReverseSearch::Mode m = mode();
    intKolejny = 0;
    forms::Application::setBusy(true);
    List1->clear();
    strSlowo = Text1->text();
    if (ReverseSearch::isPartOfSpeech(strSlowo)) {
        forms::modal().messageBox(
            "Części mowy po niemiecku: rzeczownik - Substantiv, czasownik - Verb, przymiotnik - Adjektiv, "
            "przysłówek - Adverb, liczebnik - Zahlwort, spójnik - Konjunktion, zaimek - Pronomen, przyimek - "
            "Präposition, wykrzyknik - Interjektion"_w,
            "", forms::mb::OkOnly);
    } else if (!strSlowo.empty()) {
        std::vector<std::string> found;
        // A missing a.dat finds nothing; the lookup window reports it at its start.
        ReverseSearch::search(Program::current().folder() / "a.dat", strSlowo, m, found);
        List1->addItems(std::move(found));
    }
    forms::Application::setBusy(false);
    List1->setFocus();
    Label2->setCaption("Naciśnij spację, żeby przejść do kolejnego wyrazu"_w);
    if (List1->listCount() > 0) {
        List1->setListIndex(0);
        showInLookup(List1->list(0));
    }
    intKolejny = 1;
}

void Form2::Command2_Click() {
    const std::string h = List1->text();
    if (!h.empty()) showInLookup(h);
}

void Form2::List1_DblClick() {
    const int i = List1->listIndex();
    if (i < 0) return;
    showInLookup(List1->text());
    intKolejny = static_cast<std::int16_t>(i);
}

void Form2::List1_KeyDown(int& keyCode, int) {
    if (keyCode != forms::key::Space) return;
    const int n = List1->listCount();
    if (n == 0) return;
    // The position is 16-bit; counted in a wider number so that it cannot
    // overflow on a long list.
    int next = intKolejny + 1;
    if (next - 1 < n) {
        List1->setListIndex(next - 1);
        showInLookup(List1->list(next - 1));
    } else {
        List1->setListIndex(0);
        showInLookup(List1->list(0));
        next = 1;
    }
    intKolejny = static_cast<std::int16_t>(next);
}

void Form2::advise(const char* utf8) { forms::modal().messageBox(text::ansi(utf8), "Porada", forms::mb::OkOnly); }

void Form2::Option1_DblClick() {
    advise("Porównuje wpisany wyraz tylko z kompletnym tłumaczeniem danego wyrazu. Daje najdokładniejsze wyniki. "
           "Najbardziej przydatne dla przyimków i słów budujących np. przysłówki. Może jednak pominąć niektóre "
           "istotne wyrażenia. PORADA: Jeśli wpisałeś przysłówek i nie znalazłeś słowa - wpisz odpowiadający mu "
           "przymiotnik. Jeśli nie znalazłeś jakiegoś słowa, spróbuj skorzystać z pozostałych poziomów dokładności "
           "szukania.");
}

void Form2::Option2_DblClick() {
    advise("Szuka słowa we wszystkich tłumaczeniach wyrazów, także jeśli jest ono tylko ich fragmentem. Umożliwia "
           "łatwe znalezienie bezokolicznika czasownika na podstawie formy Imperfekt lub imiesłowu.");
}

void Form2::Option3_DblClick() {
    advise("Szuka słowa wszędzie i wyświetla wszystkie hasła, w których znalazło się słowo. Daje najmniej "
           "dokładne wyniki.");
}

void Form2::Label1_Click() {
    forms::modal().messageBox("Kliknij dwa razy na wybranej opcji, aby dowiedzieć się więcej."_w, "Porada",
                              forms::mb::OkOnly);
}

void Form2::Label1_MouseMove() { Shape1->setFillColor(LightGrey); }
void Form2::Label1_MouseDown() { Label1->setForeColor(forms::color::Red); }
void Form2::Label1_MouseUp() {
    Label1->setForeColor(forms::color::Black);
    Shape1->setFillColor(forms::color::White);
}
void Form2::Form_MouseMove() {
    if (Shape1) Shape1->setFillColor(forms::color::White);
}

}  // namespace dictionary
