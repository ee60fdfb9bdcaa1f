#include "dictionary/PrintCommands.h"

#include "dictionary/Form1.h"
#include "dictionary/Program.h"
#include "forms/Application.h"
#include "forms/Label.h"
#include "forms/ListBox.h"

namespace dictionary {

PrintCommands::~PrintCommands() { print_.unload(); }

void PrintCommands::createControls(Form1& f) {
    form_ = &f;
    if (f.lblDrukuj) f.lblDrukuj->onClick = [this] { lblDrukuj_Click(); };
    if (f.lstWort) f.lstWort->onDblClick = [this] { lstWort_DblClick(); };
}

void PrintCommands::lblDrukuj_Click() {
    // The window's top-left corner at the centre of the screen.
    print_.load();
    print_.move(forms::Application::screenWidth() / 2, forms::Application::screenHeight() / 2);
    print_.show();
}

void PrintCommands::lstWort_DblClick() {
    if (!Program::current().blnOknoDrukuj || !print_.isLoaded() || !form_ || !form_->lstWort) return;
    if (form_->lstWort->listIndex() < 0) return;
    print_.addHeadword(form_->lstWort->text());
}

}  // namespace dictionary
