#include <gtest/gtest.h>

#include <QApplication>

#include <filesystem>

#include "browser/WebBrowser.h"
#include "forms/Application.h"
#include "forms/TestApplication.h"
#include "forms/Form.h"
#include "forms/ModalProbe.h"
#include "forms/QtAccess.h"
#include "forms/WindowOrder.h"
#include "forms/ScriptedAnswers.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace text::literals;
namespace fs = std::filesystem;

namespace {

class Host : public forms::Form {
public:
    Host() : Form("Host") {}
    browser::WebBrowser* web = nullptr;

protected:
    void createControls() override {
        web = add<browser::WebBrowser>("WebBrowser1");
        web->move(0, 0, 3000, 3000);
    }
};

class BrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::setModal(&answers);
        dir = fs::temp_directory_path() / ("browser_tests_" + std::to_string(::getpid()));
        fs::create_directories(dir / "wyrazy");
        host.show();
        host.web->onNavigateError = [this](const std::string& url) { errors.push_back(url); };
    }
    void TearDown() override {
        host.unload();
        forms::setModal(nullptr);
        fs::remove_all(dir);
    }
    std::string put(const std::string& name, const std::string& bytes) {
        text::writeFile(dir / name, bytes);
        return (dir / name).string();
    }
    forms::ScriptedAnswers answers;
    Host host;
    fs::path dir;
    std::vector<std::string> errors;
};

TEST_F(BrowserTest, HistoryGoesBackAndForwardAndFailsAtItsEnds) {
    auto& w = *host.web;
    EXPECT_FALSE(w.goBack());
    EXPECT_FALSE(w.goForward());
    std::string a = put("a.html", "<p>A</p>"), b = put("b.html", "<p>B</p>"), c = put("c.html", "<p>C</p>");
    ASSERT_TRUE(w.navigate(a));
    ASSERT_TRUE(w.navigate(b));
    EXPECT_FALSE(w.goForward());
    EXPECT_TRUE(w.goBack());
    EXPECT_EQ(w.locationPath(), a);
    EXPECT_FALSE(w.goBack());
    EXPECT_TRUE(w.goForward());
    EXPECT_EQ(w.locationPath(), b);
    // A new page after going back drops the pages ahead.
    w.goBack();
    w.navigate(c);
    EXPECT_FALSE(w.goForward());
    EXPECT_TRUE(errors.empty());
}

TEST_F(BrowserTest, CharacterSetOfThePage) {
    struct Case {
        std::string bytes;
        std::string shown;  // UTF-8
    };
    const Case cases[] = {
        {"<p>" + "żółw Mädchen"_w + "</p>", "żółw Mädchen"},  // no declaration: Windows-1250
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\"><p>\xB6\xB1</p>", "śą"},
        {"<meta charset=\"utf-8\"><p>żółw</p>", "żółw"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(host.web->navigate(put("p.html", c.bytes)));
        EXPECT_NE(host.web->plainText().find(c.shown), std::string::npos) << host.web->plainText();
    }
    // A page under another extension is shown as HTML too.
    ASSERT_TRUE(host.web->navigate(put("3.dat", "<b>Witaj</b>")));
    EXPECT_EQ(host.web->plainText(), "Witaj");
}

TEST_F(BrowserTest, MissingTargetsRaiseNavigateError) {
    auto& w = *host.web;
    EXPECT_FALSE(w.navigate((dir / "none.html").string()));
    ASSERT_EQ(errors.size(), 1u);

    // A link whose target names no file, resolved against the page's folder.
    ASSERT_TRUE(w.navigate(put("wyrazy/Haus.html", "<a href=essen>essen</a>")));
    w.followLink("essen");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[1].find("wyrazy/essen"), std::string::npos);

    // A link to a page that exists is followed and recorded.
    put("wyrazy/Auto.html", "<p>Auto</p>");
    w.navigate((dir / "wyrazy/Haus.html").string());
    w.followLink("Auto.html");
    EXPECT_EQ(w.locationPath(), (dir / "wyrazy/Auto.html").string());
    EXPECT_EQ(errors.size(), 2u);

    // Web addresses go to the desktop.
    w.followLink("http://127.0.0.1/");
    ASSERT_EQ(answers.asked("shell").size(), 1u);
}

}  // namespace

namespace {
// A window kept on top beside the browser's, as the print list is.
class PrintList : public forms::Form {
public:
    PrintList() : Form("PrintList") {}
};
}  // namespace

TEST_F(BrowserTest, PageSetupAndPrintWindowsOpenAboveAWindowKeptOnTopInPolish) {
    PrintList list;
    list.show();
    forms::setWindowOrder(list, forms::WindowOrder::Topmost);
    // The print list asks for them: they belong to it, so a window manager
    // keeps them above it even where it stacks dialogs with their owner.
    QApplication::setActiveWindow(forms::windowOf(list));
    struct Case {
        int command;
        const char* title;
    };
    for (Case c : {Case{browser::WebBrowser::PageSetup, "Ustawienia strony"}, Case{browser::WebBrowser::Print, "Drukowanie"}}) {
        const bool opened = forms::drive::whileModalOpen([&] { host.web->execCommand(c.command, true); }, [&](QWidget& m) {
            EXPECT_TRUE(m.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << c.title;
            EXPECT_EQ(m.windowTitle().toStdString(), c.title);
            EXPECT_EQ(m.parentWidget(), forms::windowOf(list)) << c.title;
        });
        EXPECT_TRUE(opened) << c.title;
    }
    list.unload();
}
