#include "dictionary/Form1.h"

#include <filesystem>
#include <system_error>

#include "dictionary/EntryFile.h"
#include "dictionary/EntryPages.h"
#include "dictionary/LinkTarget.h"
#include "dictionary/Program.h"
#include "dictionary/ShortDate.h"
#include "files/FileSystem.h"
#include "forms/Application.h"
#include "forms/ModalAnswers.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/LineFile.h"
#include "text/Paths.h"

namespace dictionary {

using namespace text::literals;
namespace fs = std::filesystem;

namespace {
Program& program() { return Program::current(); }

void warn(const std::string& message) { forms::modal().messageBox(message, "", forms::mb::Exclamation); }

// Whether the upper-cased headword begins with the upper-cased text.
bool beginsWithUpper(const std::string& headword, const std::string& upperText) {
    if (headword.size() < upperText.size()) return false;
    for (std::size_t i = 0; i < upperText.size(); ++i)
        if (text::toUpper(headword[i]) != upperText[i]) return false;
    return true;
}
}  // namespace

Form1::Form1() : Form("Form1") {}

void Form1::createControls() {
    setCaption(Program::title());
    setBorder(Border::Fixed);
    setMaxButton(false);
    setClientSize(7365, 6270);

    const forms::Font arial{"Arial", 9.75};

    lblTytul = add<forms::Label>("lblTytul");
    lblTytul->move(90, 90, 5900, 540);
    lblTytul->setFont({"Arial", 18, true, true});
    lblTytul->setCaption(Program::title());

    Text1 = add<forms::TextBox>("Text1");
    Text1->move(90, 720, 2535, 300);
    Text1->setFont(arial);
    Text1->setToolTip("Czyszczenie pola: klawisz ESC");
    Text1->onChange = [this] { Text1_Change(); };
    Text1->onKeyDown = [this](int& k, int s) { Text1_KeyDown(k, s); };
    Text1->onKeyPress = [this](int& a) { Text1_KeyPress(a); };

    lstWort = add<forms::ListBox>("lstWort");
    lstWort->move(90, 1170, 2535, 4350);
    lstWort->setFont(arial);
    lstWort->onClick = [this] { lstWort_Click(); };
    lstWort->onKeyDown = [this](int& k, int s) { lstWort_KeyDown(k, s); };

    Picture1 = add<forms::PictureBox>("Picture1");
    Picture1->move(2745, 720, 1230, 285);
    struct Letter {
        forms::CommandButton** button;
        const char* name;
        const char* caption;
        const char* tip;
        void (Form1::*click)();
    };
    const Letter letters[] = {
        {&cmdAUmlaut, "cmdAUmlaut", "ä", "Wpisz \"ä\". Skrót klawiaturowy: F1", &Form1::cmdAUmlaut_Click},
        {&cmdOUmlaut, "cmdOUmlaut", "ö", "Wpisz \"ö\". Skrót klawiaturowy: F2", &Form1::cmdOUmlaut_Click},
        {&cmdUUmlaut, "cmdUUmlaut", "ü", "Wpisz \"ü\". Skrót klawiaturowy: F3", &Form1::cmdUUmlaut_Click},
        {&cmdScharfesS, "cmdScharfesS", "ß", "Wpisz \"ß\". Skrót klawiaturowy: F4", &Form1::cmdScharfesS_Click},
    };
    int offset = 0;
    for (const auto& l : letters) {
        auto* b = add<forms::CommandButton>(l.name, Picture1);
        b->move(offset, 0, 285, 285);
        b->setFont({"Arial", 9.75, true});
        b->setCaption(text::ansi(l.caption));
        b->setToolTip(text::ansi(l.tip));
        auto click = l.click;
        b->onClick = [this, click] { (this->*click)(); };
        *l.button = b;
        offset += 315;
    }

    WebBrowser1 = add<browser::WebBrowser>("WebBrowser1");
    WebBrowser1->move(2745, 1170, 3255, 4065);
    WebBrowser1->onNavigateError = [this](const std::string&) { WebBrowser1_NavigateError(); };

    lblPorada = add<forms::Label>("lblPorada");
    lblPorada->move(4050, 765, 1860, 240);
    lblPorada->setFont({"Arial", 9.75, true, true});

    lblIloscWyrazow = add<forms::Label>("lblIloscWyrazow");
    lblIloscWyrazow->move(2745, 5295, 3255, 240);
    lblIloscWyrazow->setFont(arial);

    placeCommandLabels();

    Image1 = add<forms::Image>("Image1");
    Image1->move(6750, 5670, 375, 375);
    Image1->setToolTip("Minimalizuj do ikony w polu systemowym");

    chrome.createControls(*this);
    menu.createControls(*this);
    updates.createControls(*this);
    printing.createControls(*this);
    pages.createControls(*this);
}

void Form1::onQueryUnload(bool& cancel, bool fromUser) {
    // Closed while a check talks to the server: closed when it is over.
    if (fromUser && !updates.Form_QueryUnload()) {
        cancel = true;
        return;
    }
    if (!menu.Form_QueryUnload()) {
        cancel = true;
        return;
    }
    chrome.Form_QueryUnload();
}

void Form1::placeCommandLabels() {
    struct Command {
        forms::Label** label;
        const char* name;
        const char* caption;
        bool centred;
        int left, top, width;
        forms::Shape** frame;
        const char* frameName;
        int frameLeft, frameTop, frameWidth;
    };
    const Command commands[] = {
        {&Label4, "Label4", "Gramatyka", true, 6165, 855, 1050, &shp1, "shp1", 6120, 810, 1140},
        {&Label8, "Label8", "Wymowa", true, 6165, 1260, 1050, &shp2, "shp2", 6120, 1215, 1140},
        {&Label9, "Label9", "Skróty", true, 6165, 1665, 1050, &Shape7, "Shape7", 6120, 1620, 1140},
        {&Label10, "Label10", "Linki", true, 6165, 2070, 1050, &Shape8, "Shape8", 6120, 2025, 1140},
        {&Label6, "Label6", "Aktualizuj", true, 6165, 2475, 1050, &Shape4, "Shape4", 6120, 2430, 1140},
        {&Label5, "Label5", "Pomoc", true, 6165, 2880, 1050, &Shape5, "Shape5", 6120, 2835, 1140},
        {&Label2, "Label2", "O programie", false, 6165, 3285, 1095, &Shape6, "Shape6", 6120, 3240, 1140},
        {&lblCofnij, "lblCofnij", "Cofnij", true, 6165, 3915, 1050, &shpCofnij, "shpCofnij", 6120, 3870, 1140},
        {&lblNaprzod, "lblNaprzod", "Do przodu", true, 6165, 4320, 1050, &shpNaprzod, "shpNaprzod", 6120, 4275, 1140},
        {&Label12, "Label12", "Edycja", true, 6165, 4950, 1050, &Shape11, "Shape11", 6120, 4905, 1140},
        {&lblDrukuj, "lblDrukuj", "Drukuj leksykon", false, 135, 5760, 1410, &Shape1, "Shape1", 90, 5715, 1500},
        {&Label3, "Label3", "Indeks pol.-niem.", false, 1710, 5760, 1500, &Shape2, "Shape2", 1665, 5715, 1545},
        {&Label7, "Label7", "Nowa wersja", true, 3285, 5760, 1230, &Shape3, "Shape3", 3285, 5715, 1230},
        {&Label1, "Label1", "Moja baza wyrazów", true, 4635, 5760, 1815, &Shape9, "Shape9", 4590, 5715, 1905},
    };
    // Frames first, so the labels lie over them.
    for (const auto& c : commands) {
        auto* s = add<forms::Shape>(c.frameName);
        s->move(c.frameLeft, c.frameTop, c.frameWidth, 330);
        s->setKind(c.frame == &Shape8 ? forms::Shape::Kind::Rectangle : forms::Shape::Kind::RoundedRectangle);
        s->setFillStyle(forms::Shape::Fill::Transparent);
        s->setFillColor(forms::color::White);
        *c.frame = s;
    }
    for (const auto& c : commands) {
        auto* l = add<forms::Label>(c.name);
        l->move(c.left, c.top, c.width, 240);
        l->setFont({"Arial", 9.75});
        l->setAlignment(c.centred ? forms::Alignment::Center : forms::Alignment::Left);
        l->setCaption(text::ansi(c.caption));
        *c.label = l;
    }
    Label12->setEnabled(false);
    lblCofnij->onClick = [this] { lblCofnij_Click(); };
    lblNaprzod->onClick = [this] { lblNaprzod_Click(); };
    Label1->onClick = [this] { Label1_Click(); };
}

void Form1::Form_Load() {
    Program& p = program();
    const fs::path& folder = p.folder();
    // 1. Centre on the screen.
    int sw = forms::Application::screenWidth(), sh = forms::Application::screenHeight();
    move(sw / 2 - width() / 2, sh / 2 - height() / 2);
    // 2. The pictures; a missing one leaves the window plain.
    setPicture((folder / "niem.jpg").string());
    Image1->setPicture((folder / "min.gif").string());
    setIcon((folder / "ikona.ico").string());
    // 3. The program folder is the current folder.
    std::error_code ec;
    fs::current_path(folder, ec);
    // 4. The start page.
    WebBrowser1->navigate((folder / "3.dat").string());
    // 5. The program base into the list, counted.
    long lines = loadHeadwords("b.dat");
    if (lines < 0) {
        warn("Nie można odczytać pliku b.dat z listą haseł. Lista wyrazów jest pusta."_w);
        lines = 0;
    }
    // The count is 16-bit; a larger base is shown whole but counted at the limit.
    p.intIloscWyrazow = static_cast<std::int16_t>(std::min<long>(lines, 32767));
    // 6. The count text.
    lblIloscWyrazow->setCaption("Znaleziono wyrazów: "_w + std::to_string(lines));
    // 7. The update reminder.
    std::string date;
    if (!text::readFile(folder / "data.dat", date)) {
        warn("Nie można odczytać pliku data.dat z datą ostatniej aktualizacji bazy wyrazów."_w);
    } else if (auto last = ShortDate::parse(date); !last) {
        warn("Plik data.dat nie zawiera poprawnej daty ostatniej aktualizacji bazy wyrazów."_w);
    } else if (ShortDate::overdue(*last, ShortDate::today())) {
        Label6->setForeColor(forms::color::Red);
        Label6->setToolTip("Program nie był aktualizowany przez 28 dni."_w);
    }
    // 8. The program base is current.
    strBaza = "a.dat";
    Label1->setCaption("Moja baza wyrazów"_w);
    Label12->setEnabled(false);
    std::string probe;
    if (EntryFile::lineAt(folder / "a.dat", 0, probe) == EntryFile::Result::Unreadable)
        warn("Nie można odczytać pliku a.dat z hasłami słownika. Hasła nie będą wyświetlane."_w);
}

long Form1::loadHeadwords(const std::string& file) {
    std::vector<std::string> lines;
    if (!text::readLines(program().folder() / file, lines)) return -1;
    long n = static_cast<long>(lines.size());
    lstWort->addItems(std::move(lines));
    return n;
}

void Form1::lstWort_Click() {
    blnStronyHasel = true;
    const std::string w = lstWort->text();
    if (w.empty() && lstWort->listIndex() < 0) return;
    const fs::path& folder = program().folder();
    std::string line;
    if (EntryFile::findLine(folder / strBaza, w, line) != EntryFile::Result::Found) return;
    std::string body = line.size() > w.size() ? line.substr(w.size() + 1 <= line.size() ? w.size() + 1 : line.size())
                                              : std::string();
    EntryPages pages(folder);
    fs::path page;
    if (!pages.write(w, body, page)) {
        // Said once: every keystroke would run into it again.
        if (!pageWriteWarned_)
            warn("Nie można zapisać strony hasła w folderze wyrazy. Sprawdź, czy folder programu nie jest "
                 "tylko do odczytu."_w);
        pageWriteWarned_ = true;
        return;
    }
    WebBrowser1->navigate(page.string());
    // Without its line in usun.dat the page would outlive the clean-up.
    std::error_code failure;
    if (!pages.list(w, &failure) && !pageWriteWarned_) {
        warn(files::saveFailedText("usun.dat", failure));
        pageWriteWarned_ = true;
    }
}

void Form1::lstWort_KeyDown(int& keyCode, int) {
    if (keyCode == forms::key::Return) Text1->setFocus();
}

void Form1::Text1_Change() {
    const std::string t = Text1->text();
    if (t.empty()) return;
    const std::string upper = text::upper(t);
    // After Up or Down the box holds the selected headword: keep it selected
    // rather than jump to an earlier headword that differs only in case.
    if (keepSelection_ && lstWort->listIndex() >= 0 && beginsWithUpper(lstWort->text(), upper)) return;
    const int n = lstWort->listCount();
    for (int i = 0; i < n; ++i) {
        if (beginsWithUpper(lstWort->list(i), upper)) {
            lstWort->setListIndex(i);
            return;
        }
    }
}

void Form1::Text1_KeyDown(int& keyCode, int) {
    using namespace forms::key;
    if (keyCode != Back) lblPorada->setCaption("");
    switch (keyCode) {
    case F1: cmdAUmlaut_Click(); break;
    case F2: cmdOUmlaut_Click(); break;
    case F3: cmdUUmlaut_Click(); break;
    case F4: cmdScharfesS_Click(); break;
    case Down:
        if (lstWort->listIndex() <= lstWort->listCount() - 2) {
            lstWort->setListIndex(lstWort->listIndex() + 1);
            keepSelection_ = true;
            Text1->setText(lstWort->text());
            keepSelection_ = false;
        }
        break;
    case Up:
        if (lstWort->listIndex() >= 0) {
            lstWort->setListIndex(lstWort->listIndex() - 1);
            keepSelection_ = true;
            Text1->setText(lstWort->text());
            keepSelection_ = false;
        }
        break;
    case Escape: Text1->setText(""); break;
    case Back:
        ++intLicznikBackspace;
        if (Text1->text().size() == 1 && intLicznikBackspace >= 4) {
            lblPorada->setCaption("Wyczyść: ESC"_w);
            intLicznikBackspace = 0;
        } else if (intLicznikBackspace <= 3) {
            lblPorada->setCaption("");
        }
        break;
    default: break;
    }
}

void Form1::Text1_KeyPress(int& keyAscii) {
    if (keyAscii == 13) keyAscii = 0;
}

void Form1::typeLetter(const std::string& letter) {
    Text1->setSelText(letter);
    Text1->setFocus();
}

void Form1::cmdAUmlaut_Click() { typeLetter("ä"_w); }
void Form1::cmdOUmlaut_Click() { typeLetter("ö"_w); }
void Form1::cmdUUmlaut_Click() { typeLetter("ü"_w); }
void Form1::cmdScharfesS_Click() { typeLetter("ß"_w); }

void Form1::lblCofnij_Click() { WebBrowser1->goBack(); }
void Form1::lblNaprzod_Click() { WebBrowser1->goForward(); }

void Form1::WebBrowser1_NavigateError() {
    // A failed link selects the headword it names; a failure while doing so
    // (a page that cannot be shown) does not start another round.
    if (following_) return;
    following_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{following_};
    const int k = lstWort->listIndex();
    if (k < 0) return;
    std::string line;
    if (EntryFile::lineAt(program().folder() / "a.dat", k, line) != EntryFile::Result::Found) return;
    std::string w;
    if (!LinkTarget::of(line, w)) return;
    if (!lstWort->setText(w)) return;  // not in the list: nothing new is selected
    std::string sel = lstWort->text();
    if (!sel.empty() && sel[0] != w[0] && lstWort->listIndex() + 1 < lstWort->listCount())
        lstWort->setListIndex(lstWort->listIndex() + 1);
    if (lstWort->text() != w && lstWort->listIndex() - 2 >= 0) lstWort->setListIndex(lstWort->listIndex() - 2);
}

void Form1::Label1_Click() {
    if (strBaza == "a.dat") {
        strBaza = "x.dat";
        lstWort->clear();
        if (loadHeadwords("y.dat") < 0) warn("Nie można odczytać pliku y.dat z listą Twoich wyrazów."_w);
        Label12->setEnabled(true);
        Label1->setCaption("Baza programu");
    } else if (strBaza == "x.dat") {
        strBaza = "a.dat";
        lstWort->clear();
        if (loadHeadwords("b.dat") < 0) warn("Nie można odczytać pliku b.dat z listą haseł."_w);
        Label12->setEnabled(false);
        Label1->setCaption("Moja baza wyrazów"_w);
    }
}

void Form1::onUnload(bool&) { Form_Unload(); }

void Form1::Form_Unload() {
    Program& p = program();
    EntryPages(p.folder()).cleanUp(blnStronyHasel, p.blnListaHtml);
    if (!p.blnPrzeladowanie) forms::Application::end();
}

}  // namespace dictionary
