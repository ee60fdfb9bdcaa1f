// The plain decisions of the editor's start-up and main window: the browser
// version test, the insert-date text, the input dialog's result and the exit
// question.
#include <gtest/gtest.h>

#include "forms/ScriptedAnswers.h"
#include "pageeditor/app/BrowserVersionCheck.h"
#include "pageeditor/app/ExitQuestion.h"
#include "pageeditor/app/InsertDateText.h"
#include "pageeditor/core/MessageList.h"
#include "pageeditor/dialogs/InputBoxResult.h"
#include "text/CodePage.h"

using namespace pageeditor;
using namespace text::literals;

TEST(BrowserVersion, WholeMajorNumberDecidesTheHook) {
    struct Case {
        const char* version;
        bool hook;
    } cases[] = {
        {"5.50.4134.0600", true}, {"4.72", true}, {"5", true}, {"0", true},
        {"6.0.2900.2180", false}, {"6", false},
        // Two-digit majors are not below 6 (their first digit is).
        {"10.0.9200.16384", false}, {"11.0.9600.18860", false}, {"108.0.5359.220", false},
        {"", false}, {"abc", false}, {" 5.5", false}, {".5", false},
        {"99999999999999999999", false},
    };
    for (const auto& c : cases) EXPECT_EQ(needsLStrokeHook(c.version), c.hook) << c.version;
    EXPECT_EQ(browserMajorVersion("11.0"), 11);
    EXPECT_EQ(browserMajorVersion("x"), std::nullopt);
}

TEST(InsertDate, WeekdayDayMonthYearAndTimeWithPoints) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 2;  // March
    t.tm_mday = 5;
    t.tm_hour = 7;
    t.tm_min = 4;
    t.tm_wday = 4;
    EXPECT_EQ(insertDateText(t, polishWeekdayName(t.tm_wday)), "czwartek - 05.03.2026, 07.04");
    t.tm_mon = 11;
    t.tm_mday = 31;
    t.tm_hour = 23;
    t.tm_min = 59;
    EXPECT_EQ(insertDateText(t, "Monday"), "Monday - 31.12.2026, 23.59");
    EXPECT_EQ(polishWeekdayName(3), "środa"_w);
    EXPECT_EQ(polishWeekdayName(1), "poniedziałek"_w);
    EXPECT_EQ(polishWeekdayName(7), "");
}

TEST(InputBox, OkGivesTextOrBlankPageAndCancelKeepsTheValue) {
    struct Case {
        int modalResult;
        const char* edit;
        const char* before;
        const char* after;
    } cases[] = {
        {1, "Moja strona", "stary", "Moja strona"},
        {1, "", "stary", "about:blank"},
        {2, "Moja strona", "stary", "stary"},
        {2, "", "", ""},
        {0, "nowy", "stary", "stary"},  // closed by its close box
    };
    for (const auto& c : cases) {
        std::string result = c.before;
        applyInputBoxResult(c.modalResult, c.edit, result);
        EXPECT_EQ(result, c.after) << c.modalResult << " '" << c.edit << "'";
    }
}

class ExitQuestionTest : public ::testing::Test {
protected:
    void SetUp() override { forms::setModal(&answers); }
    void TearDown() override { forms::setModal(nullptr); }
    forms::ScriptedAnswers answers;
    MessageList messages;
};

TEST_F(ExitQuestionTest, AsksWithYesNoAndOnlyYesCloses) {
    answers.answerMessage(7);
    EXPECT_FALSE(exitQuestion({}, messages));
    answers.answerMessage(6);
    EXPECT_TRUE(exitQuestion({}, messages));
    auto asked = answers.asked("message");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "Czy zakończyć działanie aplikacji?"_w);
    EXPECT_EQ(asked[0].title, "Pytanie:");
    EXPECT_EQ(asked[0].flags, 36);
}

TEST_F(ExitQuestionTest, DocumentWindowsAnswerFirstAndOneRefusalStops) {
    std::vector<int> order;
    auto window = [&](int id, bool ok) {
        return [&order, id, ok] {
            order.push_back(id);
            return ok;
        };
    };
    EXPECT_FALSE(exitQuestion({window(1, true), window(2, false), window(3, true)}, messages));
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_TRUE(answers.asked("message").empty()) << "no exit question after a refusal";

    order.clear();
    answers.answerMessage(6);
    EXPECT_TRUE(exitQuestion({window(1, true), window(2, true)}, messages));
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_EQ(answers.asked("message").size(), 1u);
}

TEST_F(ExitQuestionTest, TheQuestionPassesThroughTheMessageList) {
    messages.setLines({"Czy zakończyć działanie aplikacji?"_w, "Zamknąć program?"_w, "Pytanie:", "Question:"});
    answers.answerMessage(6);
    EXPECT_TRUE(exitQuestion({}, messages));
    EXPECT_EQ(answers.asked("message")[0].text, "Zamknąć program?"_w);
    EXPECT_EQ(answers.asked("message")[0].title, "Question:");
}
