#include "dictionary/frmAbout.h"

#include "com/ComLibrary.h"
#include "com/OleControl.h"
#include "dictionary/AboutLinks.h"
#include "dictionary/Program.h"
#include "forms/Application.h"
#include "forms/Label.h"
#include "forms/ModalAnswers.h"
#include "text/CodePage.h"

namespace dictionary {

using text::ansi;

frmAbout::frmAbout() : forms::Form("frmAbout") {}

std::string frmAbout::versionLine(int major, int minor, int revision) {
    return "Wersja " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision) +
           " Kompilacja 02.05.2003";
}

namespace {
forms::Font arial(double size, bool bold, bool italic) {
    forms::Font f;
    f.name = "Arial";
    f.size = size;
    f.bold = bold;
    f.italic = italic;
    f.charset = 238;
    return f;
}

// Creates one link; a library that is missing or not registered leaves the
// place empty and says so once per opening.
void createLink(com::OleControl* c, std::vector<com::PropertyBag::Entry> entries, bool& told) {
    com::PropertyBag bag(std::move(entries));
    com::HRESULT hr = c->create(kLinkClass, &bag);
    if (com::succeeded(hr) || told) return;
    told = true;
    forms::modal().messageBox(ansi("Nie można pokazać odnośników w oknie „O programie”: biblioteka kontrolek "
                                   "zorbLink.ocx nie jest zarejestrowana albo nie ma jej pliku.") +
                                  "\r\n" + com::describe(hr),
                              forms::Application::title(), forms::mb::Exclamation);
}
}  // namespace

void frmAbout::createControls() {
    setCaption("O programie");
    setBorder(Border::Fixed);
    setMinButton(false);
    setMaxButton(false);
    setBackColor(0xFFFFFF);
    setClientSize(5895, 2445);

    zorbLink1 = add<com::OleControl>("zorbLink1");
    zorbLink1->move(135, 135, 2325, 375);
    lblTitle = add<forms::Label>("lblTitle");
    lblTitle->move(135, 450, 5685, 420);
    lblTitle->setFont(arial(15.75, false, true));
    lblTitle->setForeColor(0x000000);
    lblTitle->setCaption(Program::title());
    lblVersion = add<forms::Label>("lblVersion");
    lblVersion->move(675, 765, 4380, 270);
    lblVersion->setFont(arial(12, true, true));
    lblVersion->setAlignment(forms::Alignment::Center);
    lblDescription = add<forms::Label>("lblDescription");
    lblDescription->move(1620, 1125, 2670, 255);
    lblDescription->setFont(arial(9.75, true, true));
    lblDescription->setForeColor(0x000000);
    lblDescription->setAlignment(forms::Alignment::Center);
    lblDescription->setCaption(ansi("© 2003 Wortel"));
    zorbLink2 = add<com::OleControl>("zorbLink2");
    zorbLink2->move(1890, 1395, 2085, 270);
    Label1 = add<forms::Label>("Label1");
    Label1->move(630, 1710, 4875, 825);
    Label1->setFont(arial(8.25, false, false));
    Label1->setCaption(ansi("Słownik testowali: Anna Nowak, Jan Kowalski i Piotr Wiśniewski. Dziękujemy też "
                            "wszystkim, którzy przysyłali nam swoje uwagi i nowe słowa."));

    bool told = false;
    createLink(zorbLink1, zorbLink1Properties(), told);
    createLink(zorbLink2, zorbLink2Properties(), told);

    zorbLink1->setTabIndex(0);
    zorbLink2->setTabIndex(1);
    lblVersion->setTabIndex(2);
    lblDescription->setTabIndex(3);
    lblTitle->setTabIndex(4);
    Label1->setTabIndex(5);
    centre();
}

void frmAbout::onLoad() {
    // A missing icon file leaves the window's default icon.
    setIcon(forms::Application::programFolder() + "/ikona.ico");
    lblVersion->setCaption(versionLine(Program::VersionMajor, Program::VersionMinor, Program::VersionRevision));
}

void frmAbout::onUnload(bool&) {
    if (onClosed) onClosed();
}

}  // namespace dictionary
