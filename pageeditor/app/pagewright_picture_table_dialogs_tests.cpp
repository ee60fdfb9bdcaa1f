// The picture and table dialogs driven as the user works them, headless,
// with a site open: checks on OK, the resize advice and the scaled copies,
// the copy into the site's media folder, the values shown on opening, and
// the table dialog's regeneration question.
#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <functional>

#include "files/FileSystem.h"
#include "forms/Application.h"
#include "forms/CheckBox.h"
#include "forms/Image.h"
#include "forms/Drive.h"
#include "forms/Panel.h"
#include "forms/ScriptedAnswers.h"
#include "forms/SpeedButton.h"
#include "forms/TextBox.h"
#include "image/Picture.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/dialogs/Tinsertimg.h"
#include "pageeditor/dialogs/Tinstbl.h"
#include "pageeditor/core/TextRoutines.h"
#include "registry/Registry.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace pageeditor;
using namespace text::literals;
namespace fs = std::filesystem;

namespace {

fs::path shippedFolder() { return fs::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "Pagewright"; }

std::string bytesOf(const fs::path& p) {
    std::string s;
    text::readFile(p, s);
    return s;
}

class Dialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "pagewright_picture_table_dialogs_tests";
        static char* argv[] = {arg0, nullptr};
        static forms::Application* app = new forms::Application(argc, argv);  // lives to the end of the run
        (void)app;
    }
    void SetUp() override {
        tmp = fs::temp_directory_path() / ("pw_dialogs_" + std::to_string(::getpid()));
        fs::remove_all(tmp);
        dir = tmp / "Pagewright";
        fs::create_directories(dir / "webpages" / "Strona" / "data");
        fs::create_directories(dir / "zdjecia");
        fs::copy(shippedFolder() / "data", dir / "data", fs::copy_options::recursive);
        registry::setPath(tmp / "registry");
        forms::setModal(&answers);
        TMainForm::setProgramFolder(dir.string());
        all = std::make_unique<EditorForms>();
        all->createAll();
        all->MainForm->site_name = "Strona";
        Tinsertimg::LastPicture().clear();
    }
    void TearDown() override {
        forms::drive::setModalHook(nullptr);
        all.reset();
        forms::setModal(nullptr);
        registry::setPath({});
        fs::remove_all(tmp);
    }
    // An editor name for a file below the program folder.
    std::string name(const fs::path& rel) const { return files::platformName(dir / rel); }
    void jpeg(const fs::path& rel, int w, int h) {
        ASSERT_TRUE(image::Picture::filled(w, h, 0x00336699).saveJpeg(dir / rel));
    }
    void bmp(const fs::path& rel, int w, int h) { ASSERT_TRUE(image::Picture::filled(w, h, 0x00112233).saveBmp(dir / rel)); }
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& a : answers.asked("message")) out.push_back(a.text);
        return out;
    }
    // Opens the dialog modally; `act` runs inside it and must close it.
    void inDialog(forms::Form& f, std::function<void()> act) {
        forms::drive::setModalHook([act](forms::Form& shown) {
            forms::drive::processEvents();
            // Pictures of the dialogs, when a folder for them is named.
            if (const char* out = std::getenv("PAGEWRIGHT_SCREENSHOTS"))
                forms::drive::saveScreenshot(shown, (fs::path(out) / (shown.name() + ".png")).string());
            act();
            if (shown.modalResult() == 0) shown.setModalResult(2);
        });
        f.showModal();
        forms::drive::setModalHook(nullptr);
    }

    Tinsertimg& img() { return *all->insertimg; }
    Tinstbl& tbl() { return *all->instbl; }

    fs::path tmp, dir;
    forms::ScriptedAnswers answers;
    std::unique_ptr<EditorForms> all;
};

TEST_F(Dialogs, PictureOkNeedsANameAndWholeNumbers) {
    Tinsertimg& d = img();
    d.Edit971->setText("");
    d.SpeedButton1Click();
    EXPECT_EQ(d.modalResult(), 0);
    d.Edit971->setText("a.jpg");
    d.SpinEdit2->setText("szeroki");
    d.SpeedButton1Click();
    EXPECT_EQ(d.modalResult(), 0);
    d.SpinEdit2->setText("120");
    d.SpinEdit1->setText("");
    d.SpeedButton1Click();
    EXPECT_EQ(d.modalResult(), 0);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Musisz podać nazwę pliku obrazka."_w,
                                                    "Obramowanie i rozmiar obrazka muszą być liczbami całkowitymi."_w,
                                                    "Obramowanie i rozmiar obrazka muszą być liczbami całkowitymi."_w}));
    EXPECT_EQ(answers.asked("message")[0].title, "Informacja:");
}

TEST_F(Dialogs, ResizeAdviceFollowsTheChosenPicture) {
    jpeg("zdjecia/duzy.jpg", 800, 600);
    jpeg("zdjecia/rowny.jpg", 640, 480);
    bmp("zdjecia/szeroki.gif", 900, 10);  // read by its contents, judged by its name
    Tinsertimg& d = img();
    struct Case {
        const char* file;
        long width;
        bool advised;
    };
    const Case cases[] = {{"duzy.jpg", 800, true}, {"rowny.jpg", 640, false}, {"szeroki.gif", 900, false},
                          {"duzy.jpg", 800, true}};
    for (const Case& c : cases) {
        d.Edit971->setText(name(fs::path("zdjecia") / c.file));
        EXPECT_EQ(d.SpinEdit2->value(), c.width) << c.file;
        EXPECT_EQ(d.resizePanelShown(), c.advised) << c.file;
    }
    // A name that finds no file (typing on) or a file that is no picture
    // changes nothing.
    text::writeFile(dir / "zdjecia" / "tekst.jpg", "nie obrazek");
    for (const char* other : {"zdjecia/du", "zdjecia/tekst.jpg"}) {
        d.Edit971->setText(name(other));
        EXPECT_TRUE(d.resizePanelShown()) << other;
        EXPECT_EQ(d.SpinEdit2->value(), 800) << other;
        EXPECT_EQ(d.previewFile(), name("zdjecia/duzy.jpg")) << other;
    }
}

TEST_F(Dialogs, ScaledCopiesAreWrittenBesideTheSourceAndReplaceAnEarlierCopy) {
    jpeg("zdjecia/a.jpg", 1024, 768);
    const std::string original = bytesOf(dir / "zdjecia" / "a.jpg");
    Tinsertimg& d = img();
    struct Case {
        void (Tinsertimg::*link)();
        const char* copy;
        int w, h;
    };
    const Case cases[] = {{&Tinsertimg::Label10Click, "m_a.jpg", 640, 480},
                          {&Tinsertimg::Label11Click, "s_a.jpg", 320, 240},
                          {&Tinsertimg::Label12Click, "min_a.jpg", 100, 75},
                          // Asked again: the earlier copy of that name is replaced.
                          {&Tinsertimg::Label11Click, "s_a.jpg", 320, 240}};
    for (const Case& c : cases) {
        if (fs::exists(dir / "zdjecia" / c.copy)) text::writeFile(dir / "zdjecia" / c.copy, "an earlier copy");
        d.Edit971->setText(name("zdjecia/a.jpg"));
        ASSERT_TRUE(d.resizePanelShown());
        (d.*c.link)();
        image::Picture p = image::Picture::load(dir / "zdjecia" / c.copy);
        ASSERT_FALSE(p.isNull()) << c.copy;
        EXPECT_EQ(p.width(), c.w) << c.copy;
        EXPECT_EQ(p.height(), c.h) << c.copy;
        EXPECT_EQ(d.Edit971->text(), name(fs::path("zdjecia") / c.copy));
        EXPECT_EQ(d.SpinEdit2->value(), c.w);
        EXPECT_FALSE(d.resizePanelShown());
        EXPECT_FALSE(d.Image1->visible());
    }
    EXPECT_EQ(bytesOf(dir / "zdjecia" / "a.jpg"), original);
    EXPECT_EQ(image::Picture::load(dir / "zdjecia" / "s_a.jpg").width(), 320);
    EXPECT_FALSE(fs::exists(dir / "zdjecia" / "s_a_1.jpg"));

    // A bitmap gets a bitmap copy.
    bmp("zdjecia/b.bmp", 700, 500);
    d.Edit971->setText(name("zdjecia/b.bmp"));
    d.Label11Click();
    EXPECT_EQ(bytesOf(dir / "zdjecia" / "s_b.bmp").substr(0, 2), "BM");
    // A GIF gets nothing, though the name field takes the prefixed name.
    bmp("zdjecia/c.gif", 700, 500);
    d.Edit971->setText(name("zdjecia/c.gif"));
    d.Label11Click();
    EXPECT_FALSE(fs::exists(dir / "zdjecia" / "s_c.gif"));
    EXPECT_EQ(d.Edit971->text(), name("zdjecia/s_c.gif"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(Dialogs, ScaledCopyOfAPictureNamedInTheMediaFolderStaysThere) {
    jpeg("webpages/Strona/data/w.jpg", 900, 600);
    Tinsertimg& d = img();
    d.Edit971->setText("w.jpg");
    ASSERT_EQ(d.SpinEdit2->value(), 900);
    d.Label11Click();
    EXPECT_EQ(d.Edit971->text(), "s_w.jpg");
    EXPECT_EQ(image::Picture::load(dir / "webpages" / "Strona" / "data" / "s_w.jpg").width(), 320);
    EXPECT_FALSE(fs::exists("s_w.jpg"));
}

TEST_F(Dialogs, ScaledCopyThatCannotBeWrittenIsReported) {
    jpeg("zdjecia/a.jpg", 1024, 768);
    Tinsertimg& d = img();
    d.Edit971->setText(name("zdjecia/a.jpg"));
    // The folder goes away while the dialog shows its picture.
    fs::remove_all(dir / "zdjecia");
    d.Label11Click();
    EXPECT_EQ(messages(), std::vector<std::string>{"Nie udało się zapisać pomniejszonej kopii obrazka."_w});
    EXPECT_EQ(d.Edit971->text(), name("zdjecia/a.jpg"));
}

TEST_F(Dialogs, OkCopiesThePictureIntoTheSiteAndShowingConvertsBack) {
    jpeg("zdjecia/a.jpg", 200, 100);
    Tinsertimg& d = img();
    d.Edit971->setText(name("zdjecia/a.jpg"));
    d.Edit972->setText("Świat źródeł"_w);
    d.SpeedButton1Click();
    EXPECT_EQ(d.modalResult(), 1);
    EXPECT_EQ(d.Edit971->text(), "a.jpg");
    EXPECT_EQ(d.Edit972->text(), iso("Świat źródeł"_w));
    EXPECT_EQ(d.ImageWidth, 200);
    EXPECT_EQ(d.ImageHeight, 100);
    EXPECT_EQ(bytesOf(dir / "webpages" / "Strona" / "data" / "a.jpg"), bytesOf(dir / "zdjecia" / "a.jpg"));

    // Opening again: the description in Windows-1250, a file:// name cut,
    // the style size of the last image read back in the size fields.
    d.Edit971->setText("file:///strona/data/a.jpg");
    d.StyleWidth = "120px";
    d.StyleHeight = "80px";
    inDialog(d, [&] {
        EXPECT_EQ(d.Edit972->text(), "Świat źródeł"_w);
        EXPECT_EQ(d.Edit971->text(), "/strona/data/a.jpg");
        EXPECT_EQ(d.SpinEdit2->value(), 120);
        EXPECT_EQ(d.SpinEdit3->value(), 80);
        d.SpeedButton2Click();
    });
    EXPECT_EQ(d.modalResult(), 2);
    // A style width that is no number ends the show handler there.
    d.StyleWidth = "auto";
    d.SpinEdit3->setValue(5);
    inDialog(d, [&] { EXPECT_EQ(d.SpinEdit3->value(), 5); });
}

TEST_F(Dialogs, BrowsingChoosesAndPreviewsAPicture) {
    jpeg("zdjecia/nowy.jpg", 300, 200);
    Tinsertimg& d = img();
    answers.answerFile(true, (dir / "zdjecia" / "nowy.jpg").string());
    d.SpeedButton3Click();
    EXPECT_EQ(Tinsertimg::LastPicture(), name("zdjecia/nowy.jpg"));
    EXPECT_EQ(d.Edit971->text(), name("zdjecia/nowy.jpg"));
    EXPECT_EQ(d.SpinEdit2->value(), 300);
    EXPECT_EQ(d.SpinEdit3->value(), 200);
    ASSERT_EQ(answers.asked("file").size(), 1u);
    EXPECT_EQ(answers.asked("file")[0].text, "Obrazek:");
    // Cancelled: nothing changes.
    answers.answerFile(false);
    d.SpeedButton3Click();
    EXPECT_EQ(d.Edit971->text(), name("zdjecia/nowy.jpg"));
}

TEST_F(Dialogs, DialogsShowTheirValuesKeptFromTheLastUse) {
    jpeg("zdjecia/duzy.jpg", 1024, 768);
    Tinsertimg& d = img();
    d.Edit971->setText(name("zdjecia/duzy.jpg"));
    d.Edit972->setText("Opis");
    inDialog(d, [&] {
        EXPECT_TRUE(d.resizePanelShown());
        d.SpeedButton2Click();
    });
    tbl().SpinEdit1->setValue(3);
    tbl().SpinEdit2->setValue(2);
    inDialog(tbl(), [&] { tbl().SpeedButton2Click(); });
    // Opened again, they show what they held.
    inDialog(d, [&] {
        EXPECT_EQ(d.Edit971->text(), name("zdjecia/duzy.jpg"));
        EXPECT_EQ(d.Edit972->text(), "Opis");
        EXPECT_EQ(d.SpinEdit2->value(), 1024);
        d.SpeedButton2Click();
    });
    inDialog(tbl(), [&] {
        EXPECT_EQ(tbl().SpinEdit1->value(), 3);
        EXPECT_EQ(tbl().SpinEdit2->value(), 2);
        tbl().SpeedButton2Click();
    });
}

TEST_F(Dialogs, NegativeNumbersBecomeZero) {
    for (SpinEdit* s : {img().SpinEdit1, img().SpinEdit2, img().SpinEdit3, tbl().SpinEdit1, tbl().SpinEdit2,
                        tbl().SpinEdit3, tbl().SpinEdit4, tbl().SpinEdit5}) {
        s->setText("-4");
        EXPECT_EQ(s->text(), "0") << s->name();
    }
}

TEST_F(Dialogs, TableAsksBeforeChangedCountsDropTheContents) {
    Tinstbl& d = tbl();
    d.TableEditMode = 1;
    d.OrigRows = 2;
    d.OrigCols = 3;
    d.SpinEdit1->setValue(4);
    d.SpinEdit2->setValue(3);
    answers.answerMessage(forms::mb::No);
    d.SpeedButton1Click();
    EXPECT_EQ(d.modalResult(), 0);
    EXPECT_EQ(d.SpinEdit1->value(), 2);
    EXPECT_EQ(d.SpinEdit2->value(), 3);
    ASSERT_EQ(answers.asked("message").size(), 1u);
    EXPECT_EQ(answers.asked("message")[0].title, "Pytanie:");

    d.SpinEdit2->setValue(1);
    answers.answerMessage(forms::mb::Yes);
    d.SpeedButton1Click();
    EXPECT_EQ(d.modalResult(), 1);

    // Unchanged counts, or a new table, never ask.
    answers.clear();
    d.setModalResult(0);
    d.SpinEdit2->setValue(3);
    d.SpeedButton1Click();
    d.TableEditMode = 0;
    d.SpinEdit1->setValue(9);
    d.SpeedButton1Click();
    EXPECT_EQ(d.modalResult(), 1);
    EXPECT_TRUE(answers.asked("message").empty());
}

TEST_F(Dialogs, TableRefusesBadNumbersAndHugeTables) {
    Tinstbl& d = tbl();
    d.TableEditMode = 0;
    d.SpinEdit1->setValue(3);
    d.SpinEdit2->setValue(2);
    d.SpinEdit4->setText("x");
    d.SpeedButton1Click();
    EXPECT_EQ(d.modalResult(), 0);
    d.SpinEdit4->setValue(0);
    d.SpinEdit1->setValue(100000);
    d.SpinEdit2->setValue(100000);
    d.SpeedButton1Click();
    EXPECT_EQ(d.modalResult(), 0);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Wartości tabelki muszą być liczbami całkowitymi."_w,
                                                    "Tabelka może mieć najwyżej 10000 komórek."_w}));
}

TEST_F(Dialogs, TableColourBoxTakesAChosenColourOrNone) {
    Tinstbl& d = tbl();
    answers.answerColor(true, 0x000000FF);
    d.Panel1Click();
    EXPECT_EQ(util_getcolor(d.color()), "#FF0000");
    answers.answerColor(false);
    d.Panel1Click();
    EXPECT_EQ(d.color(), 0x000000FFu);
    d.SpeedButton3Click();
    EXPECT_EQ(util_getcolor(d.color()), "");
}

}  // namespace
