#pragma once
// The print-list window "Drukuj leksykon": the headwords chosen by double
// clicks in the lookup window's list, the font and size of the page, and the
// button that writes lista.html, shows it in the lookup window's browser and
// prints it. It stays above other windows while open; closing it (printing
// closes it too) discards the list.
#include <functional>
#include <string>

#include "forms/Form.h"

namespace browser {
class WebBrowser;
}
namespace forms {
class ComboBox;
class CommandButton;
class Frame;
class Label;
class ListBox;
class TextBox;
}  // namespace forms

namespace dictionary {

class frmDrukuj : public forms::Form {
public:
    frmDrukuj();

    forms::Frame *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr;
    forms::ListBox* List1 = nullptr;  // the chosen headwords
    forms::ComboBox* cmbCzcionka = nullptr;
    forms::ComboBox* cmbRozmiar = nullptr;
    forms::Label* Label1 = nullptr;
    forms::CommandButton* Command1 = nullptr;
    forms::ListBox* List2 = nullptr;  // their entry lines, hidden
    forms::TextBox* Text1 = nullptr;  // the page text, hidden

    // Adds a headword and the entry lines of a.dat that begin with it.
    void addHeadword(const std::string& headword);

    void Form_Load();
    void Command1_Click();
    void Form_Unload();

    // Runs the browser's page setup and print dialogs on the page shown;
    // tests put their own in place of the platform's dialogs.
    std::function<void(browser::WebBrowser&)> printPage;

protected:
    void createControls() override;
    void onLoad() override { Form_Load(); }
    void onUnload(bool&) override { Form_Unload(); }
};

}  // namespace dictionary
