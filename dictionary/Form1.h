#pragma once
// The lookup window: the headword list, the search box with the German
// letters, the entry browser, the browser history and link following, the
// base switch and the clean-up of the entry pages.
#include <cstdint>
#include <string>
#include <vector>

#include "browser/WebBrowser.h"
#include "dictionary/LookupChrome.h"
#include "dictionary/LookupMenu.h"
#include "dictionary/PageCommands.h"
#include "dictionary/PrintCommands.h"
#include "dictionary/UpdateCommands.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/PictureBox.h"
#include "forms/Shape.h"
#include "forms/TextBox.h"

namespace dictionary {

class Form1 : public forms::Form {
public:
    Form1();

    // Controls (valid while the window is loaded).
    forms::Label* lblTytul = nullptr;
    forms::TextBox* Text1 = nullptr;
    forms::ListBox* lstWort = nullptr;
    forms::PictureBox* Picture1 = nullptr;
    forms::CommandButton* cmdAUmlaut = nullptr;
    forms::CommandButton* cmdOUmlaut = nullptr;
    forms::CommandButton* cmdUUmlaut = nullptr;
    forms::CommandButton* cmdScharfesS = nullptr;
    browser::WebBrowser* WebBrowser1 = nullptr;
    forms::Label* lblPorada = nullptr;
    forms::Label* lblIloscWyrazow = nullptr;
    forms::Image* Image1 = nullptr;
    // The command labels and their frames.
    forms::Label *Label4 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label6 = nullptr,
                 *Label5 = nullptr, *Label2 = nullptr, *lblCofnij = nullptr, *lblNaprzod = nullptr,
                 *Label12 = nullptr, *lblDrukuj = nullptr, *Label3 = nullptr, *Label7 = nullptr, *Label1 = nullptr;
    forms::Shape *shp1 = nullptr, *shp2 = nullptr, *Shape7 = nullptr, *Shape8 = nullptr, *Shape4 = nullptr,
                 *Shape5 = nullptr, *Shape6 = nullptr, *shpCofnij = nullptr, *shpNaprzod = nullptr,
                 *Shape11 = nullptr, *Shape1 = nullptr, *Shape2 = nullptr, *Shape3 = nullptr, *Shape9 = nullptr;

    // Window state (kept across a reload of the window).
    std::string strBaza = "a.dat";
    bool blnStronyHasel = false;
    std::int16_t intLicznikBackspace = 0;

    // Handlers.
    void Form_Load();
    void Form_Unload();
    void lstWort_Click();
    void lstWort_KeyDown(int& keyCode, int shift);
    void Text1_Change();
    void Text1_KeyDown(int& keyCode, int shift);
    void Text1_KeyPress(int& keyAscii);
    void cmdAUmlaut_Click();
    void cmdOUmlaut_Click();
    void cmdUUmlaut_Click();
    void cmdScharfesS_Click();
    void lblCofnij_Click();
    void lblNaprzod_Click();
    void WebBrowser1_NavigateError();
    void Label1_Click();

    // Headword loading: every line of a headword file into lstWort; the
    // number of lines, or -1 when the file cannot be read.
    long loadHeadwords(const std::string& file);

    // The tray icon, the about window and the abbreviation list.
    LookupChrome chrome;
    // The command labels' look, the hint line, the reverse search and the
    // editor of the user's words.
    LookupMenu menu;
    // The update checks, the print list, and the page viewer and help.
    UpdateCommands updates;
    PrintCommands printing;
    PageCommands pages;

protected:
    void createControls() override;
    void onLoad() override { Form_Load(); }
    void onUnload(bool& cancel) override;
    void onQueryUnload(bool& cancel, bool fromUser) override;
    void onMouseMove(int, int, float, float) override { menu.Form_MouseMove(); }

private:
    void typeLetter(const std::string& letter);
    void placeCommandLabels();
    bool following_ = false;
    bool keepSelection_ = false;
    bool pageWriteWarned_ = false;
};

}  // namespace dictionary
