#include "dictionary/frmSplash.h"

#include "dictionary/Form1.h"
#include "dictionary/Program.h"
#include "text/CodePage.h"

namespace dictionary {

using namespace text::literals;

frmSplash::frmSplash() : Form("frmSplash") {}

void frmSplash::createControls() {
    setBorder(Border::None);
    setClientSize(5400, 3000);
    setBackColor(forms::color::White);
    setCaption(Program::title());

    shpFrame = add<forms::Shape>("shpFrame");
    shpFrame->move(0, 0, 5400, 3000);
    shpFrame->setBorderColor(forms::color::rgb(38, 70, 140));
    shpFrame->setBorderWidth(2);

    forms::Font title{"Arial", 26, true, true};
    lblTitle = add<forms::Label>("lblTitle");
    lblTitle->move(300, 360, 4800, 700);
    lblTitle->setFont(title);
    lblTitle->setForeColor(forms::color::rgb(38, 70, 140));
    lblTitle->setAlignment(forms::Alignment::Center);
    lblTitle->setCaption(Program::title());

    lblSubtitle = add<forms::Label>("lblSubtitle");
    lblSubtitle->move(300, 1080, 4800, 330);
    lblSubtitle->setFont({"Arial", 12, false, false});
    lblSubtitle->setAlignment(forms::Alignment::Center);
    lblSubtitle->setCaption("Słownik niemiecko-polski"_w);

    lblVersion = add<forms::Label>("lblVersion");
    lblVersion->move(300, 1530, 4800, 270);
    lblVersion->setFont({"Arial", 9.75, true});
    lblVersion->setAlignment(forms::Alignment::Center);

    lblPlatform = add<forms::Label>("lblPlatform");
    lblPlatform->move(300, 1830, 4800, 270);
    lblPlatform->setFont({"Arial", 8.25});
    lblPlatform->setAlignment(forms::Alignment::Center);
    lblPlatform->setCaption("dla Windows 9x/NT 4.0/ME/2000/XP");

    lblMaker = add<forms::Label>("lblMaker");
    lblMaker->move(300, 2250, 4800, 240);
    lblMaker->setFont({"Arial", 8.25});
    lblMaker->setAlignment(forms::Alignment::Center);
    lblMaker->setCaption("Opracowanie programu: zespół Wortel"_w);

    lblBase = add<forms::Label>("lblBase");
    lblBase->move(300, 2520, 4800, 240);
    lblBase->setFont({"Arial", 8.25});
    lblBase->setAlignment(forms::Alignment::Center);
    lblBase->setCaption("Baza wyrazów: FreeDict / WikDict (CC BY-SA 3.0)"_w);

    Timer1 = add<forms::Timer>("Timer1", 500, true);
    Timer1->onTimer = [this] { Timer1_Timer(); };
}

void frmSplash::onLoad() {
    lblVersion->setCaption("Wersja " + std::to_string(Program::VersionMajor) + "." +
                           std::to_string(Program::VersionMinor) + "." + std::to_string(Program::VersionRevision));
    centre();
}

void frmSplash::Timer1_Timer() {
    // The timer belongs to this window: note what is needed before unloading it.
    Form1& main = Program::current().form1();
    unload();
    main.show();
    // The timer went with the window, so it never fires again.
    if (main.Text1) main.Text1->setFocus();
}

}  // namespace dictionary
