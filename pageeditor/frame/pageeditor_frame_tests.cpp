// The editor frame over a recording control: the creation order its language
// pack relies on, the gate of the three command paths, the toolbar refresh
// with the one-time page-size marker, the pointer guard, and the pack itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <map>

#include "forms/Application.h"
#include "forms/ComboBox.h"
#include "forms/Form.h"
#include "forms/MenuItem.h"
#include "forms/Panel.h"
#include "forms/PopupMenu.h"
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "htmledit/Error.h"
#include "pageeditor/dialogs/LanguagePack.h"
#include "pageeditor/frame/ColorDialog.h"
#include "pageeditor/frame/FrameLanguagePack.h"
#include "pageeditor/frame/OpenDialog.h"
#include "pageeditor/frame/THTMLEdit.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace pageeditor;
using namespace text::literals;
using htmledit::CommandGroup;
using htmledit::Value;
namespace fs = std::filesystem;

namespace {

// A control that writes down what reaches it and answers as configured.
class RecordingDhtml : public DhtmlControl {
public:
    std::vector<std::string> log;
    std::map<int, int> status;                 // control command -> QueryStatus
    std::map<int, int> oleStatus;              // command target -> flags
    std::map<std::string, Value> values;       // queryCommandValue answers
    std::map<std::string, bool> failingValues; // queryCommandValue that fails
    std::string html = "<HTML><BODY></BODY></HTML>";
    int htmlReads = 0;
    bool target = true;
    bool failStatus = false;
    bool failLoad = false;
    std::vector<std::string> blockFormats{"Normal", "Heading 1"};
    std::string blockFormat = "Normal";
    htmledit::Events ev;

    void ExecCommand(int command, int, const Value&, Value*) override { log.push_back("exec " + std::to_string(command)); }
    int QueryStatus(int command) override {
        if (failStatus) throw htmledit::Error("status");
        auto it = status.find(command);
        return it == status.end() ? 1 : it->second;
    }
    void NewDocument() override { log.push_back("new"); }
    bool LoadDocument(const std::string& path, bool prompt) override {
        log.push_back("load " + path + (prompt ? " ask" : ""));
        if (failLoad) throw htmledit::Error("cannot read");
        return true;
    }
    bool SaveDocument(const std::string& path, bool prompt) override {
        log.push_back("save " + path + (prompt ? " ask" : ""));
        return true;
    }
    std::string DocumentHTML() override {
        ++htmlReads;
        return html;
    }
    bool isDirty() override { return false; }
    void focus() override {}
    int areaX = 150, areaY = 176, areaW = 600, areaH = 400;
    void screenRect(int& x, int& y, int& w, int& h) override {
        x = areaX;
        y = areaY;
        w = areaW;
        h = areaH;
    }
    Value queryCommandValue(const std::string& name) override {
        if (failingValues[name]) throw htmledit::Error("no value");
        auto it = values.find(name);
        return it == values.end() ? Value() : it->second;
    }
    void execCommand(const std::string& name, const Value& value) override {
        log.push_back("doc " + name + " " + value.toText());
        values[name] = value;
    }
    std::string selectionType() override { return "None"; }
    void pasteHTML(const std::string& h) override { log.push_back("paste " + h); }
    void replaceSelectedElement(const std::string& h) override { log.push_back("replace " + h); }
    bool hasCommandTarget() override { return target; }
    int execOle(CommandGroup group, int command, int option, const Value& input, Value* output) override {
        log.push_back(std::string(group == CommandGroup::Mshtml ? "ole " : "editor ") + std::to_string(command) +
                      " option " + std::to_string(option) + (input.isEmpty() ? "" : " " + input.toText()));
        if (output && command == htmledit::cmd::BlockFormatNames) *output = Value(blockFormats);
        if (output && command == htmledit::cmd::BlockFormat) *output = Value(blockFormat);
        return 0;
    }
    int queryOle(CommandGroup, int command) override {
        auto it = oleStatus.find(command);
        return it == oleStatus.end() ? 1 : it->second;
    }
    htmledit::Events& events() override { return ev; }
    htmledit::EditControl* engine() override { return nullptr; }

    // Only what the commands sent, not the status queries.
    void clear() { log.clear(); }
};

// A document window holding a frame over a recording control.
class Window : public forms::Form {
public:
    Window() : forms::Form("TMDIChild", forms::Scale::Pixels) {}
    THTMLEdit* frame = nullptr;
    RecordingDhtml* dhtml = nullptr;
    std::vector<std::pair<int, int>> sizes;

protected:
    void createControls() override {
        frame = THTMLEdit::create(*this, "HTMLEdit1", [this](forms::Form& f, forms::Control* in, forms::Control*& c) {
            c = f.add<forms::Panel>("DHTML", in);
            auto d = std::make_unique<RecordingDhtml>();
            dhtml = d.get();
            return std::unique_ptr<DhtmlControl>(std::move(d));
        });
        frame->sizeWindow = [this](int w, int h) { sizes.emplace_back(w, h); };
    }
};

class Frame : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "pageeditor_frame_tests";
        static char* argv[] = {arg0, nullptr};
        static forms::Application* app = new forms::Application(argc, argv);
        (void)app;
    }
    void SetUp() override {
        forms::setModal(&answers);
        window = std::make_unique<Window>();
        window->load();
    }
    void TearDown() override {
        window.reset();
        forms::setModal(nullptr);
    }
    THTMLEdit& f() { return *window->frame; }
    RecordingDhtml& d() { return *window->dhtml; }
    // The control reports the document loaded.
    void complete() {
        d().ev.documentComplete();
        d().clear();
    }

    forms::ScriptedAnswers answers;
    std::unique_ptr<Window> window;
};

// The frame's language pack addresses the components by these positions.
const std::vector<std::string> kComponents = {
    "pnlControl", "Bevel1", "btnNew", "btnOpen", "btnSave", "btnCut", "btnCopy", "btnPaste", "btnUndo", "btnRedo",
    "btnFind", "btnUnderline", "btnItalic", "btnBold", "btnColor", "btnNumList", "btnBullet", "btnDecreaseIndent",
    "btnIncreaseIndent", "btnAlignLeft", "btnCenter", "btnAlignRight", "btnHR", "btnImage", "btnUser1", "btnUser2",
    "btnUser3", "btnUser4", "SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5",
    "SpeedButton6", "SpeedButton7", "SpeedButton8", "SpeedButton9", "SpeedButton10", "SpeedButton11", "SpeedButton12",
    "cbFontName", "cbFontSize", "cbFontStyle", "ComboBox1", "DHTML", "cdColor", "odOpen", "odPicture",
    "PopupMenu1", "W1", "Wa1", "N3", "Komrka1", "Kolor1", "Wyrwnaniewpionie1", "Dogry1", "rodek1", "d1", "N1",
    "Wstaw1", "Obrazek1", "AnimacjFLASH1", "Film1", "Linipoziom1", "Animowanytekst1", "abelk1", "RamkIFRAME1",
    "Pywajcwarst1", "Ustawieniastrony1", "oikolory1", "Sowakluczowe1", "ytustrony1", "N2", "Kopiouj1", "Wytnij1",
    "Wklej1", "PopupMenu2", "N4", "Znaktowr1", "N5", "N6", "N7", "N8", "N9", "N10", "N11", "N12", "N13", "N14",
    "N15", "N16", "N17", "N19", "N18", "N20", "N21", "N22", "N23"};

TEST_F(Frame, ComponentsAreCreatedInTheOrderThePackAddresses) {
    std::vector<std::string> names;
    for (auto* c : f().components()) names.push_back(c->name());
    EXPECT_EQ(names, kComponents);
    // The frame is the window's first component (owner index 0 of the pack).
    EXPECT_EQ(window->components().front().get(), &f());
    const auto& c = f().components();
    for (int i = 2; i <= 39; ++i) EXPECT_NE(dynamic_cast<forms::SpeedButton*>(c[i]), nullptr) << i;
    for (int i = 40; i <= 43; ++i) EXPECT_NE(dynamic_cast<forms::ComboBox*>(c[i]), nullptr) << i;
    EXPECT_NE(dynamic_cast<ColorDialog*>(c[45]), nullptr);
    EXPECT_NE(dynamic_cast<OpenDialog*>(c[46]), nullptr);
    EXPECT_NE(dynamic_cast<forms::PopupMenu*>(c[48]), nullptr);
    EXPECT_NE(dynamic_cast<forms::PopupMenu*>(c[76]), nullptr);
    for (int i : {49, 75, 77, 97}) EXPECT_NE(dynamic_cast<forms::MenuItem*>(c[i]), nullptr) << i;
    EXPECT_EQ(f().cbFontSize->listCount(), 7);
    EXPECT_EQ(f().ComboBox1->list(2), "1280x1024");
}

TEST_F(Frame, ElementPropertiesIsTheContextMenusDefaultItem) {
    EXPECT_TRUE(f().W1->isDefault());
    for (forms::MenuItem* m : {f().Wa1, f().Komrka1}) EXPECT_FALSE(m->isDefault()) << m->name();
}

// Before the control reports the document complete, paths 1 and 3 send
// nothing; path 2 and the three formatting toggles still go.
TEST_F(Frame, DocumentReadyGatesTheControlAndNamedCommandsOnly) {
    struct Case {
        const char* what;
        std::function<void(THTMLEdit&)> act;
        std::vector<std::string> before;  // sent before DocumentComplete
        std::vector<std::string> after;   // sent once the document is ready
    };
    const std::vector<Case> cases = {
        {"copy", [](THTMLEdit& f) { f.btnCopyClick(); }, {}, {"exec 5002"}},
        {"cut", [](THTMLEdit& f) { f.btnCutClick(); }, {}, {"exec 5003"}},
        {"paste", [](THTMLEdit& f) { f.btnPasteClick(); }, {}, {"exec 5032"}},
        {"justify", [](THTMLEdit& f) { f.btnAlignRightClick(); }, {}, {"doc JustifyRight true"}},
        {"colour", [](THTMLEdit& f) { f.SetForeColor(0x0000FF); }, {}, {"doc ForeColor 255"}},
        {"font name", [](THTMLEdit& f) { f.SetFontName("Arial"); }, {}, {"doc FontName Arial"}},
        {"font size", [](THTMLEdit& f) { f.SetFontSize(5); }, {}, {"doc FontSize 5"}},
        {"undo", [](THTMLEdit& f) { f.btnUndoClick(); }, {"ole 43 option 2"}, {"ole 43 option 2"}},
        {"menu undo", [](THTMLEdit& f) { f.MenuUndo(); }, {"ole 43 option 2"}, {"ole 43 option 2"}},
        {"redo", [](THTMLEdit& f) { f.btnRedoClick(); }, {"ole 29 option 2"}, {"ole 29 option 2"}},
        {"menu redo", [](THTMLEdit& f) { f.MenuRedo(); }, {"editor 29 option 2"}, {"editor 29 option 2"}},
        {"numbered", [](THTMLEdit& f) { f.btnNumListClick(); }, {"ole 2184 option 2"}, {"ole 2184 option 2"}},
        {"bullets", [](THTMLEdit& f) { f.btnBulletClick(); }, {"ole 2185 option 2"}, {"ole 2185 option 2"}},
        {"indent", [](THTMLEdit& f) { f.btnIncreaseIndentClick(); }, {"ole 2186 option 2"}, {"ole 2186 option 2"}},
        {"outdent", [](THTMLEdit& f) { f.btnDecreaseIndentClick(); }, {"ole 2187 option 2"}, {"ole 2187 option 2"}},
        {"line", [](THTMLEdit& f) { f.btnHRClick(); }, {"ole 2150 option 1"}, {"ole 2150 option 1"}},
        {"find", [](THTMLEdit& f) { f.btnFindClick(); }, {"ole 67 option 1"}, {"ole 67 option 1"}},
        {"bold", [](THTMLEdit& f) { f.btnBoldClick(); }, {"exec 5000"}, {"exec 5000"}},
        {"italic", [](THTMLEdit& f) { f.btnItalicClick(); }, {"exec 5023"}, {"exec 5023"}},
        {"underline", [](THTMLEdit& f) { f.btnUnderlineClick(); }, {"exec 5048"}, {"exec 5048"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window = std::make_unique<Window>();
        window->load();
        for (int id : {5002, 5003, 5032}) d().status[id] = 3;
        ASSERT_TRUE(f().LoadDocument("page.html"));
        d().clear();
        c.act(f());
        EXPECT_EQ(d().log, c.before);
        complete();
        c.act(f());
        EXPECT_EQ(d().log, c.after);
    }
}

TEST_F(Frame, ControlCommandsGoOnlyWhenTheControlReportsThemEnabled) {
    complete();
    d().status[5002] = 1;  // supported, not enabled
    f().btnCopyClick();
    d().status[5002] = 2;  // one bit alone is not enough
    f().btnCopyClick();
    EXPECT_TRUE(d().log.empty());
    d().status[5002] = 3 | 4;
    f().btnCopyClick();
    EXPECT_EQ(d().log, std::vector<std::string>{"exec 5002"});
}

TEST_F(Frame, CommandTargetMissingSendsNothingAndReadsNoStatus) {
    complete();
    d().target = false;
    d().oleStatus[2184] = 2 | 4;
    EXPECT_EQ(f().ExecOleCommand(43, CommandGroup::Mshtml, false), 0);
    EXPECT_EQ(f().QueryOleCommand(2184, CommandGroup::Mshtml), 0);
    EXPECT_FALSE(f().GetNumbered());
    EXPECT_TRUE(d().log.empty());
}

TEST_F(Frame, SizeMarkerChoosesThePageSizeAndTheWindowSize) {
    struct Case {
        std::string html;
        int index;
        std::vector<std::pair<int, int>> sizes;
    };
    const std::vector<Case> cases = {
        {"<BODY>x<!--SIZE:1--></BODY>", 1, {{1024, 828}}},
        // Both markers: each found one is applied in turn, the last wins.
        {"<BODY><!--SIZE:2-->x<!--SIZE:0--></BODY>", 2, {{800, 660}, {1280, 1084}}},
        {"<BODY><!--size:1--></BODY>", -1, {}},
        {"<BODY>x</BODY>", -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        window = std::make_unique<Window>();
        window->load();
        d().html = c.html;
        complete();
        EXPECT_EQ(f().ComboBox1->listIndex(), c.index);
        EXPECT_EQ(window->sizes, c.sizes);
        EXPECT_TRUE(f().SizeMarkerRead);
        EXPECT_EQ(d().htmlReads, 1);
    }
}

TEST_F(Frame, SizeMarkerIsReadOncePerWindow) {
    d().html = "<BODY><!--SIZE:1--></BODY>";
    complete();
    EXPECT_EQ(f().ComboBox1->listIndex(), 1);
    // A second page in the same frame, with another marker: not read again.
    f().LoadDocument("other.html");
    d().html = "<BODY><!--SIZE:2--></BODY>";
    complete();
    f().DHTMLonclick();
    EXPECT_EQ(f().ComboBox1->listIndex(), 1);
    EXPECT_EQ(window->sizes.size(), 1u);
    EXPECT_EQ(d().htmlReads, 1);
    // A new document window reads its own.
    Window second;
    second.load();
    second.dhtml->html = "<BODY><!--SIZE:2--></BODY>";
    second.dhtml->ev.documentComplete();
    EXPECT_EQ(second.frame->ComboBox1->listIndex(), 2);
    EXPECT_EQ(second.sizes, (std::vector<std::pair<int, int>>{{1280, 1084}}));
}

TEST_F(Frame, CentredSelectionSendsNoJustifyCommandAndNoRefresh) {
    complete();
    d().values["JustifyCenter"] = Value(true);
    f().btnCenterClick();
    EXPECT_TRUE(d().log.empty());
    // Not centred: the command goes and the toolbar follows.
    d().values["JustifyCenter"] = Value(false);
    f().btnCenterClick();
    EXPECT_EQ(d().log, std::vector<std::string>{"doc JustifyCenter true"});
    EXPECT_TRUE(f().btnCenter->down());
    EXPECT_FALSE(f().btnAlignLeft->down());
}

TEST_F(Frame, UnreadableFontSizeAddsZeroInItsSortedPlace) {
    d().failingValues["FontSize"] = true;
    complete();
    ASSERT_EQ(f().cbFontSize->listCount(), 8);
    EXPECT_EQ(f().cbFontSize->list(0), "0");
    EXPECT_EQ(f().cbFontSize->text(), "0");
    // Read again: the list does not grow.
    f().UpdateToolbar();
    EXPECT_EQ(f().cbFontSize->listCount(), 8);
    // A readable size is selected among the items.
    d().failingValues["FontSize"] = false;
    d().values["FontSize"] = Value(4);
    f().UpdateToolbar();
    EXPECT_EQ(f().cbFontSize->text(), "4");
    EXPECT_EQ(f().cbFontSize->listCount(), 8);
}

TEST_F(Frame, ToolbarFollowsTheSelection) {
    d().status = {{5002, 3}, {5003, 1}, {5032, 3}};
    d().oleStatus = {{2184, 2 | 4}, {2185, 4}, {2234, 2}};
    d().values = {{"Bold", Value(true)}, {"Italic", Value()}, {"Underline", Value(true)},
                  {"JustifyRight", Value(true)}, {"FontName", Value("arial")}, {"FontSize", Value(3)}};
    d().blockFormat = "Heading 1";
    f().cbFontName->addItem("Arial");
    complete();
    EXPECT_TRUE(f().btnCopy->enabled());
    EXPECT_FALSE(f().btnCut->enabled());
    EXPECT_TRUE(f().btnPaste->enabled());
    EXPECT_TRUE(f().copyEnabled());
    EXPECT_FALSE(f().cutEnabled());
    EXPECT_TRUE(f().btnBold->down());
    EXPECT_FALSE(f().btnItalic->down());
    EXPECT_TRUE(f().btnUnderline->down());
    EXPECT_TRUE(f().btnNumList->down());
    EXPECT_FALSE(f().btnBullet->down());  // latched but not enabled
    EXPECT_TRUE(f().btnAlignRight->down());
    EXPECT_FALSE(f().btnAlignLeft->down());
    EXPECT_EQ(f().cbFontName->text(), "Arial");
    EXPECT_EQ(f().cbFontSize->text(), "3");
    EXPECT_EQ(f().cbFontStyle->text(), "Heading 1");
    // Selecting by the refresh sends no command of the lists.
    EXPECT_TRUE(d().log.empty());
}

TEST_F(Frame, StatusFailureEndsTheRefreshAndKeepsTheRest) {
    d().values["Bold"] = Value(true);
    complete();
    ASSERT_TRUE(f().btnBold->down());
    d().values["Bold"] = Value(false);
    d().failStatus = true;
    EXPECT_THROW(f().UpdateToolbar(), htmledit::Error);
    EXPECT_TRUE(f().btnBold->down());
    // From the control's click the failure is dropped.
    EXPECT_NO_THROW(d().ev.onclick());
    EXPECT_TRUE(f().modified);
}

TEST_F(Frame, BlockFormatsAreLoadedOnceAndSetByName) {
    complete();
    EXPECT_EQ(f().BlockFormats, (std::vector<std::string>{"Normal", "Heading 1"}));
    ASSERT_EQ(f().cbFontStyle->listCount(), 2);
    f().LoadDocument("next.html");
    complete();
    EXPECT_EQ(f().BlockFormats.size(), 2u);
    EXPECT_EQ(f().cbFontStyle->listCount(), 2);
    // The user picks a format: it is set, then the toolbar follows.
    d().oleStatus[2234] = 2;
    f().cbFontStyle->setListIndex(1);
    ASSERT_FALSE(d().log.empty());
    EXPECT_EQ(d().log.front(), "ole 2234 option 2 Heading 1");
}

TEST_F(Frame, FontListsSendWhatTheUserPicks) {
    complete();
    f().cbFontSize->setListIndex(f().cbFontSize->listCount() - 1);  // "7"
    EXPECT_EQ(d().log, std::vector<std::string>{"doc FontSize 7"});
    d().clear();
    f().cbFontName->addItem("Verdana");
    for (int i = 0; i < f().cbFontName->listCount(); ++i)
        if (f().cbFontName->list(i) == "Verdana") f().cbFontName->setListIndex(i);
    EXPECT_EQ(d().log, std::vector<std::string>{"doc FontName Verdana"});
}

TEST_F(Frame, ColourComesFromTheColourDialog) {
    complete();
    answers.answerColor(true, 0x00FF00);
    f().btnColorClick();
    EXPECT_EQ(d().log, std::vector<std::string>{"doc ForeColor 65280"});
    d().clear();
    answers.answerColor(false);
    f().btnColorClick();
    EXPECT_TRUE(d().log.empty());
}

TEST_F(Frame, LoadAndSaveTheDocumentWindowsPage) {
    complete();
    EXPECT_TRUE(f().DocumentReady);
    EXPECT_TRUE(f().LoadDocument("site\\index.html"));
    EXPECT_FALSE(f().DocumentReady);
    EXPECT_TRUE(f().SaveDocument("site\\index.html"));
    EXPECT_TRUE(f().SaveDocument(""));
    EXPECT_EQ(d().log, (std::vector<std::string>{"load site/index.html", "save site/index.html", "save  ask"}));
    d().failLoad = true;
    EXPECT_FALSE(f().LoadDocument("missing.html"));
    f().NewDocument();
    EXPECT_FALSE(f().DocumentReady);
}

TEST_F(Frame, OpenButtonLoadsOnlyAnExistingPage) {
    fs::path dir = fs::temp_directory_path() / ("frame_open_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::path page = dir / "strona ż.html";
    text::writeFile(page, "<HTML></HTML>");
    auto utf8 = [](const fs::path& p) {
        auto u = p.u8string();
        return std::string(u.begin(), u.end());
    };
    answers.answerFile(true, utf8(dir / "missing.html"));
    answers.answerFile(false);
    answers.answerFile(true, utf8(page));
    for (int i = 0; i < 3; ++i) f().btnOpenClick();
    // The control gets the file's name in Windows-1250.
    std::string name;
    ASSERT_TRUE(text::fromUtf8(utf8(page), name));
    EXPECT_EQ(d().log, std::vector<std::string>{"load " + name});
    EXPECT_EQ(answers.asked("file").front().text, "");
    fs::remove_all(dir);
}

TEST_F(Frame, ClicksAndKeysMarkTheFrameModified) {
    complete();
    EXPECT_FALSE(f().modified);
    d().ev.onkeyup(65);
    EXPECT_TRUE(f().modified);
    f().clearModified();
    d().ev.onclick();
    EXPECT_TRUE(f().modified);
    d().ev.onmouseover();
    EXPECT_TRUE(f().MouseOverEditor());
    d().ev.onmouseout();
    EXPECT_FALSE(f().MouseOverEditor());
}

TEST_F(Frame, InsertHtmlPastesAtTheSelection) {
    f().InsertHTML("&copy;");
    EXPECT_EQ(d().log, std::vector<std::string>{"paste &copy;"});
}

TEST_F(Frame, PointerGuardBringsAStrayPointerIntoTheEditingArea) {
    const int L = 150, T = 176, W = 600, H = 400;
    struct Case {
        int x, y;
        bool moved;
    };
    const std::vector<Case> cases = {
        {L, T, false},         {L + W, T + H, false},     {L - 1, T + 10, true},
        {L + 10, T - 1, true}, {L + W + 1, T + 10, true}, {L + 10, T + H + 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        std::vector<std::pair<int, int>> moves;
        f().readPointer = [&c](int& x, int& y) {
            x = c.x;
            y = c.y;
        };
        f().movePointer = [&moves](int x, int y) { moves.emplace_back(x, y); };
        d().ev.onkeydown(65);
        if (c.moved)
            EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{L + 40, T + 100}}));
        else
            EXPECT_TRUE(moves.empty());
    }
}

// ---------------------------------------------------------------------------
// The frame's language pack.

class FramePack : public Frame {
protected:
    fs::path write(const std::vector<std::string>& utf8Lines) {
        fs::path p = fs::temp_directory_path() / ("frame_pack_" + std::to_string(::getpid()) + ".lng");
        std::vector<std::string> lines;
        for (const auto& l : utf8Lines) lines.push_back(text::ansi(l));
        text::writeLines(p, lines);
        return p;
    }
    std::string nameOf(const fs::path& p) { return p.string(); }
};

TEST_F(FramePack, ShippedPackRecaptionsTheFrame) {
    fs::path shipped = fs::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "Pagewright" / "data" / "lang" / "pl" /
                       "transui2.lng";
    ASSERT_TRUE(fs::exists(shipped));
    std::string fontItem = f().cbFontName->listCount() ? f().cbFontName->list(0) : "";
    LoadDHTML(shipped.string(), *window);
    EXPECT_EQ(f().btnRedo->hint(), "Ponów"_w);
    EXPECT_EQ(f().btnUndo->caption(), "");
    EXPECT_EQ(f().btnBold->caption(), "B");
    EXPECT_EQ(f().SpeedButton3->hint(), "Kolory i tło strony"_w);
    EXPECT_EQ(f().cbFontSize->toolTip(), "Rozmiar czcionki");
    EXPECT_EQ(f().cbFontSize->listCount(), 7);
    EXPECT_EQ(f().ComboBox1->list(1), "1024x768");
    EXPECT_EQ(f().odOpen->filter, "Strony WWW|*.htm;*.html");
    EXPECT_EQ(f().odOpen->title, "Otwórz stronę"_w);
    EXPECT_EQ(f().odPicture->title, "Wybierz obrazek");
    EXPECT_EQ(f().cbFontName->listCount() ? f().cbFontName->list(0) : "", fontItem);
}

TEST_F(FramePack, ListOfTheFontNamesIsLeftAlone) {
    auto p = write({"h", "t", "#Win:", "0", "", "", "40", "A,B", "hint", "41", "\"1 a\",\"x\"\"y\" z", "h", "}"});
    int fonts = f().cbFontName->listCount();
    LoadDHTML(nameOf(p), *window);
    EXPECT_EQ(f().cbFontName->listCount(), fonts);
    ASSERT_EQ(f().cbFontSize->listCount(), 3);
    EXPECT_EQ(f().cbFontSize->list(0), "1 a");
    fs::remove(p);
}

TEST_F(FramePack, BadPacksEndTheRoutineKeepingWhatWasApplied) {
    struct Case {
        const char* what;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"component outside the frame", {"h", "t", "#Win:", "0", "", "", "13", "F", "", "98", "x", "", "}"}},
        {"index not a number", {"h", "t", "#Win:", "0", "", "", "13", "F", "", "x1", "x", "", "}"}},
        {"owner that is not the frame", {"h", "t", "#Win:", "0", "", "", "13", "F", "", "}", "", "", "#Win:", "1", "",
                                         "", "0", "x", "", "}"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window = std::make_unique<Window>();
        window->load();
        auto p = write(c.lines);
        EXPECT_THROW(LoadDHTML(nameOf(p), *window), LanguagePackError);
        EXPECT_EQ(f().btnBold->caption(), "F");
        fs::remove(p);
    }
    EXPECT_THROW(LoadDHTML("/nonexistent/transui2.lng", *window), LanguagePackError);
}

TEST(CommaText, SplitsAsThePackWritesLists) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"1,2,3", {"1", "2", "3"}},
        {"800x600,1024x768", {"800x600", "1024x768"}},
        {"a b", {"a", "b"}},
        {"\"a b\",\"c,d\"", {"a b", "c,d"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"", {}},
    };
    for (const auto& [line, items] : cases) EXPECT_EQ(splitCommaText(line), items) << line;
}

}  // namespace

TEST_F(FramePack, WrittenPackReadsBackToTheSameCaptionsAndCoversTheShippedOne) {
    fs::path p = fs::temp_directory_path() / ("frame_saved_" + std::to_string(::getpid()) + ".lng");
    SaveDHTML(nameOf(p), *window);
    std::vector<std::string> lines;
    ASSERT_TRUE(text::readLines(p, lines));
    EXPECT_EQ(lines[0], "[Verbatrix Language Translation PACK: US English v 1.5]");
    EXPECT_EQ(lines[1], "");
    // The font list is the screen's own: not written.
    std::size_t fonts = 0;
    while (f().components()[fonts] != f().cbFontName) ++fonts;
    for (std::size_t i = 6; i + 2 < lines.size() && lines[i] != "}"; i += 3) EXPECT_NE(lines[i], std::to_string(fonts));
    std::string redo = f().btnRedo->hint(), sizes = f().cbFontSize->list(0), filter = f().odOpen->filter;
    f().btnRedo->setHint("?");
    f().cbFontSize->clear();
    f().odOpen->filter = "?";
    LoadDHTML(nameOf(p), *window);
    EXPECT_EQ(f().btnRedo->hint(), redo);
    EXPECT_EQ(f().cbFontSize->list(0), sizes);
    EXPECT_EQ(f().odOpen->filter, filter);

    // Every component the writer gives a caption or hint is in the shipped pack.
    fs::path shipped = fs::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "Pagewright" / "data" / "lang" / "pl" /
                       "transui2.lng";
    std::vector<std::string> pack;
    ASSERT_TRUE(text::readLines(shipped, pack));
    std::set<std::string> covered;
    for (std::size_t i = 2; i < pack.size(); ++i)
        if (pack[i] == "#Win:")
            for (i += 4; i < pack.size() && pack[i] != "}"; i += 3) covered.insert(pack[i]);
    // Left out on purpose: the paragraph-style list, filled with the
    // control's block formats at run time, and the special-character menu,
    // whose items are captioned with the characters they insert.
    std::set<std::string> own;
    bool specialCharacters = false;
    for (std::size_t k = 0; k < f().components().size(); ++k) {
        specialCharacters = specialCharacters || f().components()[k] == f().N4;
        if (specialCharacters || f().components()[k] == f().cbFontStyle) own.insert(std::to_string(k));
    }
    for (std::size_t i = 6; i + 2 < lines.size() && lines[i] != "}"; i += 3)
        if ((!lines[i + 1].empty() || !lines[i + 2].empty()) && !own.count(lines[i]))
            EXPECT_TRUE(covered.count(lines[i])) << "component " << lines[i] << " \"" << lines[i + 1] << "\" / \""
                                                 << lines[i + 2] << "\" is not in the shipped pack";
    fs::remove(p);
}
