#include "dictionary/frmDrukuj.h"

#include "browser/WebBrowser.h"
#include "dictionary/Form1.h"
#include "dictionary/PrintList.h"
#include "dictionary/Program.h"
#include "dictionary/SetZOrder.h"
#include "files/FileSystem.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/ModalAnswers.h"
#include "forms/ScreenFonts.h"
#include "forms/TextBox.h"
#include "text/CodePage.h"

namespace dictionary {

using namespace text::literals;

frmDrukuj::frmDrukuj() : forms::Form("frmDrukuj") {
    printPage = [](browser::WebBrowser& b) {
        b.execCommand(browser::WebBrowser::PageSetup, false);
        b.execCommand(browser::WebBrowser::Print, true);
    };
}

void frmDrukuj::createControls() {
    setCaption("Drukuj leksykon");
    setBorder(Border::Fixed);
    setMinButton(false);
    setMaxButton(false);
    setClientSize(5670, 4260);
    const forms::Font arial{"Arial", 8.25};

    Frame1 = add<forms::Frame>("Frame1");
    Frame1->move(120, 90, 2655, 3375);
    Frame1->setCaption("Lista słów"_w);
    List1 = add<forms::ListBox>("List1", Frame1, true);
    List1->move(120, 270, 2415, 2985);
    List1->setFont(arial);

    Frame2 = add<forms::Frame>("Frame2");
    Frame2->move(2895, 90, 2655, 735);
    Frame2->setCaption("Czcionka");
    cmbCzcionka = add<forms::ComboBox>("cmbCzcionka", Frame2, forms::ComboBox::Style::DropDown, true);
    cmbCzcionka->move(120, 300, 2415, 315);

    Frame3 = add<forms::Frame>("Frame3");
    Frame3->move(2895, 915, 2655, 735);
    Frame3->setCaption("Wielkość czcionki (pkt. HTML)"_w);
    cmbRozmiar = add<forms::ComboBox>("cmbRozmiar", Frame3, forms::ComboBox::Style::DropDown, false);
    cmbRozmiar->move(120, 300, 2415, 315);

    Label1 = add<forms::Label>("Label1");
    Label1->move(2895, 1740, 2655, 1245);
    Label1->setWordWrap(true);
    Label1->setCaption("Dodaj do listy słowa, klikając dwukrotnie odpowiednie hasła na liście w oknie głównym "
                       "programu, wybierz wielkość i krój czcionki i kliknij przycisk Drukuj."_w);

    Command1 = add<forms::CommandButton>("Command1");
    Command1->move(3690, 3060, 1215, 405);
    Command1->setCaption("Drukuj");
    Command1->onClick = [this] { Command1_Click(); };

    List2 = add<forms::ListBox>("List2", nullptr, true);
    List2->move(120, 3600, 2655, 450);
    List2->setVisible(false);
    Text1 = add<forms::TextBox>("Text1");
    Text1->move(2895, 3600, 2655, 315);
    Text1->setVisible(false);
}

void frmDrukuj::Form_Load() {
    Program& p = Program::current();
    setIcon((p.folder() / "ikona.ico").string());
    p.blnOknoDrukuj = true;
    SetZOrder(*this, 1);
    for (const auto& font : forms::screenFonts()) cmbCzcionka->addItem(font);
    cmbCzcionka->setText("Arial");
    for (const auto& size : PrintList::sizes()) cmbRozmiar->addItem(size);
    cmbRozmiar->setText("2");
}

void frmDrukuj::addHeadword(const std::string& headword) {
    List1->addItem(headword);
    List2->addItems(PrintList::entryLines(Program::current().folder() / "a.dat", headword));
}

void frmDrukuj::Command1_Click() {
    Program& p = Program::current();
    std::string title;
    if (!forms::modal().inputBox("Nadaj tytuł liście słów do druku:"_w, "Drukuj", "", title)) title.clear();
    Text1->setText(PrintList::page(cmbRozmiar->text(), cmbCzcionka->text(), title, List2->items()));
    const auto page = p.folder() / "lista.html";
    if (!files::writeFile(page, Text1->text() + "\r\n")) {
        forms::modal().messageBox("Nie można zapisać strony do druku lista.html w folderze programu."_w, "",
                                  forms::mb::Exclamation);
        return;
    }
    p.blnListaHtml = true;  // the clean-up deletes it, printed or not
    Form1& f = p.form1();
    if (!f.isLoaded() || !f.WebBrowser1) return;
    f.WebBrowser1->navigate(page.string());
    forms::modal().messageBox(
        "W oknie Ustawienia strony wyczyść pola Nagłówek i Stopka, jeśli nie chcesz wydruku lokalizacji pliku na "
        "dysku i numeru strony. Możesz także ustawić inne parametry strony. Po wykonaniu tych czynności kliknij OK, "
        "aby wyświetlić okno drukowania."_w,
        "", forms::mb::OkOnly);
    if (printPage) printPage(*f.WebBrowser1);
    Text1->setText("");
    hide();
    unload();
}

void frmDrukuj::Form_Unload() { Program::current().blnOknoDrukuj = false; }

}  // namespace dictionary
