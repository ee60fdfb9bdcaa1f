// Language packs (transui.lng and the like) applied to two small forms with
// a component of each kind a pack re-captions.
#include <cstdlib>

#include "FuzzInput.h"
#include "files/FileSystem.h"
#include "forms/Action.h"
#include "forms/ActionList.h"
#include "forms/Application.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/MainMenu.h"
#include "forms/MenuItem.h"
#include "forms/SpeedButton.h"
#include "pageeditor/dialogs/LanguagePack.h"

namespace {

class PackForm : public forms::Form {
public:
    PackForm() : forms::Form("PackForm", forms::Scale::Pixels) {}

protected:
    void createControls() override {
        add<forms::Label>("Label1");
        add<forms::SpeedButton>("SpeedButton1");
        auto* menu = add<forms::MainMenu>("MainMenu1");
        add<forms::MenuItem>("Plik1", *menu);
        auto* actions = add<forms::ActionList>("ActionList1");
        add<forms::Action>("FileNew1", actions);
        add<forms::CheckBox>("CheckBox1");
        add<forms::ComboBox>("ComboBox1")->addItem("a,b");
    }
};

// Made once and never destroyed: they live as long as the application.
PackForm* a = nullptr;
PackForm* b = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_language_packs";
    static char* argv[] = {name, nullptr};
    new forms::Application(argc, argv);  // lives to the end of the run
    a = new PackForm;
    b = new PackForm;
    a->load();
    b->load();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto file = fuzzing::asFile(fuzzing::asText(data, size), "pack.lng");
    try {
        pageeditor::loadLANG(files::platformName(file), {a, b});
    } catch (const pageeditor::LanguagePackError&) {
    }
    return 0;
}
