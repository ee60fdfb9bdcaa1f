// The print list: collecting headwords by double clicks, the page it
// writes and the window's life. The platform's page-setup and print dialogs
// are replaced by a recorder.
#include <gtest/gtest.h>

#include "browser/WebBrowser.h"
#include "dictionary/PrintCommands.h"
#include "dictionary/PrintList.h"
#include "dictionary/TestProgramFolder.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/ListBox.h"
#include "forms/WindowOrder.h"

using namespace dictionary;
using namespace text::literals;
namespace fs = std::filesystem;
namespace drive = forms::drive;

namespace {

const std::string kPrintAdvice =
    "W oknie Ustawienia strony wyczyść pola Nagłówek i Stopka, jeśli nie chcesz wydruku lokalizacji pliku na dysku "
    "i numeru strony. Możesz także ustawić inne parametry strony. Po wykonaniu tych czynności kliknij OK, aby "
    "wyświetlić okno drukowania."_w;

class PrintListWindow : public dictionary::testing::ProgramFolder {
protected:
    frmDrukuj& openList(Form1& f) {
        drive::click(*f.lblDrukuj);
        frmDrukuj& d = f.printing.printWindow();
        d.printPage = [this](browser::WebBrowser& b) { printed.push_back(b.locationPath()); };
        return d;
    }
    void choose(Form1& f, const std::string& headword) {
        ASSERT_TRUE(f.lstWort->setText(headword)) << headword;
        drive::doubleClick(*f.lstWort);
    }
    std::vector<std::string> printed;
};

TEST(PrintPage, IsOneLineOfTitleAndEntries) {
    EXPECT_EQ(PrintList::page(" 3", "Arial", "Moje", {"Haus <b>dom</b><br>", "Zug <b>x</b><br>"}),
              "<html><head></head><body bgcolor=white><center><font size= 3 face=Arial><b>Moje</b></center><br>"
              "Haus <b>dom</b><br>Zug <b>x</b><br></font></body></html>");
    EXPECT_EQ(PrintList::page("2", "Times New Roman", "", {}),
              "<html><head></head><body bgcolor=white><center><font size=2 face=Times New Roman><b></b></center><br>"
              "</font></body></html>");
    EXPECT_EQ(PrintList::sizes(), (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5", " 6"}));
}

TEST_F(PrintListWindow, OpensAtTheScreenCentreWithItsBoxesPreset) {
    Form1& f = open();
    frmDrukuj& d = openList(f);
    ASSERT_TRUE(d.isLoaded());
    EXPECT_TRUE(d.visible());
    EXPECT_TRUE(program->blnOknoDrukuj);
    EXPECT_TRUE(forms::isTopmost(d));
    EXPECT_EQ(d.caption(), "Drukuj leksykon");
    EXPECT_EQ(d.left(), forms::Application::screenWidth() / 2);
    EXPECT_EQ(d.top(), forms::Application::screenHeight() / 2);
    EXPECT_EQ(d.cmbCzcionka->text(), "Arial");
    EXPECT_EQ(d.cmbRozmiar->text(), "2");
    ASSERT_EQ(d.cmbRozmiar->listCount(), 6);
    EXPECT_EQ(d.cmbRozmiar->list(2), " 3");
    EXPECT_EQ(d.List1->listCount(), 0);
    // A second click only brings the open window forward.
    d.List1->addItem("Zug");
    drive::click(*f.lblDrukuj);
    EXPECT_EQ(d.List1->listCount(), 1);
}

TEST_F(PrintListWindow, DoubleClicksCollectHeadwordsAndTheirEntryLines) {
    Form1& f = open();
    // Closed: nothing is collected, the entry is still shown.
    choose(f, "Zug");
    EXPECT_FALSE(program->blnOknoDrukuj);
    frmDrukuj& d = openList(f);
    choose(f, "Haus");  // Hausarzt begins with Haus too
    choose(f, "Zug");
    choose(f, "Zug");   // twice chosen, twice listed
    EXPECT_EQ(d.List1->items(), (std::vector<std::string>{"Haus", "Zug", "Zug"}));
    EXPECT_EQ(d.List2->items(), (std::vector<std::string>{"Haus <i>das</i> <b>dom</b><br>",
                                                            "Hausarzt <i>der</i> <b>lekarz domowy</b><br>",
                                                            "Zug <i>der</i> <b>pociąg</b><br>"_w,
                                                            "Zug <i>der</i> <b>pociąg</b><br>"_w}));
    // The user's base: the headword is listed, but only a.dat is read.
    f.Label1_Click();
    choose(f, "Apfel");
    EXPECT_EQ(d.List1->listCount(), 4);
    EXPECT_EQ(d.List2->listCount(), 4);
    // The double click shows the entry as a click does.
    EXPECT_NE(f.WebBrowser1->locationPath().find("Apfel.html"), std::string::npos);
}

TEST_F(PrintListWindow, PrintingWritesShowsAndPrintsThePageThenCloses) {
    struct Case {
        const char* name;
        bool titled;
        std::string title, size;
        std::vector<std::string> chosen;
        std::string body;
    };
    const Case cases[] = {
        {"two headwords", true, "Moje słowa"_w, " 4", {"Zug", "Auto"},
         "<font size= 4 face=Arial><b>Moje słowa</b></center><br>Auto <i>das</i> <b>samochód</b><br>Zug <i>der</i> "
         "<b>pociąg</b><br></font>"_w},
        {"empty list", true, "Nic", "2", {}, "<font size=2 face=Arial><b>Nic</b></center><br></font>"},
        {"title cancelled", false, "", "2", {"Auto"},
         "<font size=2 face=Arial><b></b></center><br>Auto <i>das</i> <b>samochód</b><br></font>"_w},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        printed.clear();
        Form1& f = open();
        frmDrukuj& d = openList(f);
        for (const auto& w : c.chosen) choose(f, w);
        d.cmbRozmiar->setText(c.size);
        answers.clear();
        answers.answerInput(c.titled, c.title);
        drive::click(*d.Command1);
        ASSERT_EQ(answers.asked("input").size(), 1u);
        EXPECT_EQ(answers.asked("input")[0].text, "Nadaj tytuł liście słów do druku:"_w);
        EXPECT_EQ(answers.asked("input")[0].title, "Drukuj");
        EXPECT_EQ(read("lista.html"), "<html><head></head><body bgcolor=white><center>" + c.body + "</body></html>\r\n");
        const std::string page = fs::absolute(folder / "lista.html").string();
        EXPECT_EQ(f.WebBrowser1->locationPath(), page);
        EXPECT_EQ(messages(), std::vector<std::string>{kPrintAdvice});
        EXPECT_EQ(printed, std::vector<std::string>{page});
        EXPECT_FALSE(d.isLoaded());
        EXPECT_FALSE(program->blnOknoDrukuj);
        EXPECT_TRUE(program->blnListaHtml);
    }
}

TEST_F(PrintListWindow, ClosingDiscardsTheListAndTheCleanUpDeletesThePage) {
    Form1& f = open();
    frmDrukuj& d = openList(f);
    choose(f, "Auto");
    drive::closeByUser(d);
    EXPECT_FALSE(program->blnOknoDrukuj);
    choose(f, "Zug");  // closed: not collected
    openList(f);
    EXPECT_EQ(d.List1->listCount(), 0);
    EXPECT_EQ(d.cmbRozmiar->text(), "2");
    answers.answerInput(true, "T");
    drive::click(*d.Command1);
    ASSERT_TRUE(fs::exists(folder / "lista.html"));
    program->blnPrzeladowanie = true;  // unload without ending the test program
    f.unload();
    EXPECT_FALSE(fs::exists(folder / "lista.html"));
}

}  // namespace
