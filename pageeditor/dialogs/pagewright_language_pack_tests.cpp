// Language packs read and written against small forms: the title line, line
// breaks in labels, the end of a block, bad indexes, and a round trip.
#include <gtest/gtest.h>

#include <filesystem>

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
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "pageeditor/dialogs/LanguagePack.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace pageeditor;
using namespace text::literals;
namespace fs = std::filesystem;

namespace {

class SmallForm : public forms::Form {
public:
    SmallForm() : forms::Form("SmallForm", forms::Scale::Pixels) {}
    forms::Label* Label1 = nullptr;
    forms::SpeedButton* SpeedButton1 = nullptr;
    forms::MainMenu* MainMenu1 = nullptr;
    forms::MenuItem* Plik1 = nullptr;
    forms::ActionList* ActionList1 = nullptr;
    forms::Action* FileNew1 = nullptr;
    forms::CheckBox* CheckBox1 = nullptr;
    forms::ComboBox* ComboBox1 = nullptr;

protected:
    void createControls() override {
        setCaption("Okno");
        Label1 = add<forms::Label>("Label1");                    // 0
        Label1->setCaption("Etykieta");
        SpeedButton1 = add<forms::SpeedButton>("SpeedButton1");  // 1
        SpeedButton1->setCaption("&OK");
        SpeedButton1->setHint("Zatwierdza");
        MainMenu1 = add<forms::MainMenu>("MainMenu1");           // 2
        Plik1 = add<forms::MenuItem>("Plik1", *MainMenu1);       // 3
        Plik1->setCaption("&Plik");
        ActionList1 = add<forms::ActionList>("ActionList1");     // 4
        FileNew1 = add<forms::Action>("FileNew1", ActionList1);  // 5
        FileNew1->setCaption("&Nowy");
        FileNew1->setHint("Nowy|Nowa strona");
        CheckBox1 = add<forms::CheckBox>("CheckBox1");           // 6
        CheckBox1->setCaption("Zawsze");
        ComboBox1 = add<forms::ComboBox>("ComboBox1");           // 7
        for (const char* item : {"", "/www", "dwa słowa", "a,b", "cytat \"x\""}) ComboBox1->addItem(text::ansi(item));
    }
};

class LanguagePackTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "pagewright_language_pack_tests";
        static char* argv[] = {arg0, nullptr};
        static forms::Application* app = new forms::Application(argc, argv);  // lives to the end of the run
        (void)app;
    }
    void SetUp() override {
        dir = fs::temp_directory_path() / ("pw_pack_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        forms::Application::setTitle("Sitecraft");
        a.load();
        b.load();
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string pack(const std::vector<std::string>& lines) {
        fs::path p = dir / "pack.lng";
        text::writeLines(p, lines);
        return files::platformName(p);
    }
    std::vector<forms::Form*> owned() { return {&a, &b}; }

    fs::path dir;
    SmallForm a, b;
};

}  // namespace

TEST_F(LanguagePackTest, TwoLinesChangeTheTitleAndNothingElse) {
    loadLANG(pack({"[pack]", "Nowy tytuł"}), owned());
    EXPECT_EQ(forms::Application::title(), "Nowy tytuł");
    EXPECT_EQ(a.caption(), "Okno");
    EXPECT_EQ(a.Label1->caption(), "Etykieta");
}

TEST_F(LanguagePackTest, BlocksAddressFormsAndComponentsByPosition) {
    loadLANG(pack({"[pack]", "Title", "skipped line", "#Win:", "1", "Window", "", "0", "First|second", "",
                   "1", "&Yes", "Confirms", "3", "&File", "", "5", "&New", "New|A new page",
                   "6", "&Always", "Tick", "7", "one,\"two words\", three", "List", "}", "", "",
                   // A block ended by "}" and two empty lines: the third is skipped before the next block.
                   "#Win:", "0", "Other", "", "1", "x", "y", "}", ""}),
             owned());
    EXPECT_EQ(b.caption(), "Window");
    EXPECT_EQ(b.Label1->caption(), "First\nsecond") << "| is a line break in labels";
    EXPECT_EQ(b.SpeedButton1->caption(), "&Yes");
    EXPECT_EQ(b.SpeedButton1->hint(), "Confirms");
    EXPECT_EQ(b.Plik1->caption(), "&File");
    EXPECT_EQ(b.FileNew1->caption(), "&New");
    EXPECT_EQ(b.FileNew1->hint(), "New|A new page");
    EXPECT_EQ(b.CheckBox1->caption(), "&Always");
    EXPECT_EQ(b.CheckBox1->toolTip(), "Tick");
    ASSERT_EQ(b.ComboBox1->listCount(), 3);
    EXPECT_EQ(b.ComboBox1->list(1), "two words");
    EXPECT_EQ(b.ComboBox1->list(2), "three");
    EXPECT_EQ(b.ComboBox1->toolTip(), "List");
    EXPECT_EQ(a.caption(), "Other");
    EXPECT_EQ(a.SpeedButton1->caption(), "x");
    EXPECT_EQ(a.Label1->caption(), "Etykieta");
}

TEST_F(LanguagePackTest, TranslatedListKeepsTheChoiceTheFormMade) {
    struct Case {
        int chosen;
        std::string items;
        int kept;
    } cases[] = {
        {2, "jeden,dwa,trzy,cztery", 2},
        {0, "jeden,dwa", 0},
        {4, "jeden,dwa", -1},  // the choice is no longer in the list
        {-1, "jeden,dwa", -1},
    };
    for (const auto& c : cases) {
        b.ComboBox1->clear();
        for (const char* item : {"high", "low", "auto low", "auto high", "x"}) b.ComboBox1->addItem(item);
        b.ComboBox1->setListIndex(c.chosen);
        loadLANG(pack({"[pack]", "T", "#Win:", "1", "Okno", "", "7", c.items, "", "}", ""}), owned());
        EXPECT_EQ(b.ComboBox1->listIndex(), c.kept) << c.items;
        if (c.kept >= 0) EXPECT_EQ(b.ComboBox1->text(), b.ComboBox1->list(c.kept)) << c.items;
    }
}

TEST_F(LanguagePackTest, BadIndexesEndTheRoutineKeepingWhatWasApplied) {
    struct Case {
        std::vector<std::string> tail;
    } cases[] = {
        {{"#Win:", "0", "A", "", "1", "applied", "", "99", "x", "", "}"}},      // component outside the list
        {{"#Win:", "0", "A", "", "1", "applied", "", "", "x", "", "}"}},        // empty component index
        {{"#Win:", "0", "A", "", "1", "applied", "", "1a", "x", "", "}"}},      // not a number
        {{"#Win:", "0", "A", "", "1", "applied", "", "#Win:", "7", "B", ""}},    // truncated block
    };
    forms::ScriptedAnswers answers;
    forms::setModal(&answers);
    for (auto& c : cases) {
        a.SpeedButton1->setCaption("&OK");
        std::vector<std::string> lines{"[pack]", "T"};
        lines.insert(lines.end(), c.tail.begin(), c.tail.end());
        EXPECT_THROW(loadLANG(pack(lines), owned()), LanguagePackError);
        EXPECT_EQ(a.SpeedButton1->caption(), "applied");
    }
    EXPECT_THROW(loadLANG(pack({"[pack]", "T", "#Win:", "2", "no such form", ""}), owned()), LanguagePackError);
    EXPECT_THROW(loadLANG(files::platformName(dir / "missing.lng"), owned()), LanguagePackError);
    // A bad pack ends quietly: no box with a bare line count reaches the user.
    EXPECT_TRUE(answers.asked("message").empty());
    forms::setModal(nullptr);
}

TEST_F(LanguagePackTest, APackThatCannotBeSavedSaysWhyAndKeepsTheOldOne) {
    std::string path = files::platformName(dir / "saved.lng");
    ASSERT_TRUE(text::writeFile(dir / "saved.lng", "[old pack]\r\n"));
    files::setReadOnly(dir / "saved.lng", true);
    try {
        SaveLANG(path, owned());
        ADD_FAILURE() << "saved over a read-only pack";
    } catch (const LanguagePackError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Nie można zapisać pliku "_w + path + ": plik lub folder jest tylko do odczytu."_w);
    }
    std::string now;
    text::readFile(dir / "saved.lng", now);
    EXPECT_EQ(now, "[old pack]\r\n");
    files::setReadOnly(dir / "saved.lng", false);
}

TEST_F(LanguagePackTest, WritingAndReadingBackLeavesEveryCaption) {
    b.Label1->setCaption("Dwie\nlinie");
    std::string path = files::platformName(dir / "saved.lng");
    SaveLANG(path, owned());
    std::vector<std::string> lines;
    ASSERT_TRUE(text::readLines(dir / "saved.lng", lines));
    EXPECT_EQ(lines[0], "[Verbatrix Language Translation PACK: US English v 1.5]");
    EXPECT_EQ(lines[1], "Sitecraft");
    // Change everything, read the pack back, and every caption returns.
    for (SmallForm* f : {&a, &b}) {
        f->setCaption("?");
        f->Label1->setCaption("?");
        f->SpeedButton1->setCaption("?");
        f->Plik1->setCaption("?");
        f->FileNew1->setCaption("?");
        f->CheckBox1->setCaption("?");
        f->ComboBox1->clear();
    }
    forms::Application::setTitle("?");
    loadLANG(path, owned());
    EXPECT_EQ(forms::Application::title(), "Sitecraft");
    EXPECT_EQ(a.caption(), "Okno");
    EXPECT_EQ(b.Label1->caption(), "Dwie\nlinie");
    EXPECT_EQ(a.SpeedButton1->caption(), "&OK");
    EXPECT_EQ(a.SpeedButton1->hint(), "Zatwierdza");
    EXPECT_EQ(b.Plik1->caption(), "&Plik");
    EXPECT_EQ(b.FileNew1->caption(), "&Nowy");
    EXPECT_EQ(b.FileNew1->hint(), "Nowy|Nowa strona");
    EXPECT_EQ(a.CheckBox1->caption(), "Zawsze");
    std::vector<std::string> items;
    for (int i = 0; i < b.ComboBox1->listCount(); ++i) items.push_back(b.ComboBox1->list(i));
    EXPECT_EQ(items, (std::vector<std::string>{"", "/www", "dwa słowa"_w, "a,b", "cytat \"x\""}));
}
