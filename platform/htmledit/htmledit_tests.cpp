// Tests of the editing control on the browser engine, headless.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWebEngineView>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "forms/ScriptedAnswers.h"
#include "htmledit/EditControl.h"
#include "htmledit/Error.h"
#include "htmledit/MarkupNotes.h"
#include "htmledit/PageCharset.h"
#include "text/CodePage.h"

using namespace htmledit;
using namespace text::literals;

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        prepareProcess();
        static int argc = 1;
        static char name[] = "htmledit_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

const auto* const kEnv = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// One control for the engine tests; each test loads its own page into it.
class Editor : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        control_ = new EditControl();
        control_->widget()->resize(800, 600);
        control_->widget()->show();
    }
    static void TearDownTestSuite() {
        delete control_;
        control_ = nullptr;
    }
    void SetUp() override { ed().events() = Events{}; }

    static EditControl& ed() { return *control_; }
    static void load(const std::string& html) {
        int before = ed().completedDocuments();
        ed().setDocumentHTML(html);
        ASSERT_TRUE(ed().waitForDocuments(before + 1));
    }
    static std::string js(const std::string& s) { return ed().evaluate(s); }
    static void selectText(const std::string& t, int nth = 0) {
        ASSERT_EQ(js("String(pw.x('selectText',[" + quote(t) + "," + std::to_string(nth) + "]).v)"), "true");
    }
    static std::string quote(const std::string& s) {
        std::string q = "'";
        for (char c : s) {
            if (c == '\'' || c == '\\') q += '\\';
            q += c;
        }
        return q + "'";
    }
    static std::string body() {
        std::string h = ed().documentHTML();
        auto b = h.find("<BODY");
        b = h.find('>', b) + 1;
        auto e = h.rfind("</BODY>");
        return h.substr(b, e - b);
    }

    static EditControl* control_;
};
EditControl* Editor::control_ = nullptr;

TEST_F(Editor, Smoke) {
    load("<html><head><title>T</title><meta name=x content=y></head><body><p>Hello <b>w</b></p><!--SIZE:1--></body></html>");
    std::cout << ed().documentHTML() << std::endl;
}

}  // namespace
