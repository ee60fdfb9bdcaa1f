#include "dictionary/PageCommands.h"

#include "dictionary/Form1.h"
#include "dictionary/Program.h"
#include "forms/Label.h"
#include "shell/Shell.h"
#include "text/Paths.h"

namespace dictionary {

PageCommands::~PageCommands() { viewer_.unload(); }

void PageCommands::createControls(Form1& f) {
    if (f.Label10) f.Label10->onClick = [this] { Label10_Click(); };
    if (f.Label8) f.Label8->onClick = [this] { Label8_Click(); };
    if (f.Label4) f.Label4->onClick = [this] { Label4_Click(); };
    if (f.Label5) f.Label5->onClick = [this] { Label5_Click(); };
}

void PageCommands::Label10_Click() { viewer_.open(frmGramm::Page::Links); }
void PageCommands::Label8_Click() { viewer_.open(frmGramm::Page::Pronunciation); }
void PageCommands::Label4_Click() { viewer_.open(frmGramm::Page::Grammar); }

void PageCommands::Label5_Click() {
    // The result is not examined: the desktop reports its own failures.
    shell::execute("Open", text::pathText(Program::current().folder() / "pomoc.html"), "", "", shell::kShowNormal);
}

}  // namespace dictionary
