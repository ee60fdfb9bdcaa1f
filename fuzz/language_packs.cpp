// Language packs (transui.lng and the like) applied to two small forms with
// a component of each kind a pack re-captions, and of the kinds it leaves
// alone. The pack the forms then write, read into two other forms, must
// make them write it again unchanged.
#include <cstdio>
#include <cstdlib>

#include "FuzzApplication.h"
#include "FuzzInput.h"
#include "files/FileSystem.h"
#include "forms/Action.h"
#include "forms/ActionList.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/MainMenu.h"
#include "forms/MenuItem.h"
#include "forms/PageControl.h"
#include "forms/Panel.h"
#include "forms/SpeedButton.h"
#include "forms/TabSheet.h"
#include "forms/TextBox.h"
#include "forms/ToolBar.h"
#include "forms/ToolButton.h"
#include "pageeditor/dialogs/FileChooser.h"
#include "pageeditor/dialogs/LanguagePack.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "text/LineFile.h"

namespace {

class PackForm : public forms::Form {
public:
    PackForm() : forms::Form("PackForm", forms::Scale::Pixels) {}

protected:
    void createControls() override {
        add<forms::Label>("Label1");
        add<forms::SpeedButton>("SpeedButton1");
        auto* menu = add<forms::MainMenu>("MainMenu1");
        auto* plik = add<forms::MenuItem>("Plik1", *menu);
        auto* actions = add<forms::ActionList>("ActionList1");
        auto* fileNew = add<forms::Action>("FileNew1", actions);
        add<forms::CheckBox>("CheckBox1");
        add<forms::ComboBox>("ComboBox1")->addItem("a,b");
        add<forms::CommandButton>("Button1");
        auto* bar = add<forms::ToolBar>("ToolBar1");
        add<forms::ToolButton>("ToolButton1", *bar);
        auto* pages = add<forms::PageControl>("PageControl1");
        add<forms::TabSheet>("TabSheet1", *pages);
        add<forms::Panel>("Panel1");
        add<forms::TextBox>("Edit1");
        add<pageeditor::FileChooser>("OpenDialog1", "Strony (*.html)|*.html", "Wybierz plik:");
        add<pageeditor::SpinEdit>("SpinEdit1", nullptr, 0, 100, 5);
        add<forms::MenuItem>("Akcja1", *plik)->setAction(*fileNew);  // shown through its command
    }
};

// Made once and never destroyed: they live as long as the application.
std::vector<forms::Form*> first;  // the forms the input is applied to
std::vector<forms::Form*> again;  // the forms the pack they write is applied to

std::string bytesOf(const std::filesystem::path& file) {
    std::string s;
    text::readFile(file, s);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startApplication();
    for (auto* list : {&first, &again})
        for (int i = 0; i < 2; ++i) {
            auto* f = new PackForm;
            f->load();
            list->push_back(f);
        }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto file = fuzzing::asFile(fuzzing::asText(data, size), "pack.lng");
    try {
        pageeditor::loadLANG(files::platformName(file), first);
    } catch (const pageeditor::LanguagePackError&) {
    }
    auto written = fuzzing::scratch() / "written.lng";
    auto rewritten = fuzzing::scratch() / "rewritten.lng";
    pageeditor::SaveLANG(files::platformName(written), first);
    try {
        pageeditor::loadLANG(files::platformName(written), again);
    } catch (const pageeditor::LanguagePackError& e) {
        std::fprintf(stderr, "language packs: a written pack does not read back: %s\n", e.what());
        std::abort();
    }
    pageeditor::SaveLANG(files::platformName(rewritten), again);
    if (bytesOf(written) != bytesOf(rewritten)) {
        std::fprintf(stderr, "language packs: a written pack read back writes another\n");
        std::abort();
    }
    return 0;
}
